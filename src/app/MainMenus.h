#pragma once

#include <span>
#include <string_view>

namespace tarvik {

class App;

// What choosing a menu item does; nullptr while the item's window is not part of the program
// yet, which keeps the item visible and disabled.
using MenuAction = void (*)(App&);

struct MenuEntry {
    std::string_view name;    // the item's control name
    std::string_view caption; // "-" is a separator
    std::string_view parent;  // the enclosing menu's name; empty for the menu bar
    MenuAction action = nullptr;
};

// The main window's menus in display order; every parent comes before its items. The
// Initialize Board items `bidmu(0..7)` are added by the main window under `initboardmu`.
std::span<const MenuEntry> mainMenuEntries();

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

} // namespace tarvik
