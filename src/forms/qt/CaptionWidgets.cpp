#include "forms/qt/CaptionWidgets.h"

#include "forms/qt/QtUnits.h"
#include "forms/runtime/Caption.h"
#include "forms/runtime/StaticControls.h"

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

FrameWidget::FrameWidget(Frame& frame, InputBridge& bridge, QWidget* parent) : QGroupBox(parent), ControlWidget(frame, bridge)
{
    watch(*this);
}

void FrameWidget::refresh() { setTitle(widgetCaption(controlAs<Frame>().caption())); }

} // namespace tarvik
