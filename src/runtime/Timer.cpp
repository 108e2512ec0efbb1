#include "runtime/Timer.h"

#include "runtime/Form.h"
#include "runtime/Runtime.h"

#include <algorithm>

namespace tarvik {

Timer::Timer(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::Timer)
{
    setTabStop(false);
    runtime().timers_.push_back(this);
    restart();
}

Timer::~Timer() { std::erase(runtime().timers_, this); }

void Timer::setInterval(int ms)
{
    interval_ = std::max(ms, 0);
    restart();
    changed(Property::Interval);
}

void Timer::enabledChanged() { restart(); }

void Timer::restart()
{
    dueMicros_ = runtime().clock().nowMicros() + std::int64_t{interval_} * 1000;
    runtime().dueChanged();
}

bool Timer::isArmed() const { return enabled() && interval_ > 0 && !running_ && form().isLoaded(); }

} // namespace tarvik
