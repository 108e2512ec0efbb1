// Costs of the XY demo: a full redraw of the drawing box with 500 targets and the grid, in the
// runtime and painted by the Qt renderer offscreen, and one poll tick of an Automatic lap.
// Goals: a full redraw under 5 ms; a lap's poll under 1% of a core (0.5 ms per 50 ms tick).

#include "forms/qt/InputBridge.h"
#include "forms/qt/PictureBoxWidget.h"
#include "init/InitSequences.h"
#include "mainwindow/HeadlessProgram.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/TemporaryWorkingDirectory.h"
#include "panels/XyTableDemo.h"

#include <QApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>

namespace tarvik {
namespace {

constexpr std::int16_t kStepper4 = 5;
// The stepper defaults: 2000 steps x pitch 5 = 10000 counts per inch over a 4 x 4 inch table.
constexpr float kCountsPerInch = 10000;

// The demo open on an initialised board, with a routine of 500 points clicked in Automatic mode.
struct DemoWithRoutine {
    DemoWithRoutine()
    {
        startProgram(program.app(), {.lockFile = directory.path() / "tarvik.lock"});
        InitializeBoard(program.app(), kStepper4);
        program.app().form<XyTableDemo>().show();
        UserInput& input = program.runtime().input();
        input.click(demo().modeauto);
        for (int i = 1; i < XyTableFields::kMaxTargets; ++i)
            input.mouseClick(demo().box, static_cast<float>(i % 40) * kCountsPerInch / 10,
                             static_cast<float>(i / 40) * kCountsPerInch / 4);
    }
    XyTableDemo& demo() { return program.app().form<XyTableDemo>(); }
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

    TemporaryWorkingDirectory directory;
    HeadlessProgram program;
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
    for (auto _ : state) {
        d.program.clock().spend(50'000);
        d.program.runtime().runDue();
    }
    state.counters["segment"] = d.demo().fields().SegmentIndex;
}
BENCHMARK(BM_XyPollTickDuringLap)->Unit(benchmark::kMicrosecond);

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
