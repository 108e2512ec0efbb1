#pragma once

#include <QTimer>

#include <cstdint>
#include <optional>

namespace tarvik {

class Runtime;

// Runs the runtime's timers and scheduled actions from the Qt event loop (and every nested loop):
// a single-shot Qt timer set to the next due time, re-timed whenever the runtime tells its host
// that time changed and after each run. With nothing due it is stopped, and the program sleeps
// until input.
class TimerPump {
public:
    explicit TimerPump(Runtime& runtime);
    TimerPump(const TimerPump&) = delete;
    TimerPump& operator=(const TimerPump&) = delete;

    // Wakes the event loop at `dueMicros` (clock time), or not at all for nothing.
    void arm(std::optional<std::int64_t> dueMicros);
    void stop();

private:
    // Qt times in whole milliseconds of an int: a far due time is reached in naps of this.
    static constexpr std::int64_t kLongestNapMs = 60'000;

    Runtime& runtime_;
    QTimer timer_;
    bool stopped_ = false;
};

} // namespace tarvik
