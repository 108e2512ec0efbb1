#pragma once

#include <cstdint>

namespace tarvik {

// Time source of the whole program, in microseconds since an arbitrary start.
// The program runs on real time; tests run on a virtual clock that only moves when told.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMicros() const = 0;
    // Lets `micros` of time pass in the caller (a busy delay, the cost of a driver call).
    // Real time passes by itself, so the real clock only sleeps for delays it is asked to wait.
    virtual void spend(std::int64_t micros) = 0;
    // Waits up to `micros` for something outside the program (the event loop's idle wait).
    virtual void idle(std::int64_t micros) = 0;
    virtual bool isVirtual() const = 0;

    std::int64_t nowMillis() const { return nowMicros() / 1000; }
};

class RealClock final : public Clock {
public:
    RealClock();
    std::int64_t nowMicros() const override;
    void spend(std::int64_t micros) override;
    void idle(std::int64_t micros) override;
    bool isVirtual() const override { return false; }

private:
    std::int64_t origin_;
};

class VirtualClock final : public Clock {
public:
    std::int64_t nowMicros() const override { return now_; }
    void spend(std::int64_t micros) override { advance(micros); }
    void idle(std::int64_t micros) override { advance(micros); }
    bool isVirtual() const override { return true; }
    void advance(std::int64_t micros) { if (micros > 0) now_ += micros; }

private:
    std::int64_t now_ = 0;
};

} // namespace tarvik
