#include "forms/qt/TimerPump.h"

#include "forms/runtime/Runtime.h"

#include <algorithm>

namespace tarvik {

TimerPump::TimerPump(Runtime& runtime) : runtime_(runtime)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (stopped_) return;
        runtime_.runDue();
        arm();
    });
}

void TimerPump::arm()
{
    if (stopped_ || runtime_.ended()) return;
    std::int64_t waitMs = kLongestNapMs;
    if (const auto next = runtime_.nextDueMicros()) {
        const std::int64_t micros = *next - runtime_.clock().nowMicros();
        waitMs = std::clamp<std::int64_t>((micros + 999) / 1000, 0, kLongestNapMs);
    }
    timer_.start(static_cast<int>(waitMs));
}

void TimerPump::stop()
{
    stopped_ = true;
    timer_.stop();
}

} // namespace tarvik
