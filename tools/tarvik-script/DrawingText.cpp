#include "DrawingText.h"

#include "ValueText.h"

#include "runtime/PictureBox.h"

namespace tarvik::script {

namespace {

std::string point(double x, double y) { return valueText(x) + "," + valueText(y); }

std::string scaleLine(const ScaleRect& scale)
{
    return "scale " + point(scale.left, scale.top) + "-" +
           point(scale.left + scale.width, scale.top + scale.height);
}

std::string itemLine(const DrawOp& op)
{
    std::string text;
    switch (op.kind) {
    case DrawOp::Kind::Line: text = "line " + point(op.x1, op.y1) + "-" + point(op.x2, op.y2); break;
    case DrawOp::Kind::Box: text = "box " + point(op.x1, op.y1) + "-" + point(op.x2, op.y2); break;
    case DrawOp::Kind::Circle: text = "circle " + point(op.x1, op.y1) + " r=" + valueText(op.x2); break;
    case DrawOp::Kind::Point: text = "pset " + point(op.x1, op.y1); break;
    }
    text += " color=" + valueText(op.color) + " width=" + valueText(op.drawWidth);
    if (op.filled) text += " fill=" + valueText(op.fillColor);
    return text;
}

bool sameScale(const ScaleRect& a, const ScaleRect& b)
{
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

} // namespace

std::string drawingText(const PictureBox& box)
{
    std::string text;
    const ScaleRect* scale = nullptr;
    for (const DrawOp& op : box.displayList()) {
        if (scale == nullptr || !sameScale(*scale, op.scale)) {
            scale = &op.scale;
            text += scaleLine(op.scale) + "\n";
        }
        text += itemLine(op) + "\n";
    }
    if (!text.empty()) text.pop_back();
    return text;
}

} // namespace tarvik::script
