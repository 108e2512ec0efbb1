// Cost of polling the simulated boards: the program's waits and panels poll read_axis_stat in
// tight loops, so these calls must stay cheap.
#include "base/Clock.h"
#include "driver/StatusWords.h"
#include "driver/sim/SimulatedDriver.h"

#include <benchmark/benchmark.h>

namespace tarvik::sim {
namespace {

constexpr std::int16_t kFourAxisServo = 4;

// Every axis of the 4-axis servo board running in velocity mode with its limits off, so it
// never stops.
void startEndlessMoves(SimulatedDriver& driver)
{
    driver.enable_limits(kFourAxisServo, 0);
    for (std::int16_t axis = 1; axis <= 4; ++axis) {
        driver.set_pos_mode(kFourAxisServo, axis, PosModeVelocity);
        driver.start_motion(kFourAxisServo, axis);
    }
}

void BM_ReadAxisStatMovingAxis(benchmark::State& state)
{
    VirtualClock clock;
    SimulatedDriver driver(clock, builtInBoards());
    driver.setCallCost(100);
    startEndlessMoves(driver);
    std::int16_t word = 0;
    for (auto _ : state) {
        driver.read_axis_stat(kFourAxisServo, 1, word);
        benchmark::DoNotOptimize(word);
    }
    if (!hasBits(word, AxisStatusRunning)) state.SkipWithError("the axis stopped");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadAxisStatMovingAxis);

// What a status display reads each tick: per axis status, position and velocity, then the
// communication status register and the limit switches.
void BM_FullFourAxisStatusPoll(benchmark::State& state)
{
    VirtualClock clock;
    SimulatedDriver driver(clock, builtInBoards());
    driver.setCallCost(100);
    startEndlessMoves(driver);
    std::int16_t word = 0;
    std::int32_t value = 0;
    double rpm = 0;
    for (auto _ : state) {
        for (std::int16_t axis = 1; axis <= 4; ++axis) {
            driver.read_axis_stat(kFourAxisServo, axis, word);
            driver.read_pos(kFourAxisServo, axis, value);
            driver.read_rpm(kFourAxisServo, axis, rpm);
        }
        driver.read_csr(kFourAxisServo, word);
        driver.read_lim_stat(kFourAxisServo, word);
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(rpm);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FullFourAxisStatusPoll);

} // namespace
} // namespace tarvik::sim

BENCHMARK_MAIN();
