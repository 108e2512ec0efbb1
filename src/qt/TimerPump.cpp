#include "qt/TimerPump.h"

#include "runtime/Runtime.h"

#include <algorithm>

namespace tarvik {

TimerPump::TimerPump(Runtime& runtime) : runtime_(runtime)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (stopped_) return;
        runtime_.runDue();
        // Told only of changes, the runtime does not repeat a due time this wake-up came early for.
        arm(runtime_.nextDueMicros());
    });
}

void TimerPump::arm(std::optional<std::int64_t> dueMicros)
{
    if (stopped_) return;
    if (!dueMicros) {
        timer_.stop();
        return;
    }
    const std::int64_t micros = *dueMicros - runtime_.clock().nowMicros();
    timer_.start(static_cast<int>(std::clamp<std::int64_t>((micros + 999) / 1000, 0, kLongestNapMs)));
}

void TimerPump::stop()
{
    stopped_ = true;
    timer_.stop();
}

} // namespace tarvik
