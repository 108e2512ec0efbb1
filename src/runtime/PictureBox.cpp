#include "runtime/PictureBox.h"

#include <algorithm>

namespace tarvik {

PictureBox::PictureBox(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::PictureBox)
{
}

double PictureBox::scaleWidth() const { return userScale_ ? scale_.width : width(); }
double PictureBox::scaleHeight() const { return userScale_ ? scale_.height : height(); }

ScaleRect PictureBox::scaleRect() const { return {scale_.left, scale_.top, scaleWidth(), scaleHeight()}; }

bool PictureBox::scale(double x1, double y1, double x2, double y2)
{
    if (x1 == x2 || y1 == y2) return false;
    scale_ = {x1, y1, x2 - x1, y2 - y1};
    userScale_ = true;
    changed(Property::Scale);
    return true;
}

void PictureBox::cls()
{
    drawing_.clear();
    ++clears_;
    currentX_ = scale_.left;
    changed(Property::Drawing);
}

void PictureBox::draw(DrawOp op)
{
    op.drawWidth = drawWidth_;
    op.scale = scaleRect();
    if (!drawing_.empty() && drawing_.back() == op) return;
    drawing_.push_back(op);
    changed(Property::Drawing);
}

void PictureBox::line(double x1, double y1, double x2, double y2, Color color, LineStyle style)
{
    DrawOp op{.x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = color < 0 ? foreColor_ : color};
    if (style != LineStyle::Line) {
        op.kind = DrawOp::Kind::Box;
        op.filled = style == LineStyle::BoxFilled || fillStyle_ == SolidFill;
        op.fillColor = style == LineStyle::BoxFilled ? op.color : fillColor_;
    }
    currentX_ = x2;
    draw(op);
}

void PictureBox::circle(double x, double y, double radius, Color color)
{
    currentX_ = x;
    draw({.kind = DrawOp::Kind::Circle, .x1 = x, .y1 = y, .x2 = radius, .color = color < 0 ? foreColor_ : color,
          .filled = fillStyle_ == SolidFill, .fillColor = fillColor_});
}

void PictureBox::pset(double x, double y, Color color)
{
    currentX_ = x;
    draw({.kind = DrawOp::Kind::Point, .x1 = x, .y1 = y, .x2 = x, .y2 = y, .color = color < 0 ? foreColor_ : color});
}

void PictureBox::setForeColor(Color color) { assign(foreColor_, color, Property::Colors); }
void PictureBox::setBackColor(Color color) { assign(backColor_, color, Property::Colors); }
void PictureBox::setFillColor(Color color) { assign(fillColor_, color, Property::Colors); }
void PictureBox::setFillStyle(int style) { assign(fillStyle_, std::clamp(style, 0, 7), Property::Style); }
void PictureBox::setDrawWidth(int width) { assign(drawWidth_, std::max(width, 1), Property::Style); }

} // namespace tarvik
