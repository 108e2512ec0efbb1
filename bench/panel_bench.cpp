// Cost of a test panel polling a moving axis: one 50 ms tick of the servo panel's poll (position,
// two RPM readings, the status word, the lamps and the gauge) through the form runtime, on the
// simulated boards of the headless program.
#include "driver/StatusWords.h"
#include "init/InitSequences.h"
#include "mainwindow/HeadlessProgram.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/TemporaryWorkingDirectory.h"
#include "panels/ServoTestPanel.h"
#include "shell/MainWindowServices.h"

#include <benchmark/benchmark.h>

namespace tarvik {
namespace {

constexpr std::int16_t kServo4 = 4;

void BM_ServoPanelPollTick(benchmark::State& state)
{
    TemporaryWorkingDirectory directory;
    HeadlessProgram program({.driverCallCostMicros = 0});
    App& app = program.app();
    if (!startProgram(app, {.lockFile = directory.path() / "tarvik.lock"}) || !InitializeBoard(app, kServo4)) {
        state.SkipWithError("the program did not start");
        return;
    }
    app.state().selection.CurrentBoard = kServo4;
    OpenChildWindow(app.form<ServoTestPanel>());
    // The axis runs in velocity mode, so every tick reads a moving axis.
    MotionDriver& driver = app.driver();
    driver.set_pos_mode(kServo4, 1, PosModeVelocity);
    driver.load_rpm(kServo4, 1, 600);
    driver.start_motion(kServo4, 1);
    for (auto _ : state) program.runtime().wait(ServoTestPanel::kPollIntervalMs);
    state.SetItemsProcessed(state.iterations());
    program.runtime().endProgram();
}
BENCHMARK(BM_ServoPanelPollTick);

} // namespace
} // namespace tarvik

BENCHMARK_MAIN();
