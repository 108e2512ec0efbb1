#pragma once

#include <QTimer>

namespace tarvik {

class Runtime;

// Runs the runtime's timers and scheduled actions from the Qt event loop (and every nested loop):
// a single-shot Qt timer set to the next due time, re-timed when a timer changes and after each
// run. Actions scheduled without a timer change are picked up within the longest nap.
class TimerPump {
public:
    explicit TimerPump(Runtime& runtime);
    TimerPump(const TimerPump&) = delete;
    TimerPump& operator=(const TimerPump&) = delete;

    void arm();
    void stop();

private:
    static constexpr int kLongestNapMs = 100;

    Runtime& runtime_;
    QTimer timer_;
    bool stopped_ = false;
};

} // namespace tarvik
