#pragma once

#include "program/App.h"

#include <string>
#include <string_view>

namespace tarvik {

class Form;

// How a menu item brings up its window.
enum class Opening {
    Restore,          // show modeless as a child, then window state normal (the usual way)
    ShowOnly,         // show modeless, nothing else
    FrontThenRestore, // show modeless, bring to the front, then window state normal
};

// The opening protocol of the main window's menu items: the window's one instance (created and
// loaded on first use) is shown; an open window comes forward with its fields as they were.
void OpenChildWindow(Form& form, Opening how = Opening::Restore);

template <class F, Opening how = Opening::Restore>
void openChild(App& app)
{
    OpenChildWindow(app.form<F>(), how);
}

// Switches on the menus of a board's class: Servo for servo boards, Stepper for open-loop
// steppers, Stepper and Stepper Closed Loop for closed-loop steppers, none for encoder boards.
void EnableMenusForBoardType(App& app, int typeCode);

// Switches a menu item off, or on when its window is part of the program (an item whose window
// is not built stays off). Nothing while no main window is loaded.
void SwitchMenuItem(App& app, std::string_view name, bool on);

// While a test panel or the XY demo is open the two trigger-buffer prestore items are off:
// `locked` true switches them off; false switches them on again once no panel is open any more
// (ServoTestOpen, StepperTestOpen and XyDemoOpen all false).
void LockPrestoreMenus(App& app, bool locked);

// The caption of a board's Initialize Board item as the menu shows it.
std::string InitializeBoardCaption(App& app, int boardId);

// File > Quit: unloads the main window, which ends the program once every
// open window has agreed to close (one that cancels keeps the program running).
void QuitProgram(App& app);

} // namespace tarvik
