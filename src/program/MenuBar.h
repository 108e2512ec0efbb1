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

// What choosing a menu item does.
using MenuAction = void (*)(App&);

// One menu item a window family has built: the item's control name and what choosing it does.
// Each family lists its items in one table; an item that no family lists stays visible and
// disabled.
struct MenuActionEntry {
    std::string_view item;
    MenuAction action = nullptr;
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
