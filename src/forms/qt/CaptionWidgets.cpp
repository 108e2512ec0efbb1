#include "forms/qt/CaptionWidgets.h"

#include "forms/qt/QtUnits.h"
#include "forms/runtime/Caption.h"
#include "forms/runtime/StaticControls.h"

#include <QPainter>

namespace tarvik {

namespace {

Qt::Alignment alignmentOf(Label::Alignment alignment)
{
    switch (alignment) {
    case Label::Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
    case Label::Alignment::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case Label::Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

} // namespace

LabelWidget::LabelWidget(Label& label, InputBridge& bridge, QWidget* parent) : QLabel(parent), ControlWidget(label, bridge)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAutoFillBackground(true);
    watch(*this);
}

void LabelWidget::refresh()
{
    const auto& label = controlAs<Label>();
    setText(toQString(displayCaption(label.caption())));
    setAlignment(alignmentOf(label.alignment()));
    setPaletteColor(*this, QPalette::WindowText, label.foreColor());
    setPaletteColor(*this, QPalette::Window, label.backColor());
}

FrameWidget::FrameWidget(Frame& frame, InputBridge& bridge, QWidget* parent) : QWidget(parent), ControlWidget(frame, bridge)
{
    watch(*this);
}

void FrameWidget::refresh()
{
    caption_ = toQString(displayCaption(controlAs<Frame>().caption()));
    setAccessibleName(caption_);
    update();
}

void FrameWidget::paintEvent(QPaintEvent*)
{
    // The caption begins a few pixels in from the left edge, with a blank either side of it.
    constexpr int kCaptionIndent = 6;
    constexpr int kCaptionPadding = 2;
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int borderTop = caption_.isEmpty() ? 0 : metrics.height() / 2;
    const QRect border = rect().adjusted(0, borderTop, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (caption_.isEmpty()) return;
    const QRect captionBox(kCaptionIndent, 0, metrics.horizontalAdvance(caption_) + 2 * kCaptionPadding, metrics.height());
    painter.fillRect(captionBox, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(captionBox, Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

} // namespace tarvik
