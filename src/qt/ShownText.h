#pragma once

#include <QString>

#include <string>
#include <vector>

namespace tarvik {

// A runtime text (UTF-8 bytes; "\r\n" line ends in a multi-line box) as a Qt editor shows it,
// and the mapping between runtime positions (bytes) and Qt positions (UTF-16 units).
class ShownText {
public:
    ShownText(const std::string& text, bool multiLine);

    const QString& text() const { return shown_; }
    // The Qt position of a runtime position (clamped to the text).
    int toShown(int position) const;
    // The runtime position of a Qt position: the first character boundary at or after it.
    int toModel(int shown) const;

private:
    QString shown_;
    std::vector<int> shownAt_; // the Qt position of every byte boundary, one more than the bytes
};

} // namespace tarvik
