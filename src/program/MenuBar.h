#pragma once

#include <string_view>

namespace tarvik {

class App;
class MenuItem;

// Menus and items switched on and off as a whole by the board classes and the test panels.
inline constexpr std::string_view kServoMenu = "servomu";
inline constexpr std::string_view kStepperMenu = "steppermu";
inline constexpr std::string_view kStepperClosedLoopMenu = "stepclmu";
inline constexpr std::string_view kInitializeBoardMenu = "initboardmu";
inline constexpr std::string_view kTestServoItem = "testservmu";
inline constexpr std::string_view kTestStepperItem = "teststepmu";
inline constexpr std::string_view kXyDemoItem = "xytablemu";
inline constexpr std::string_view kBeginPrestoreItem = "beginprestore";
inline constexpr std::string_view kEndPrestoreItem = "endprestore";
// File > Quit, which stays in reach while start-up initialises the boards.
inline constexpr std::string_view kFileMenu = "filemu";
inline constexpr std::string_view kQuitItem = "filequitmu";

// What choosing a menu item does.
using MenuAction = void (*)(App&);

// One row of the menu bar: a menu, a separator or an item. Each window family lists the items of
// its windows in one table, the main window the menus and separators in another; the items of one
// menu are shown in the order of their places, whichever tables list them, so a new window is
// one row in its family's table.
struct MenuItemRow {
    std::string_view item;       // the control name
    std::string_view caption;    // "&" marks the access key, "&&" shows "&"; "-" is a separator
    std::string_view menu;       // the enclosing menu's name; empty for the menu bar itself
    int place = 0;               // where it is shown among the rows of `menu`, ascending
    MenuAction action = nullptr; // none for a menu or a separator
};

// The main window's menu bar as the windows reach it (App::menuBar()) while the main window is
// loaded. The main window implements it; the windows never see the main window itself.
class MenuBar {
public:
    // A menu or item by name; nullptr when there is none.
    virtual MenuItem* menu(std::string_view name) const = 0;
    // True when the item's window is part of the program (a family lists its action).
    virtual bool hasAction(std::string_view name) const = 0;
    // The Initialize Board item of board ID 0..7; nullptr for any other ID.
    virtual MenuItem* boardItem(int boardId) const = 0;

protected:
    ~MenuBar() = default;
};

} // namespace tarvik
