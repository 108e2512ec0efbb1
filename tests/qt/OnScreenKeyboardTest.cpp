// The keyboard on a real X server with a window manager (run by the qt.OnScreen test, skipped on
// other platforms), driven by real keys: a run ending leaves the keyboard in the window the user
// went to, a disabled field looks disabled, Ctrl+F4 and Ctrl+W close a child window, Tab scrolls
// the control it reaches into view, an error window coming while another application has the
// keyboard leaves it there, and the help window and a test panel open whole where there is room.

#include "EveryBuiltForm.h"
#include "OnScreenKit.h"
#include "XTestInput.h"

#include "init/InitSequences.h"
#include "panels/ServoTestPanel.h"
#include "panels/xy/XyTableDemo.h"
#include "qt/ControlWidget.h"
#include "qt/QtHost.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <X11/keysym.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvik::testing {
namespace {

class OnScreenKeyboard : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!onScreen()) GTEST_SKIP() << "needs an X server with a window manager (the qt.OnScreen test)";
        ASSERT_TRUE(program.start());
        QWidget& main = program.window();
        ASSERT_TRUE(waitUntil(&main, [](QWidget& window) { return active(window) && placed(window); }))
            << "main window " << text(main.frameGeometry()) << (active(main) ? "" : ", inactive,") << " in the screen's "
            << text(main.screen()->availableGeometry());
    }
    void TearDown() override
    {
        program.runtime.endProgram();
        settle();
    }

    // The window of a Test or Demo menu item on the initialised servo board.
    template <class Window>
    Window& open(std::string_view item)
    {
        EXPECT_TRUE(InitializeBoard(program.app, kServoBoard));
        program.app.state().selection.CurrentBoard = kServoBoard;
        program.runtime.input().choose(*program.main()->menu(item));
        settle();
        return *program.app.loaded<Window>();
    }
    ServoTestPanel& openServoPanel() { return open<ServoTestPanel>("testservmu"); }
    QWidget& shown(const Control& control) { return program.qt.renderer()->widgetOf(control)->widget(); }
    QWidget* helpWindow() { return static_cast<QtHost&>(program.qt.host()).help().window(); }
    // Lets the program run until `done` holds, for at most `limitMs`.
    bool waitFor(const std::function<bool()>& done, int limitMs = 5000)
    {
        return waitUntil(&program.window(), [&](QWidget&) { return done(); }, limitMs);
    }

    static constexpr std::int16_t kServoBoard = 1;
    RunningProgram program;
};

// Runs `step` every few milliseconds, also while a run holds the program inside a key, until it
// returns true or `owner` goes.
void repeatUntil(const QObject& owner, std::function<bool()> step)
{
    QTimer::singleShot(10, &owner, [&owner, step = std::move(step)]() mutable {
        if (!step()) repeatUntil(owner, std::move(step));
    });
}

TEST_F(OnScreenKeyboard, AMoveEndingWhileTheUserReadsHelpLeavesTheKeyboardThereAndTheMainWindowBehind)
{
    QObject steps;
    ServoTestPanel& panel = openServoPanel();
    program.runtime.input().paste(panel.pos1, "50000000");
    ASSERT_TRUE(panel.startcmd.setFocus());
    // Once the move runs, F1 opens the help window; once that has the keyboard (or it never
    // gets it), the move ends.
    bool helpAsked = false;
    bool helpHadKeyboard = false;
    bool moveEnded = false;
    int looks = 0;
    repeatUntil(steps, [&] {
        if (!panel.running()) return false;
        if (!helpAsked) pressKeys({XK_F1});
        helpAsked = true;
        helpHadKeyboard = helpWindow() && hasKeyboard(*helpWindow());
        if (!helpHadKeyboard && ++looks < 500) return false;
        program.boards.stop_motion(kServoBoard, panel.AxisNumber);
        return moveEnded = true;
    });
    pressKeys({XK_space});
    ASSERT_TRUE(waitFor([&] { return moveEnded && !panel.running(); }, 10000));
    ASSERT_TRUE(helpHadKeyboard) << "the help window never had the keyboard";
    ASSERT_TRUE(windowManagerCaughtUp());
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_TRUE(hasKeyboard(*helpWindow()));
    EXPECT_TRUE(stackedAbove(*helpWindow(), program.window()));
}

TEST_F(OnScreenKeyboard, ACyclicRunStartedBySpaceDrawsItsDisabledFieldsAllInTheDisabledColours)
{
    QObject steps;
    ServoTestPanel& panel = openServoPanel();
    program.runtime.input().click(panel.cycleOn);
    program.runtime.input().paste(panel.pos1, "400");
    ASSERT_TRUE(panel.startcmd.setFocus());
    const QColor disabled = QApplication::palette().color(QPalette::Disabled, QPalette::Base);
    std::vector<std::string> undimmed;
    bool looked = false;
    repeatUntil(steps, [&] {
        if (!panel.running()) return false;
        for (const TextBox* box : {&panel.pos1, &panel.pos2, &panel.dwelltxt}) {
            // The field's background, right of its text.
            const QImage drawn = shown(*box).grab().toImage();
            const QColor seen = drawn.pixelColor(drawn.width() - qRound(8 * drawn.devicePixelRatio()), drawn.height() / 2);
            if (box->enabled() || seen != disabled) undimmed.push_back(box->name() + " " + seen.name().toStdString());
        }
        looked = true;
        program.runtime.input().click(panel.decelcmd);
        return true;
    });
    pressKeys({XK_space});
    ASSERT_TRUE(waitFor([&] { return looked && !panel.running(); }));
    EXPECT_TRUE(undimmed.empty()) << "disabled fields not drawn " << disabled.name().toStdString() << ":" << listed(undimmed);
}

TEST_F(OnScreenKeyboard, CtrlF4AndCtrlWCloseTheActiveChildWindow)
{
    using Key = std::pair<unsigned int, const char*>;
    for (const auto& [key, name] : {Key{XK_F4, "Ctrl+F4"}, Key{XK_w, "Ctrl+W"}}) {
        const ServoTestPanel& panel = openServoPanel();
        ASSERT_TRUE(waitFor([&] { return panel.isActive() && hasKeyboard(program.window()); }));
        pressKeys({XK_Control_L, key});
        EXPECT_TRUE(waitFor([&] { return !program.app.loaded<ServoTestPanel>(); })) << name;
        if (auto* left = program.app.loaded<ServoTestPanel>()) left->unload();
    }
}

TEST_F(OnScreenKeyboard, TabScrollsTheControlItReachesIntoViewInAWindowSmallerThanItsForm)
{
    XyTableDemo& demo = open<XyTableDemo>("xytablemu");
    auto* scroller = program.qt.renderer()->windowOf(demo)->findChild<QScrollArea*>();
    ASSERT_NE(scroller, nullptr);
    if (!scroller->verticalScrollBar()->isVisible() && !scroller->horizontalScrollBar()->isVisible())
        GTEST_SKIP() << "the window shows its whole form";
    const QRect visible = scroller->viewport()->rect();
    const std::vector<Control*> order = demo.tabOrder();
    ASSERT_TRUE(order.front()->setFocus());
    std::vector<std::string> unseen;
    for (std::size_t step = 1; step < order.size(); ++step) {
        const Control* left = demo.activeControl();
        pressKeys({XK_Tab});
        ASSERT_TRUE(waitFor([&] { return demo.activeControl() != left; }));
        QWidget& widget = shown(*demo.activeControl());
        const QRect seen(widget.mapTo(scroller->viewport(), QPoint(0, 0)), widget.size());
        // A control larger than the visible part shows what it can.
        const bool fits = seen.width() <= visible.width() && seen.height() <= visible.height();
        if (fits && !visible.contains(seen)) unseen.push_back(demo.activeControl()->qualifiedName() + " at " + text(seen));
    }
    EXPECT_TRUE(unseen.empty()) << "Tab reached, outside the visible " << text(visible) << ":" << listed(unseen);
}

TEST_F(OnScreenKeyboard, AnErrorWindowComingWhileAnotherApplicationHasTheKeyboardLeavesItThereAndAsksForAttention)
{
    OtherApplication other;
    ASSERT_TRUE(waitFor([&] { return other.hasKeyboard() && QGuiApplication::applicationState() != Qt::ApplicationActive; }));
    std::vector<std::string> findings;
    QTimer::singleShot(0, [&] {
        Form* shown = program.runtime.modalForm();
        QPointer<QWidget> window = shown ? program.qt.renderer()->windowOf(*shown) : nullptr;
        if (!waitUntil(window, placed) || !windowManagerCaughtUp()) findings.push_back("never shown");
        else {
            if (!other.hasKeyboard()) findings.push_back("took the keyboard");
            if (!other.above(*window)) findings.push_back("rose above the other application");
            if (!other.above(program.window())) findings.push_back("raised the main window above the other application");
            if (!asksForAttention(*window)) findings.push_back("asks for no attention");
        }
        if (Form* left = program.runtime.modalForm()) left->unload();
    });
    ShowErrorMessage(program.app, "The board did not answer.");
    EXPECT_TRUE(findings.empty()) << "the error window:" << listed(findings);
}

TEST_F(OnScreenKeyboard, F1OpensTheHelpWindowInsideTheScreensAvailableArea)
{
    pressKeys({XK_F1});
    // Framed once the window manager has put its border and title bar around it.
    ASSERT_TRUE(waitFor([&] { return helpWindow() && helpWindow()->frameGeometry() != helpWindow()->geometry(); }));
    ASSERT_TRUE(windowManagerCaughtUp());
    QWidget& help = *helpWindow();
    EXPECT_TRUE(placed(help)) << "help window " << text(help.frameGeometry()) << " outside the screen's "
                              << text(help.screen()->availableGeometry());
}

TEST_F(OnScreenKeyboard, ATestPanelOpensAtItsWholeWidthWhereTheMainWindowsAreaHasRoom)
{
    ASSERT_TRUE(InitializeBoard(program.app, kServoBoard));
    program.app.state().selection.CurrentBoard = kServoBoard;
    // Test, then its first item: Servo Single Axis.
    pressKeys({XK_Alt_L, XK_t});
    ASSERT_TRUE(waitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    pressKeys({XK_Return});
    ASSERT_TRUE(waitFor([&] {
        const auto* panel = program.app.loaded<ServoTestPanel>();
        return panel && program.qt.renderer()->windowOf(*panel);
    }));
    settle();
    QWidget& frame = *program.qt.renderer()->windowOf(*program.app.loaded<ServoTestPanel>());
    const QWidget& area = *frame.parentWidget();
    ASSERT_LT(frame.width(), area.width()) << "no room beside the panel";
    EXPECT_FALSE(frame.findChild<QScrollArea*>()->horizontalScrollBar()->isVisible())
        << "panel " << text(frame.geometry()) << " scrolls sideways in the main window's area " << text(area.rect());
}

} // namespace
} // namespace tarvik::testing
