// The real program under Qt on the offscreen platform, started as src/main.cpp starts it.

#include "RunningProgram.h"
#include "driver/StatusWords.h"
#include "driver/recording/RecordingDriver.h"
#include "driver/sim/BoardConfigFile.h"
#include "driver/sim/SimulatedDriver.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindowForm.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/TemporaryWorkingDirectory.h"
#include "program/App.h"
#include "program/BoardTable.h"
#include "program/PreferenceFile.h"
#include "qt/MainWindow.h"
#include "qt/MenuBarMirror.h"
#include "qt/QtProgram.h"
#include "qt/Renderer.h"
#include "runtime/EndSignals.h"
#include "runtime/Runtime.h"
#include "shell/PreferencesWindow.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvik::testing {
namespace {

TEST(ProgramSmokeTest, TheRealMainWindowShowsItsMenusOpensAWindowAndQuits)
{
    RunningProgram program;
    ASSERT_TRUE(program.start());
    App& app = program.app;
    QtProgram& qt = program.qt;
    Runtime& runtime = program.runtime;

    MainWindow& window = qt.renderer()->mainWindow();
    MainWindowForm* main = app.loaded<MainWindowForm>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(std::filesystem::exists(program.scratch.path() / PreferenceFile::kName));
    const auto actionOf = [&](std::string_view name) { return window.menus().actionOf(*main->menu(name)); };

    // The Initialize Board menu stands in the bar with an item per built-in board.
    QAction* boardMenu = actionOf(kInitializeBoardMenu);
    ASSERT_NE(boardMenu, nullptr);
    EXPECT_TRUE(window.menuBar()->actions().contains(boardMenu));
    for (const sim::SimBoardSpec& board : sim::builtInBoards()) {
        QAction* item = window.menus().actionOf(main->bidmu(board.id));
        ASSERT_NE(item, nullptr) << board.id;
        EXPECT_TRUE(boardMenu->menu()->actions().contains(item));
        EXPECT_EQ(item->text().toStdString(), BoardMenuCaption(board.id, board.typeCode));
        EXPECT_TRUE(item->isEnabled()) << board.id;
    }
    EXPECT_FALSE(window.menus().actionOf(main->bidmu(0))->isEnabled());

    // File > Preferences: the File menu raises its Click as it opens, the item only its own,
    // and the window opens as a child of the main window.
    int fileOpened = 0;
    main->menu("filemu")->onClick = [&] { ++fileOpened; };
    QMenu* fileMenu = actionOf("filemu")->menu();
    fileMenu->popup(window.mapToGlobal(QPoint(0, 0)));
    actionOf("fileprefmu")->trigger();
    fileMenu->hide();
    settle();
    EXPECT_EQ(fileOpened, 1);
    PreferencesWindow* prefs = app.loaded<PreferencesWindow>();
    ASSERT_NE(prefs, nullptr);
    auto* frame = qobject_cast<QMdiSubWindow*>(qt.renderer()->windowOf(*prefs));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(window.mdiArea().subWindowList().contains(frame));
    EXPECT_TRUE(frame->isVisible());

    frame->close();
    settle();
    EXPECT_EQ(app.loaded<PreferencesWindow>(), nullptr);
    EXPECT_FALSE(window.mdiArea().subWindowList().contains(frame));

    // File > Quit from inside the event loop ends it with status 0 (a stuck loop gives up after 10 s).
    QTimer::singleShot(0, [&] { actionOf("filequitmu")->trigger(); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(qt.exec(), 0);
    EXPECT_TRUE(runtime.ended());
    EXPECT_FALSE(window.isVisible());
}

// SIGTERM while start-up's initialisation waits on a test move that never ends: the program
// kills the motion of the board mid-sequence and ends from its own loop within a second, asking
// nothing.
TEST(ProgramSmokeTest, SigtermDuringStartUpInitialisationKillsTheBoardsMotionAndEndsWithinASecond)
{
    TemporaryWorkingDirectory scratch;
    ASSERT_TRUE(PreferenceFile::createIfMissing());
    ASSERT_TRUE(PreferenceFile::store(1, {.LoadOption = 1, .AutoInit = 1}));
    EndSignals endSignals;
    int argc = 1;
    char programName[8] = "test_qt";
    char* argv[2] = {programName, nullptr};
    QtProgram qt(argc, argv);
    Runtime runtime(qt.clock(), qt.host());
    runtime.watchEndSignals(&endSignals);
    SimulatedDriver boards(qt.clock());
    RecordingDriver driver(boards, qt.clock());
    driver.scriptReturns("read_axis_stat", {AxisStatusRunning});
    App app(runtime, driver);

    using Steady = std::chrono::steady_clock;
    Steady::time_point signalled;
    QTimer::singleShot(300, [&] {
        signalled = Steady::now();
        std::raise(SIGTERM);
    });
    qt.start(runtime, [&] { startProgram(app, {.lockFile = scratch.path() / "tarvik.lock"}); });
    const auto took = Steady::now() - signalled;

    EXPECT_TRUE(runtime.ended());
    EXPECT_LT(took, std::chrono::seconds(1));
    std::vector<std::string> sent;
    for (const CallRecord& call : driver.calls()) sent.push_back(call.text());
    ASSERT_GE(sent.size(), 3U);
    EXPECT_EQ(std::vector(sent.end() - 3, sent.end()),
              (std::vector<std::string>{"kill_motion(1, 1)", "kill_motion(1, 2)", "kill_motion(1, 3)"}));
    EXPECT_EQ(runtime.findForm("frmerrmsg"), nullptr);
}

} // namespace
} // namespace tarvik::testing
