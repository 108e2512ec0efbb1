#pragma once

#include "driver/sim/SimulatedDriver.h"
#include "mainwindow/MainWindowForm.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/TemporaryWorkingDirectory.h"
#include "program/App.h"
#include "qt/MainWindow.h"
#include "qt/QtProgram.h"
#include "qt/Renderer.h"
#include "runtime/Runtime.h"

#include <QApplication>

namespace tarvik::testing {

// Lets Qt deliver what is pending (paint, layout, queued signals).
inline void settle()
{
    for (int round = 0; round < 5; ++round) QApplication::processEvents();
}

// The real program under Qt on the offscreen platform, started as src/main.cpp starts it, with
// its preference and option files and its lock in a scratch working directory.
struct RunningProgram {
    TemporaryWorkingDirectory scratch;
    int argc = 1;
    char programName[8] = "test_qt";
    char* argv[2] = {programName, nullptr};
    QtProgram qt{argc, argv};
    Runtime runtime{qt.clock(), qt.host()};
    SimulatedDriver boards{qt.clock()};
    App app{runtime, boards};

    // Runs the start-up in Qt's loop; false when the program ended during it.
    bool start()
    {
        bool started = false;
        qt.start(runtime, [&] { started = startProgram(app, {.lockFile = scratch.path() / "tarvik.lock"}); });
        settle();
        return started;
    }
    MainWindow& window() { return qt.renderer()->mainWindow(); }
    MainWindowForm* main() { return app.loaded<MainWindowForm>(); }
};

} // namespace tarvik::testing
