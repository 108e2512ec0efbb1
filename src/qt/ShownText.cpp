#include "qt/ShownText.h"

#include "qt/QtUnits.h"

#include <algorithm>

namespace tarvik {

namespace {

// UTF-16 units a byte opens: continuation bytes none, four-byte sequences a surrogate pair.
int unitsOpenedBy(unsigned char byte)
{
    if ((byte & 0xC0) == 0x80) return 0;
    return byte >= 0xF0 ? 2 : 1;
}

} // namespace

ShownText::ShownText(const std::string& text, bool multiLine) : shown_(toQString(text))
{
    if (multiLine) shown_.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shownAt_.reserve(text.size() + 1);
    int units = 0;
    int characterStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // A boundary inside a multi-byte character stands where the character starts.
        if (unitsOpenedBy(byte) == 0) {
            shownAt_.push_back(characterStart);
            continue;
        }
        characterStart = units;
        shownAt_.push_back(units);
        const bool droppedReturn = multiLine && byte == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (!droppedReturn) units += unitsOpenedBy(byte);
    }
    shownAt_.push_back(units);
}

int ShownText::toShown(int position) const
{
    const int last = static_cast<int>(shownAt_.size()) - 1;
    const int shown = shownAt_[static_cast<std::size_t>(std::clamp(position, 0, last))];
    return std::min(shown, static_cast<int>(shown_.size()));
}

int ShownText::toModel(int shown) const
{
    const auto at = std::lower_bound(shownAt_.begin(), shownAt_.end(), shown);
    if (at == shownAt_.end()) return static_cast<int>(shownAt_.size()) - 1;
    return static_cast<int>(at - shownAt_.begin());
}

} // namespace tarvik
