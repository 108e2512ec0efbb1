#include "qt/FocusMark.h"

#include "qt/EventHook.h"

#include <QPainter>

namespace tarvik {

namespace {

// The ring is drawn just outside the target, so that it covers none of the control's own text.
constexpr int kRingWidth = 2;

} // namespace

FocusMark::FocusMark(QWidget& surface) : QWidget(&surface)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

FocusMark::~FocusMark()
{
    if (hook_) delete hook_;
}

void FocusMark::follow(QWidget* target)
{
    if (target == target_) {
        fit();
        return;
    }
    if (hook_) delete hook_;
    target_ = target;
    if (!target || !target->parentWidget()) {
        hide();
        return;
    }
    if (parentWidget() != target->parentWidget()) setParent(target->parentWidget());
    hook_ = new EventHook(*target, [this](QEvent& event) {
        switch (event.type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange: fit(); break;
        default: break;
        }
        return false;
    });
    fit();
}

void FocusMark::fit()
{
    if (!target_ || !target_->isVisibleTo(parentWidget())) {
        hide();
        return;
    }
    setGeometry(target_->geometry().adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth));
    raise();
    show();
}

void FocusMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), kRingWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal half = kRingWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}

} // namespace tarvik
