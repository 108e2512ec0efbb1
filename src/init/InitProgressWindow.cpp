#include "init/InitProgressWindow.h"

#include "base/NumberText.h"
#include "program/App.h"
#include "program/BoardTable.h"
#include "shell/Shell.h"

namespace tarvik {

InitProgressWindow::InitProgressWindow(App& app)
    : Form(app.runtime(), "frmautoinit",
           {.caption = "Initializing Boards", .width = 6480, .height = 2280, .mdiChild = false, .helpTopic = 325,
            .minButton = false, .maxButton = false, .borderStyle = BorderStyle::FixedDialog}),
      app_(app)
{
    cmdstop.setDefault(true);
    cmdstop.setCancel(true);
    cmdstop.onClick = [this] { stopPressed_ = true; };
}

void InitProgressWindow::Form_Load() { PlaceOverMainWindow(app_, *this, kErrorWindowOffset); }

// The close box stops the initialisation as Stop does; the window stays until it has ended.
void InitProgressWindow::Form_QueryUnload(int& cancel, UnloadReason reason)
{
    if (reason != UnloadReason::User) return;
    stopPressed_ = true;
    cancel = 1;
}

void InitProgressWindow::showBoard(std::int16_t board, int option)
{
    board_ = board;
    option_ = option;
    step_.clear();
    lblboard.setCaption("Board " + BoardMenuCaption(board, app_.state().boards.typeOf(board)));
    lbloption.setCaption("Option" + strSigned(option));
    lblstep.setCaption("");
}

void InitProgressWindow::stepBegins(std::string_view step, std::int16_t axis)
{
    step_ = std::string(step);
    if (axis != 0) step_ += ", axis" + strSigned(axis);
    lblstep.setCaption("Step: " + step_);
}

bool InitProgressWindow::goOn()
{
    // The window unloads past its close box only when the main window closes: that stops too.
    if (!stopped_) stopped_ = !app_.runtime().doEvents() || stopPressed_ || !isLoaded();
    return !stopped_;
}

std::string InitProgressWindow::whereItStands() const
{
    std::string where = "board ID" + strSigned(board_) + " with option" + strSigned(option_);
    if (!step_.empty()) where += " (step: " + step_ + ")";
    return where;
}

} // namespace tarvik
