#include "TestWindow.h"

#include "ValueText.h"

#include "program/App.h"
#include "shell/Shell.h"

#include <array>
#include <string>

namespace tarvik::script {

namespace {
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);
constexpr Color kGreen = rgb(0, 128, 0);
constexpr std::int16_t kRdbPackets = 10;
constexpr std::int32_t kNameRoom = 32;
} // namespace

TestWindow::TestWindow(App& app) : Form(app.runtime(), "frmscripttest", {.caption = "Script Test"}), app_(app)
{
    spin.setMax(10);
    spin.setValue(5);
    tmr.setInterval(500);
    lblresult.setFontName("Monospace");
    lblresult.setFontSize(10);
    spin.onChange = [this] { lblspin.setCaption(std::to_string(spin.value())); };
    pic.onMouseDown = [this](int button, int shift, float x, float y) { pic_MouseDown(button, shift, x, y); };
    pic.onMouseMove = [this](int button, int shift, float x, float y) { pic_MouseMove(button, shift, x, y); };
    pic.onMouseUp = [this](int button, int shift, float x, float y) { pic_MouseUp(button, shift, x, y); };
    txt.onChange = [this] { txt_Change(); };
    readcmd.onClick = [this] { readcmd_Click(); };
    rdbcmd.onClick = [this] { rdbcmd_Click(); };
    namecmd.onClick = [this] { namecmd_Click(); };
    askcmd.onClick = [this] { askcmd_Click(); };
    tstbackmu.onClick = [this] { zOrder(ZOrder::Back); };
    tstrestoremu.onClick = [this] { tstrestoremu_Click(); };
}

void TestWindow::Form_Load()
{
    for (const char* row : {"alpha", "beta", "gamma"}) lst.addItem(row);
    pic.scale(0, 0, 100, 100);
    pic.setFillStyle(PictureBox::SolidFill);
    pic.setFillColor(kGreen);
    pic.line(10, 10, 30, 20, kBlue, PictureBox::LineStyle::Box);
    pic.circle(50, 50, 5, kBlue);
}

void TestWindow::Form_Click() { lblclicks.setCaption(std::to_string(++clicks_)); }

void TestWindow::Form_Resize() { SendBackgroundToBack(app_); }

void TestWindow::pic_MouseDown(int button, int shift, float x, float y)
{
    pressX_ = x;
    pressY_ = y;
    showMouse("down", button, shift, x, y);
}

void TestWindow::pic_MouseMove(int button, int shift, float x, float y) { showMouse("move", button, shift, x, y); }

void TestWindow::pic_MouseUp(int button, int shift, float x, float y)
{
    pic.line(pressX_, pressY_, x, y, kRed);
    showMouse("up", button, shift, x, y);
}

void TestWindow::showMouse(const char* event, int button, int shift, float x, float y)
{
    lblmouse.setCaption(std::string(event) + " button " + std::to_string(button) + " shift " + std::to_string(shift) +
                        " at " + valueText(x) + "," + valueText(y));
}

void TestWindow::txt_Change()
{
    const std::string& text = txt.text();
    const bool whole = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    txt.setForeColor(whole ? colors::Black : kRed);
}

void TestWindow::readcmd_Click()
{
    std::int32_t position = 0;
    const DriverStatus status = app_.driver().read_pos(1, 1, position);
    lblresult.setCaption("status " + std::to_string(status) + " position " + std::to_string(position));
}

void TestWindow::rdbcmd_Click()
{
    std::int16_t count = kRdbPackets;
    std::array<std::int16_t, kRdbPackets> axes{};
    std::array<std::int16_t, kRdbPackets> commands{};
    std::array<std::int32_t, kRdbPackets> data{};
    const DriverStatus status = app_.driver().read_rdb(1, count, axes, commands, data);
    std::string text = "status " + std::to_string(status) + " packets";
    for (std::size_t i = 0; status == 0 && i < static_cast<std::size_t>(count) && i < axes.size(); ++i)
        text += " " + std::to_string(axes[i]) + ":" + std::to_string(commands[i]) + ":" + std::to_string(data[i]);
    lblresult.setCaption(text);
}

void TestWindow::namecmd_Click()
{
    std::array<char, kNameRoom> name{};
    std::int32_t length = kNameRoom;
    const DriverStatus status = app_.driver().get_motion_board_name(1, name, length);
    const std::size_t shown = status == 0 && length > 0 ? std::min<std::size_t>(static_cast<std::size_t>(length), name.size()) : 0;
    lblresult.setCaption("status " + std::to_string(status) + " name " + std::string(name.data(), shown));
}

void TestWindow::askcmd_Click()
{
    const int answer = runtime().msgBox("Save the changes?", msgbox::YesNo + msgbox::Question, "Script Test");
    lblresult.setCaption("answer " + std::to_string(answer));
}

void TestWindow::tstrestoremu_Click()
{
    show();
    zOrder(ZOrder::Front);
    setWindowState(WindowState::Normal);
}

} // namespace tarvik::script
