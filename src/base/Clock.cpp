#include "base/Clock.h"

#include <chrono>
#include <thread>

namespace tarvik {

namespace {
std::int64_t steadyMicros()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

RealClock::RealClock() : origin_(steadyMicros()) {}

std::int64_t RealClock::nowMicros() const { return steadyMicros() - origin_; }

void RealClock::spend(std::int64_t micros)
{
    if (micros > 0) std::this_thread::sleep_for(std::chrono::microseconds(micros));
}

void RealClock::idle(std::int64_t micros) { spend(micros); }

} // namespace tarvik
