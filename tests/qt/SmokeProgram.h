#pragma once

#include "SmokeForms.h"

#include "qt/QtProgram.h"
#include "runtime/FormRuntime.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace tarvik::testing {

// The real Qt renderer on the offscreen platform, showing the smoke main window with its child
// dialog; the program ends with the test.
class SmokeProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qt.start(runtime, [this] {
            auto& main = runtime.instance<SmokeMain>(runtime);
            runtime.setMainForm(main);
            main.show();
            runtime.instance<SmokeDialog>(runtime).show();
        });
        settle();
    }

    void TearDown() override
    {
        runtime.endProgram();
        settle();
    }

    // Lets Qt deliver what is pending (paints, focus changes, posted events).
    static void settle()
    {
        for (int round = 0; round < 5; ++round) QApplication::processEvents();
    }

    SmokeMain& main() { return *runtime.find<SmokeMain>(); }
    SmokeDialog& dialog() { return *runtime.find<SmokeDialog>(); }

    int argc = 1;
    char programName[8] = "test_qt";
    char* argv[2] = {programName, nullptr};
    QtProgram qt{argc, argv};
    Runtime runtime{qt.clock(), qt.host()};
};

} // namespace tarvik::testing
