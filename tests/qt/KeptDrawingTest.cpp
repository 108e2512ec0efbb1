#include "SmokeForms.h"

#include "base/Clock.h"
#include "qt/KeptDrawing.h"
#include "runtime/HeadlessHost.h"

#include <gtest/gtest.h>

namespace tarvik::testing {

TEST(KeptDrawingTest, ATickPaintsOnlyWhatItAddsAndLooksAsIfAllWerePaintedAtOnce)
{
    VirtualClock clock;
    HeadlessHost host;
    Runtime runtime(clock, host);
    PictureBox& plot = runtime.instance<SmokeDialog>(runtime).plot;
    plot.setBackColor(rgb(255, 255, 255));
    plot.scale(0, 0, 100, 100);
    plot.cls();
    const QSize size(120, 80);
    KeptDrawing kept;
    for (int i = 0; i <= 100; i += 10) plot.line(i, 0, i, 100, rgb(128, 128, 128));
    kept.follow(plot, size, 1);
    EXPECT_EQ(kept.lastPainted(), 11U);

    plot.setDrawWidth(2);
    plot.line(5, 5, 95, 60, rgb(0, 0, 255));
    const QImage afterTick = kept.follow(plot, size, 1);
    EXPECT_EQ(kept.lastPainted(), 1U);
    KeptDrawing fresh;
    EXPECT_EQ(afterTick, fresh.follow(plot, size, 1));
    EXPECT_EQ(fresh.lastPainted(), 12U);

    kept.follow(plot, size, 1);
    EXPECT_EQ(kept.lastPainted(), 0U);
    plot.cls();
    plot.circle(50, 50, 10, rgb(255, 0, 0));
    const QImage afterClear = kept.follow(plot, size, 1);
    EXPECT_EQ(kept.lastPainted(), 1U);
    EXPECT_EQ(afterClear, KeptDrawing().follow(plot, size, 1));
}

} // namespace tarvik::testing
