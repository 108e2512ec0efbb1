#include "shell/ErrorWindow.h"

#include "program/App.h"
#include "program/HelpTopics.h"
#include "shell/Shell.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

// The window's design: the box, the buttons below it and what the window adds around them.
constexpr float kBoxWidth = 5175;
constexpr float kBoxHeight = 1455;
constexpr float kWideBoxWidth = 7815;
constexpr float kBoxToButtons = 165;
constexpr float kButtonHeight = 375;
constexpr float kOkLeft = 1200;
constexpr float kQuitLeft = 3000;
constexpr float kRightMargin = 225;
constexpr float kFrameHeight = 585;
// The form face's average character and line, with room to spare (twips).
constexpr float kCharacterWidth = 90;
constexpr float kLineHeight = 225;

// The lines `text` takes in a box `width` twips wide, each paragraph wrapped on its own.
float wrappedLines(const std::string& text, float width)
{
    const auto perLine = static_cast<std::size_t>(width / kCharacterWidth);
    float lines = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        const std::size_t length = (end == std::string::npos ? text.size() : end) - start;
        lines += std::max(1.0f, std::ceil(static_cast<float>(length) / static_cast<float>(perLine)));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

} // namespace

ErrorWindow::ErrorWindow(App& app)
    : Form(app.runtime(), "frmerrmsg",
           {.caption = "Tarvik Error", .width = 5520, .height = 2700, .mdiChild = false, .helpTopic = kHelpErrorWindow}),
      app_(app)
{
    msgtxt.setMultiLine(true);
    msgtxt.setLocked(true);
    okcmd.setDefault(true);
    okcmd.setCancel(true);
    okcmd.onClick = [this] { okcmd_Click(); };
    quitcmd.onClick = [this] { quitcmd_Click(); };
}

void ErrorWindow::Form_Load() { PlaceOverMainWindow(app_, *this, kErrorWindowOffset); }

void ErrorWindow::setMessage(const std::string& message)
{
    float width = kBoxWidth;
    float height = kBoxHeight;
    if (wrappedLines(message, width) * kLineHeight > height) {
        width = kWideBoxWidth;
        height = std::max(height, wrappedLines(message, width) * kLineHeight);
    }
    // The buttons stay centred under the box.
    const float shift = (width - kBoxWidth) / 2;
    msgtxt.setWidth(width);
    msgtxt.setHeight(height);
    const float buttonsTop = msgtxt.top() + height + kBoxToButtons;
    okcmd.setLeft(kOkLeft + shift);
    quitcmd.setLeft(kQuitLeft + shift);
    okcmd.setTop(buttonsTop);
    quitcmd.setTop(buttonsTop);
    setWidth(msgtxt.left() + width + kRightMargin);
    setHeight(buttonsTop + kButtonHeight + kFrameHeight);
    msgtxt.setText(message);
}

void ErrorWindow::okcmd_Click() { unload(); }

void ErrorWindow::quitcmd_Click() { app_.runtime().endProgram(); }

} // namespace tarvik
