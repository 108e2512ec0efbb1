// Costs of the XY demo: a full redraw of the drawing box with 500 targets and the grid, in the
// runtime and painted by the Qt renderer offscreen, one poll tick of an Automatic lap, the
// paint of each tick over a whole lap of 500 targets in a shown box, and the drawing's memory
// over hours of a still Manual run.
// Goals: a full redraw under 5 ms; a lap's poll under 1% of a core (0.5 ms per 50 ms tick); a
// tick's paint at most 1 ms, as cheap at the lap's end as at its start; a still run's drawing
// as large after its second hour as after its first.

#include "init/InitSequences.h"
#include "mainwindow/HeadlessProgram.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/TemporaryWorkingDirectory.h"
#include "panels/xy/XyTableDemo.h"
#include "qt/InputBridge.h"
#include "qt/PictureBoxWidget.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <numeric>
#include <vector>

namespace tarvik {
namespace {

constexpr std::int16_t kStepper4 = 5;
// The stepper defaults: 2000 steps x pitch 5 = 10000 counts per inch over a 4 x 4 inch table.
constexpr float kCountsPerInch = 10000;

// The demo open on an initialised board, in Manual mode as it opens.
struct DemoOpen {
    DemoOpen()
    {
        startProgram(program.app(), {.lockFile = directory.path() / "tarvik.lock"});
        InitializeBoard(program.app(), kStepper4);
        program.app().form<XyTableDemo>().show();
    }
    XyTableDemo& demo() { return program.app().form<XyTableDemo>(); }
    // One tick of the demo's poll.
    void tick()
    {
        program.clock().spend(50'000);
        program.runtime().runDue();
    }

    TemporaryWorkingDirectory directory;
    HeadlessProgram program;
};

// The demo with a routine of 500 points clicked in Automatic mode.
struct DemoWithRoutine : DemoOpen {
    DemoWithRoutine()
    {
        UserInput& input = program.runtime().input();
        input.click(demo().modeauto);
        for (int i = 1; i < XyTableFields::kMaxTargets; ++i)
            input.mouseClick(demo().box, static_cast<float>(i % 40) * kCountsPerInch / 10,
                             static_cast<float>(i / 40) * kCountsPerInch / 4);
    }
    // What the demo draws at the start of a lap: the cleared box, the grid, the present position
    // and every target's marker.
    void redrawLap()
    {
        demo().RedrawTable();
        PictureBox& box = demo().box;
        const XyTableFields& f = demo().fields();
        for (int i = 1; i < f.TargetCount; ++i) {
            box.setFillColor(kPathBlue);
            box.circle(f.TargetsX[static_cast<std::size_t>(i)], f.TargetsY[static_cast<std::size_t>(i)], f.MarkerRadius,
                       kPathBlue);
        }
    }
};

void BM_XyRedrawInRuntime(benchmark::State& state)
{
    DemoWithRoutine d;
    for (auto _ : state) d.redrawLap();
    state.counters["items"] = static_cast<double>(d.demo().box.displayList().size());
}
BENCHMARK(BM_XyRedrawInRuntime)->Unit(benchmark::kMillisecond);

void BM_XyRedrawPaintedByQt(benchmark::State& state)
{
    DemoWithRoutine d;
    InputBridge bridge(d.program.runtime());
    PictureBoxWidget widget(d.demo().box, bridge, nullptr);
    // The box at its size on a 96 dpi screen: 5688 twips are 379 pixels.
    widget.resize(379, 379);
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        d.redrawLap();
        widget.render(&image);
    }
}
BENCHMARK(BM_XyRedrawPaintedByQt)->Unit(benchmark::kMillisecond);

// One tick of the poll during an Automatic lap: the status and position reads, the path line
// and, when both axes are done, the next segment (a lap start redraws the whole box).
void BM_XyPollTickDuringLap(benchmark::State& state)
{
    DemoWithRoutine d;
    d.program.runtime().input().click(d.demo().startcmd);
    for (auto _ : state) d.tick();
    state.counters["segment"] = d.demo().fields().SegmentIndex;
}
BENCHMARK(BM_XyPollTickDuringLap)->Unit(benchmark::kMicrosecond);

// A lap's paints: the milliseconds of each forced paint of a shown widget, one per 50 ms tick of
// the demo's poll, from the tick that starts a lap of the routine to the last tick before the next
// lap starts, and the display-list items the last paint showed.
struct LapPaints {
    std::vector<double> times;
    std::size_t itemsAtEnd = 0;
};

// Empty when no lap ends within an hour of ticks.
LapPaints paintOneLap(DemoWithRoutine& d, QWidget& shown)
{
    constexpr int kTickBound = 72'000;
    const XyTableFields& f = d.demo().fields();
    d.program.runtime().input().click(d.demo().startcmd);
    for (int i = 0; f.SegmentIndex != 1 && i < kTickBound; ++i) d.tick();
    LapPaints lap;
    bool lapUnderway = false;
    for (int i = 0; i < kTickBound; ++i) {
        const auto start = std::chrono::steady_clock::now();
        shown.repaint();
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        lap.times.push_back(spent.count());
        lap.itemsAtEnd = d.demo().box.displayList().size();
        d.tick();
        lapUnderway = lapUnderway || f.SegmentIndex > 1;
        if (lapUnderway && f.SegmentIndex == 1) return lap;
    }
    return {};
}

double meanOf(std::vector<double>::const_iterator first, std::vector<double>::const_iterator last)
{
    return first == last ? 0 : std::accumulate(first, last, 0.0) / static_cast<double>(last - first);
}

// A lap of the 500-target routine in a shown box: each tick adds its path segment (and at a
// segment's end two markers), then the box is painted. The counters give, in milliseconds, the
// paint of the lap's first tick (the table drawn afresh), the mean paint of the 100 ticks after
// it and of the lap's last 100 ticks, and the slowest tick after the first; and the items drawn
// by the lap's end.
void BM_XyLapPaintedByQt(benchmark::State& state)
{
    constexpr std::ptrdiff_t kEdgeTicks = 100;
    DemoWithRoutine d;
    InputBridge bridge(d.program.runtime());
    PictureBoxWidget widget(d.demo().box, bridge, nullptr);
    widget.resize(379, 379);
    widget.show();
    QApplication::processEvents();
    LapPaints lap;
    for (auto _ : state) lap = paintOneLap(d, widget);
    const std::vector<double>& times = lap.times;
    if (times.size() < 2) {
        state.SkipWithError("the lap did not end");
        return;
    }
    const auto edge = std::min<std::ptrdiff_t>(kEdgeTicks, static_cast<std::ptrdiff_t>(times.size()) - 1);
    state.counters["ticks"] = static_cast<double>(times.size());
    state.counters["start_ms"] = meanOf(times.cbegin() + 1, times.cbegin() + 1 + edge);
    state.counters["end_ms"] = meanOf(times.cend() - edge, times.cend());
    state.counters["first_ms"] = times.front();
    state.counters["max_ms"] = *std::max_element(times.cbegin() + 1, times.cend());
    state.counters["items"] = static_cast<double>(lap.itemsAtEnd);
}
BENCHMARK(BM_XyLapPaintedByQt)->Iterations(1)->Unit(benchmark::kSecond);

// A still Manual run: started with no target clicked, the table stays where it is while the
// poll ticks on. The counters give the display list's bytes after one virtual hour of it and
// after a second hour, which a still table must leave as the first left them.
void BM_XyStillManualRunMemoryPerHour(benchmark::State& state)
{
    constexpr int kTicksPerHour = 72'000;
    DemoOpen d;
    d.program.runtime().input().click(d.demo().startcmd);
    const auto hourOfTicks = [&d] {
        for (int i = 0; i < kTicksPerHour; ++i) d.tick();
        return static_cast<double>(d.demo().box.displayList().size() * sizeof(DrawOp));
    };
    for (auto _ : state) {
        state.counters["hour1_bytes"] = hourOfTicks();
        state.counters["hour2_bytes"] = hourOfTicks();
    }
}
BENCHMARK(BM_XyStillManualRunMemoryPerHour)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace tarvik

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
