#pragma once

#include <QPointer>
#include <QWidget>

namespace tarvik {

class EventHook;

// The ring drawn around the control that has the focus, whatever its kind: buttons, option
// buttons, check boxes, lists and spinners show the focus as plainly as a text box does, in every
// style and at every scale. It stands over its target, takes no mouse and follows the target's
// moves, sizes and visibility.
class FocusMark final : public QWidget {
public:
    // The mark lives in `surface`, the widget every control of the form stands in.
    explicit FocusMark(QWidget& surface);
    FocusMark(const FocusMark&) = delete;
    FocusMark& operator=(const FocusMark&) = delete;
    ~FocusMark() override;

    // Marks `target`; nullptr hides the mark.
    void follow(QWidget* target);
    QWidget* target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fit();

    QPointer<QWidget> target_;
    QPointer<EventHook> hook_;
};

} // namespace tarvik
