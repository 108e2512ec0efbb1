#pragma once

#include "runtime/Control.h"

#include <cstdint>
#include <vector>

namespace tarvik {

// The user scale of a picture box: the coordinates of its left and top edges and its extent
// (negative extents turn an axis round, e.g. Y growing upwards).
struct ScaleRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const ScaleRect&) const = default;
};

// One drawing operation kept in a picture box's display list, in scale units, with the scale in
// force when it was drawn.
struct DrawOp {
    enum class Kind { Line, Box, Circle, Point };
    Kind kind = Kind::Line;
    double x1 = 0;     // Line/Box: first corner; Circle: centre; Point: the point
    double y1 = 0;
    double x2 = 0;     // Line/Box: second corner; Circle: x2 is the radius (horizontal units)
    double y2 = 0;
    Color color = 0;   // the outline (or point) colour
    bool filled = false;
    Color fillColor = 0;
    int drawWidth = 1; // pixels
    ScaleRect scale{};
    bool operator==(const DrawOp&) const = default;
};

// A picture box: a container with its own scale and a persistent display list (what it drew
// stays until Cls). An item that repeats the one drawn last (the same kind, place, colours,
// width and scale) adds nothing to the picture and is not kept, so a drawing redrawn on every
// tick of a still scene stays the size it is. Mouse events arrive in scale units.
class PictureBox : public Control {
public:
    static constexpr int SolidFill = 0;
    static constexpr int TransparentFill = 1;
    // How Line draws: a line, a box outlined (inside per FillStyle/FillColor) or a box filled
    // with the line colour.
    enum class LineStyle { Line, Box, BoxFilled };

    PictureBox(Form* form, std::string name, Design design = {});

    // The scale follows the box's size in twips until Scale sets a user scale.
    double scaleLeft() const { return scale_.left; }
    double scaleTop() const { return scale_.top; }
    double scaleWidth() const;
    double scaleHeight() const;
    ScaleRect scaleRect() const;
    // Scale (x1, y1)-(x2, y2): the upper-left corner gets (x1, y1), the lower-right (x2, y2).
    // Refused (false, nothing changed) when x1 = x2 or y1 = y2.
    bool scale(double x1, double y1, double x2, double y2);

    // Clears the drawing; the current point goes to the scale's upper-left corner.
    void cls();
    // color < 0: ForeColor.
    void line(double x1, double y1, double x2, double y2, Color color = -1, LineStyle style = LineStyle::Line);
    void circle(double x, double y, double radius, Color color = -1);
    void pset(double x, double y, Color color = -1);
    double currentX() const { return currentX_; }
    const std::vector<DrawOp>& displayList() const { return drawing_; }
    // How many times Cls cleared the drawing: while it stays the same, the display list only grows,
    // so a renderer that kept what it painted need only add the items after those it has.
    std::uint64_t clearCount() const { return clears_; }

    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color);
    Color backColor() const { return backColor_; }
    void setBackColor(Color color);
    Color fillColor() const { return fillColor_; }
    void setFillColor(Color color);
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int style);
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int width);

    bool canFocus() const override { return true; }

private:
    void draw(DrawOp op);

    ScaleRect scale_;
    bool userScale_ = false;
    std::vector<DrawOp> drawing_;
    std::uint64_t clears_ = 0;
    double currentX_ = 0;
    Color foreColor_ = colors::Black;
    Color backColor_ = colors::ButtonFace;
    Color fillColor_ = colors::Black;
    int fillStyle_ = TransparentFill;
    int drawWidth_ = 1;
};

} // namespace tarvik
