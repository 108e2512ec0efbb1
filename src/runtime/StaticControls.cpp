#include "runtime/StaticControls.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

Label::Label(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::Label), caption_(std::move(design.caption))
{
}

void Label::setCaption(std::string caption)
{
    if (assign(caption_, std::move(caption), Property::Caption)) raise(onChange);
}

void Label::setAlignment(Alignment alignment) { assign(alignment_, alignment, Property::Style); }
void Label::setForeColor(Color color) { assign(foreColor_, color, Property::Colors); }
void Label::setBackColor(Color color) { assign(backColor_, color, Property::Colors); }

Frame::Frame(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::Frame), caption_(std::move(design.caption))
{
}

void Frame::setCaption(std::string caption) { assign(caption_, std::move(caption), Property::Caption); }

DrawnControl::DrawnControl(Form* form, std::string name, Design design, ControlKind kind)
    : Control(form, std::move(name), design, kind)
{
}

Shape::Shape(Form* form, std::string name, Design design, Kind kind)
    : DrawnControl(form, std::move(name), design, ControlKind::Shape), shape_(kind)
{
}

void Shape::setShape(Kind shape) { assign(shape_, shape, Property::Style); }
void Shape::setFillColor(Color color) { assign(fillColor_, color, Property::Colors); }
void Shape::setFillStyle(int style) { assign(fillStyle_, std::clamp(style, 0, 7), Property::Style); }

Line::Line(Form* form, std::string name, float x1, float y1, float x2, float y2, Control* container)
    : DrawnControl(form, std::move(name),
                   Design{.left = std::min(x1, x2), .top = std::min(y1, y2), .width = std::abs(x2 - x1),
                          .height = std::abs(y2 - y1), .container = container},
                   ControlKind::Line),
      x1_(x1), y1_(y1), x2_(x2), y2_(y2)
{
}

Image::Image(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::Image)
{
}

void Image::setPicture(std::string picture) { assign(picture_, std::move(picture), Property::Picture); }
void Image::setStretch(bool stretch) { assign(stretch_, stretch, Property::Style); }

Gauge::Gauge(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::Gauge)
{
}

void Gauge::setMin(int min) { assign(min_, min, Property::Range); }
void Gauge::setMax(int max) { assign(max_, max, Property::Range); }
void Gauge::setValue(int value) { assign(value_, value, Property::Value); }

double Gauge::fraction() const
{
    if (max_ == min_) return 0.0;
    // In double: the differences of two ints need not fit an int.
    const double span = static_cast<double>(max_) - min_;
    return std::clamp((static_cast<double>(value_) - min_) / span, 0.0, 1.0);
}

} // namespace tarvik
