#include "runtime/Keys.h"

#include <array>

namespace tarvik {

namespace {

struct PunctuationKey {
    char plain;
    char shifted;
    int keyCode;
};

// US layout: the punctuation keys and the shifted digits.
constexpr std::array<PunctuationKey, 21> kPunctuation{{
    {';', ':', 186}, {'=', '+', 187}, {',', '<', 188}, {'-', '_', 189}, {'.', '>', 190},
    {'/', '?', 191}, {'`', '~', 192}, {'[', '{', 219}, {'\\', '|', 220}, {']', '}', 221},
    {'\'', '"', 222}, {'1', '!', '1'}, {'2', '@', '2'}, {'3', '#', '3'}, {'4', '$', '4'},
    {'5', '%', '5'}, {'6', '^', '6'}, {'7', '&', '7'}, {'8', '*', '8'}, {'9', '(', '9'},
    {'0', ')', '0'},
}};

struct NamedKey {
    std::string_view name;
    Key key;
};

constexpr std::array<NamedKey, 15> kNamedKeys{{
    {"Enter", Key::Enter}, {"Tab", Key::Tab}, {"Backspace", Key::Backspace},
    {"Delete", Key::Delete}, {"Up", Key::Up}, {"Down", Key::Down}, {"Left", Key::Left},
    {"Right", Key::Right}, {"Home", Key::Home}, {"End", Key::End}, {"Escape", Key::Escape},
    {"F1", Key::F1}, {"PageUp", Key::PageUp}, {"PageDown", Key::PageDown}, {"Space", Key::Space},
}};

bool isLetterKey(int keyCode) { return keyCode >= 'A' && keyCode <= 'Z'; }

} // namespace

KeyStroke keyStrokeFor(int character)
{
    switch (character) {
    case 8: return {static_cast<int>(Key::Backspace), 0};
    case 9: return {static_cast<int>(Key::Tab), 0};
    case 13: return {static_cast<int>(Key::Enter), 0};
    case 27: return {static_cast<int>(Key::Escape), 0};
    case ' ': return {static_cast<int>(Key::Space), 0};
    default: break;
    }
    if (character >= 1 && character <= 26) return {'A' + character - 1, CtrlMask};
    if (character >= 'a' && character <= 'z') return {character - 'a' + 'A', 0};
    if (character >= 'A' && character <= 'Z') return {character, ShiftMask};
    for (const auto& key : kPunctuation) {
        if (character == key.plain) return {key.keyCode, 0};
        if (character == key.shifted) return {key.keyCode, ShiftMask};
    }
    return {0, 0};
}

int characterOf(int keyCode, int shift)
{
    const bool shifted = (shift & ShiftMask) != 0;
    // Alt combinations are commands (access keys), never typed characters.
    if ((shift & AltMask) != 0) return 0;
    if (isLetterKey(keyCode)) {
        if ((shift & CtrlMask) != 0) return keyCode - 'A' + 1;
        return shifted ? keyCode : keyCode - 'A' + 'a';
    }
    if ((shift & CtrlMask) != 0) return 0;
    switch (static_cast<Key>(keyCode)) {
    case Key::Backspace: return 8;
    case Key::Enter: return 13;
    case Key::Escape: return 27;
    case Key::Space: return ' ';
    default: break;
    }
    for (const auto& key : kPunctuation)
        if (key.keyCode == keyCode) return shifted ? key.shifted : key.plain;
    return 0;
}

std::optional<Key> keyByName(std::string_view name)
{
    for (const auto& named : kNamedKeys)
        if (named.name == name) return named.key;
    return std::nullopt;
}

} // namespace tarvik
