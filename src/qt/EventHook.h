#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

namespace tarvik {

// An event filter that hands a widget's events to a function first; the function returns true
// for events it has dealt with (Qt then drops them). It is a child of its target and dies with it.
class EventHook final : public QObject {
public:
    using Handler = std::function<bool(QEvent&)>;

    EventHook(QObject& target, Handler handler) : QObject(&target), handler_(std::move(handler))
    {
        target.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override { return handler_(*event); }

private:
    Handler handler_;
};

} // namespace tarvik
