#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>

namespace tarvik {

class PictureBox;

// What a picture box has drawn, kept as an image at the box's size in pixels: bringing it up to
// date paints only the display-list items drawn since the last time, and starts afresh after a
// clear, on a new back colour or at a new size. Each item is painted in the scale it was drawn
// in, so a later scale change leaves the image as it is. The image holds no border.
class KeptDrawing {
public:
    // Brings the image up to `box`'s display list for a box of `size` pixels, each `pixelRatio`
    // device pixels wide; returns it (a null image for an empty size).
    const QImage& follow(const PictureBox& box, QSize size, qreal pixelRatio);
    // The display-list items painted by the last follow (all of them after a fresh start).
    std::size_t lastPainted() const { return lastPainted_; }

private:
    bool current(const PictureBox& box, QSize pixels, qreal pixelRatio) const;
    void startAfresh(const PictureBox& box, QSize pixels, qreal pixelRatio);

    QImage image_;
    QColor backColor_;
    std::uint64_t clears_ = 0;
    std::size_t painted_ = 0;
    std::size_t lastPainted_ = 0;
};

} // namespace tarvik
