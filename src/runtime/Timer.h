#pragma once

#include "runtime/Control.h"

#include <cstdint>

namespace tarvik {

// A timer: while enabled with an Interval above 0 it raises Timer every Interval ms of clock
// time, counted from when it was enabled or its interval was set. It never re-enters: a tick
// that falls due while its handler still runs (behind a modal window, say) is dropped. Timers of
// hidden or disabled forms run; timers of unloaded forms do not.
class Timer : public Control {
public:
    Timer(Form* form, std::string name, Design design = {});
    ~Timer() override;

    int interval() const { return interval_; }
    void setInterval(int ms);

    // Enabled, with an interval, on a loaded form and not inside its own handler: it will tick.
    bool isArmed() const;

    std::function<void()> onTimer;

private:
    friend class Runtime;

    void enabledChanged() override;
    void restart();

    int interval_ = 0;
    std::int64_t dueMicros_ = 0;
    bool running_ = false;
};

} // namespace tarvik
