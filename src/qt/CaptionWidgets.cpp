#include "qt/CaptionWidgets.h"

#include "qt/CaptionFit.h"
#include "qt/QtUnits.h"
#include "runtime/Caption.h"
#include "runtime/StaticControls.h"

#include <QEvent>
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

// The caption begins a few pixels in from the frame's left edge, with a blank either side of it.
constexpr int kFrameCaptionIndent = 6;
constexpr int kFrameCaptionPadding = 2;

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
    whole_ = toQString(displayCaption(label.caption()));
    fitCaption();
    setAlignment(alignmentOf(label.alignment()));
    setPaletteColor(*this, QPalette::WindowText, label.foreColor());
    setPaletteColor(*this, QPalette::Window, label.backColor());
}

void LabelWidget::fitCaption()
{
    const FittedCaption fitted = fitWrapped(whole_, fontMetrics(), contentsRect().width(), contentsRect().height());
    if (text() != fitted.shown) setText(fitted.shown);
    showWholeCaption(*this, whole_, fitted);
}

int LabelWidget::captionOverflow() const
{
    return fitWrapped(whole_, fontMetrics(), contentsRect().width(), contentsRect().height()).overflow;
}

void LabelWidget::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    fitCaption();
}

void LabelWidget::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitCaption();
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

int FrameWidget::captionOverflow() const
{
    return fitLine(caption_, fontMetrics(), width() - 2 * (kFrameCaptionIndent + kFrameCaptionPadding)).overflow;
}

void FrameWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int borderTop = caption_.isEmpty() ? 0 : metrics.height() / 2;
    const QRect border = rect().adjusted(0, borderTop, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (caption_.isEmpty()) return;
    const FittedCaption fitted = fitLine(caption_, metrics, width() - 2 * (kFrameCaptionIndent + kFrameCaptionPadding));
    showWholeCaption(*this, caption_, fitted);
    const QRect captionBox(kFrameCaptionIndent, 0, metrics.horizontalAdvance(fitted.shown) + 2 * kFrameCaptionPadding,
                           metrics.height());
    painter.fillRect(captionBox, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(captionBox, Qt::AlignCenter | Qt::TextSingleLine, fitted.shown);
}

} // namespace tarvik
