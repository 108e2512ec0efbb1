#pragma once

#include <optional>
#include <string_view>

namespace tarvik {

// Key codes as the windows see them in KeyDown and KeyUp (the classic virtual-key numbers).
// Letter keys use the upper-case letter's code, digit keys the digit's code.
enum class Key : int {
    Backspace = 8,
    Tab = 9,
    Enter = 13,
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Delete = 46,
    F1 = 112,
};

// Shift-state bits passed with key and mouse events.
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

// Mouse buttons passed with mouse events.
inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;
inline constexpr int MiddleButton = 4;

struct KeyStroke {
    int keyCode = 0;
    int shift = 0;
};

// The key and shift state that type `character` on a US keyboard; control characters 1..26
// are Ctrl with a letter. Characters without a key give key code 0.
KeyStroke keyStrokeFor(int character);

// The character code a key produces with a shift state (what KeyPress receives), 0 for keys
// that produce none (arrows, Delete, F1, ..., and every Alt combination).
int characterOf(int keyCode, int shift);

// A named key: "Enter", "Tab", "Backspace", "Delete", "Up", "Down", "Left", "Right", "Home",
// "End", "Escape", "F1", "PageUp", "PageDown", "Space".
std::optional<Key> keyByName(std::string_view name);

} // namespace tarvik
