// The real program under Qt on the offscreen platform, started as src/main.cpp starts it.

#include "RunningProgram.h"
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

#include <filesystem>

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

} // namespace
} // namespace tarvik::testing
