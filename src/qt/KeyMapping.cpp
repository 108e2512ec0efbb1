#include "qt/KeyMapping.h"

#include "runtime/Keys.h"

#include <QKeyEvent>
#include <QString>

#include <array>

namespace tarvik {

namespace {

struct NamedKey {
    int qtKey;
    Key key;
};

// Keys that reach the runtime as keys whatever text they carry.
constexpr std::array<NamedKey, 16> kNamedKeys{{
    {Qt::Key_Return, Key::Enter}, {Qt::Key_Enter, Key::Enter}, {Qt::Key_Tab, Key::Tab},
    {Qt::Key_Backspace, Key::Backspace}, {Qt::Key_Delete, Key::Delete}, {Qt::Key_Escape, Key::Escape},
    {Qt::Key_Left, Key::Left}, {Qt::Key_Right, Key::Right}, {Qt::Key_Up, Key::Up}, {Qt::Key_Down, Key::Down},
    {Qt::Key_Home, Key::Home}, {Qt::Key_End, Key::End}, {Qt::Key_PageUp, Key::PageUp},
    {Qt::Key_PageDown, Key::PageDown}, {Qt::Key_F1, Key::F1}, {Qt::Key_Space, Key::Space},
}};

// The classic key code of F2..F12 follows F1's.
constexpr int kLastFunctionKeys = 11;

bool isModifierKey(int qtKey)
{
    return qtKey == Qt::Key_Shift || qtKey == Qt::Key_Control || qtKey == Qt::Key_Alt || qtKey == Qt::Key_Meta ||
           qtKey == Qt::Key_AltGr || qtKey == Qt::Key_CapsLock || qtKey == Qt::Key_NumLock ||
           qtKey == Qt::Key_ScrollLock;
}

RuntimeKey keyOf(int keyCode, int shift) { return {.kind = RuntimeKey::Kind::Key, .keyCode = keyCode, .shift = shift}; }

} // namespace

int shiftStateOf(Qt::KeyboardModifiers modifiers)
{
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= ShiftMask;
    if (modifiers & Qt::ControlModifier) shift |= CtrlMask;
    if (modifiers & Qt::AltModifier) shift |= AltMask;
    return shift;
}

int mouseButtonsOf(Qt::MouseButtons buttons)
{
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= LeftButton;
    if (buttons & Qt::RightButton) mask |= RightButton;
    if (buttons & Qt::MiddleButton) mask |= MiddleButton;
    return mask;
}

RuntimeKey runtimeKeyOf(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (isModifierKey(qtKey)) return {};
    const int shift = shiftStateOf(modifiers);
    const bool command = (shift & (CtrlMask | AltMask)) != 0;
    if (qtKey == Qt::Key_Backtab) return keyOf(static_cast<int>(Key::Tab), shift | ShiftMask);
    if (qtKey == Qt::Key_Space && !command) return {.kind = RuntimeKey::Kind::Character, .character = ' '};
    for (const auto& named : kNamedKeys)
        if (named.qtKey == qtKey) return keyOf(static_cast<int>(named.key), shift);
    if (qtKey > Qt::Key_F1 && qtKey <= Qt::Key_F1 + kLastFunctionKeys)
        return keyOf(static_cast<int>(Key::F1) + (qtKey - Qt::Key_F1), shift);
    // Ctrl and Alt combinations go as keys, so that Ctrl+V arrives as character 22 and Alt+R
    // reaches the access keys. Qt's letter and digit key codes are the classic ones.
    const bool letterOrDigit = (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9);
    if (command) return letterOrDigit ? keyOf(qtKey, shift) : RuntimeKey{};
    // Typed characters: the runtime's texts take the printable ASCII characters.
    if (text.size() == 1) {
        const char16_t character = text.at(0).unicode();
        if (character >= 0x20 && character < 0x7F) return {.kind = RuntimeKey::Kind::Character, .character = character};
    }
    return {};
}

RuntimeKey runtimeKeyOf(const QKeyEvent& event) { return runtimeKeyOf(event.key(), event.modifiers(), event.text()); }

} // namespace tarvik
