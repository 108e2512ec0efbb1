#pragma once

#include <Qt>

class QKeyEvent;
class QString;

namespace tarvik {

// A Qt key press as the runtime takes it: a typed character (KeyDown, KeyPress, edit, Change,
// KeyUp follow from it) or a key with a shift state (Enter, Tab, arrows, Ctrl+V, Alt+R, F1 ...).
struct RuntimeKey {
    enum class Kind { None, Character, Key };
    Kind kind = Kind::None;
    int keyCode = 0;   // Kind::Key
    int shift = 0;     // Kind::Key
    int character = 0; // Kind::Character
};

RuntimeKey runtimeKeyOf(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
RuntimeKey runtimeKeyOf(const QKeyEvent& event);

// The runtime's shift-state bits (ShiftMask, CtrlMask, AltMask) of Qt modifiers.
int shiftStateOf(Qt::KeyboardModifiers modifiers);

// The runtime's mouse-button bits of Qt buttons.
int mouseButtonsOf(Qt::MouseButtons buttons);

} // namespace tarvik
