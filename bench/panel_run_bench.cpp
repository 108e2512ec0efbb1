// Cost of a running test panel as a user runs it: the real program under Qt on the simulated
// boards, the servo test panel cycling one axis between two positions after a click on Start.
// Reports the process's CPU time per second of running and the wake-ups of all its threads
// (voluntary context switches) per second over a few seconds of real time, beside the goal of at
// most 1% of a core. bench/on_display.sh runs it on an X display, as a user sees it, and offscreen.
// Usage: bench_panel_run [SECONDS]   (default 5; QT_QPA_PLATFORM=offscreen without a display)

#include "driver/sim/SimulatedDriver.h"
#include "init/InitSequences.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/TemporaryWorkingDirectory.h"
#include "panels/ServoTestPanel.h"
#include "program/App.h"
#include "qt/QtProgram.h"
#include "runtime/Runtime.h"
#include "runtime/UserInput.h"
#include "shell/MainWindowServices.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

namespace tarvik {
namespace {

constexpr std::int16_t kServo4 = 4;
// The run settles (first moves, first paints) before it is measured.
constexpr std::int64_t kWarmUpMs = 1000;

std::int64_t processCpuMicros()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::int64_t{now.tv_sec} * 1'000'000 + now.tv_nsec / 1000;
}

std::int64_t wallMicros()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000 + now.tv_nsec / 1000;
}

// The times the process's threads gave up the processor to wait: one per sleep that ended in a
// wake-up. The window system's threads (the X connection's reader) count as the program's own.
long voluntarySwitches()
{
    const std::string key = "voluntary_ctxt_switches:";
    long switches = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);)
            if (line.starts_with(key)) switches += std::stol(line.substr(key.size()));
    }
    return error ? -1 : switches;
}

// Counts the widgets Qt paints and the control changes the runtime reports to the renderer: a
// change should repaint its own widget alone.
class PaintsAndChanges final : public QObject, public RuntimeObserver {
public:
    long paints = 0;
    long changes = 0;

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    void controlChanged(Control&, Property) override { ++changes; }
};

struct Sample {
    std::int64_t wall = 0;
    std::int64_t cpu = 0;
    long switches = 0;
    long paints = 0;
    long changes = 0;
};

Sample sample(const PaintsAndChanges& counted)
{
    return {.wall = wallMicros(), .cpu = processCpuMicros(), .switches = voluntarySwitches(), .paints = counted.paints,
            .changes = counted.changes};
}

void report(const Sample& from, const Sample& to, bool running)
{
    const double seconds = static_cast<double>(to.wall - from.wall) / 1e6;
    const double cpuPercent = 100.0 * static_cast<double>(to.cpu - from.cpu) / static_cast<double>(to.wall - from.wall);
    std::printf("servo panel, cyclic run on %s: %.1f s measured, %s\n", qPrintable(QGuiApplication::platformName()), seconds,
                running ? "the run still going at the end" : "THE RUN HAD ENDED: the figures measure no run");
    std::printf("  CPU:        %.2f%% of a core (goal: at most 1%%)\n", cpuPercent);
    if (from.switches >= 0 && to.switches >= 0)
        std::printf("  wake-ups:   %.0f per second\n", static_cast<double>(to.switches - from.switches) / seconds);
    std::printf("  paints:     %.1f widgets per second for %.1f control changes\n",
                static_cast<double>(to.paints - from.paints) / seconds,
                static_cast<double>(to.changes - from.changes) / seconds);
}

} // namespace
} // namespace tarvik

int main(int argc, char** argv)
{
    using namespace tarvik;
    const std::int64_t measuredMs = argc > 1 ? std::atoll(argv[1]) * 1000 : 5000;
    if (measuredMs <= 0) {
        std::fprintf(stderr, "usage: bench_panel_run [SECONDS]\n");
        return 2;
    }
    TemporaryWorkingDirectory directory;
    QtProgram qt(argc, argv);
    PaintsAndChanges counter;
    QCoreApplication::instance()->installEventFilter(&counter);
    Runtime runtime(qt.clock(), qt.host());
    runtime.addObserver(counter);
    SimulatedDriver boards(qt.clock());
    App app(runtime, boards);
    bool started = false;
    Sample from;
    int status = qt.run(runtime, [&] {
        if (!startProgram(app, {.lockFile = directory.path() / "tarvik.lock"}) || !InitializeBoard(app, kServo4)) return;
        app.state().selection.CurrentBoard = kServo4;
        ServoTestPanel& panel = app.form<ServoTestPanel>();
        OpenChildWindow(panel);
        UserInput& input = runtime.input();
        input.click(panel.cycleOn);
        panel.pos1.setText("20000");
        panel.pos2.setText("0");
        panel.dwelltxt.setText("0");
        started = true;
        // The clicks come as a user's would, from the event loop; Start returns when the run ends.
        runtime.schedule(0, [&runtime, &panel] { runtime.input().click(panel.startcmd); });
        runtime.schedule(kWarmUpMs, [&from, &counter] { from = sample(counter); });
        runtime.schedule(kWarmUpMs + measuredMs, [&] {
            report(from, sample(counter), panel.RunStopped == 0);
            runtime.input().click(panel.killcmd);
            runtime.endProgram();
        });
    });
    if (!started) {
        std::fprintf(stderr, "bench_panel_run: the program did not start\n");
        return 1;
    }
    return status;
}
