// The program driven from the keyboard alone under Qt, as a user without a mouse meets it: the
// Initialize Board menu by its access key, a board picked and confirmed, the wizard walked with
// Tab (the focus shown at every stop), initialised, and closed through the save question. Also:
// the option list of Load Option opens with nothing picked, the error window opens on OK,
// Escape presses the Cancel button of every window that has one, and a run started by Space is
// stopped by Space on the stop button the focus passed to.

#include "EveryBuiltForm.h"

#include "init/ClosedLoopStepperWizard.h"
#include "init/InitSequences.h"
#include "init/LoadOptionDialog.h"
#include "panels/ServoTestPanel.h"
#include "panels/StepperTestPanel.h"
#include "panels/xy/XyTableDemo.h"
#include "program/MenuBar.h"
#include "qt/ControlWidget.h"
#include "qt/FocusMark.h"
#include "qt/MenuBarMirror.h"
#include "runtime/FormRuntime.h"
#include "shell/ErrorWindow.h"
#include "shell/Shell.h"

#include <QAction>
#include <QEventLoop>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvik::testing {
namespace {

constexpr int kBoard = 3; // the built-in 3-axis closed-loop stepper board

// A key as the keyboard delivers it: to the open menu, else the widget with the focus, else the
// active window, shortcuts (menu access keys) first.
void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::activePopupWidget();
    if (!target) target = QApplication::focusWidget();
    if (!target) target = QApplication::activeWindow();
    if (!target) {
        ADD_FAILURE() << "no window takes the keyboard";
        return;
    }
    QTest::keyClick(target, static_cast<Qt::Key>(qtKey), modifiers);
    settle();
}

// What a user does, step by step, each step once the program has come to where it applies. The
// program is polled from a fresh single-shot timer each time, so that the steps go on inside the
// modal windows earlier steps open.
class Steps {
public:
    explicit Steps(Runtime& runtime) : runtime_(runtime) {}

    // A step taken once what the earlier steps started is over.
    void add(std::string what, std::function<bool()> ready, std::function<void()> act)
    {
        steps_.push_back({std::move(what), std::move(ready), std::move(act), false});
    }
    // A step that answers a modal window, taken while the step that opened it still runs.
    void answer(std::string what, std::function<bool()> ready, std::function<void()> act)
    {
        steps_.push_back({std::move(what), std::move(ready), std::move(act), true});
    }

    // Runs every step; on a step that does not become ready in time the program is ended, and
    // the step is named in the failure.
    void run()
    {
        QEventLoop loop;
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [&] {
            ADD_FAILURE() << "never came to: " << steps_[next_].what;
            runtime_.endProgram();
            loop.quit();
        });
        limit.start(kLimitMs);
        done_ = [&] { loop.quit(); };
        poll();
        loop.exec();
    }

private:
    struct Step {
        std::string what;
        std::function<bool()> ready;
        std::function<void()> act;
        bool inModal;
    };

    void poll()
    {
        QTimer::singleShot(kPollMs, [this] {
            if (next_ == steps_.size() || runtime_.endRequested()) return;
            const Step& due = steps_[next_];
            if ((acting_ > 0 && !due.inModal) || !due.ready()) return poll();
            ++next_;
            if (next_ < steps_.size()) poll();
            SCOPED_TRACE(due.what);
            ++acting_;
            due.act();
            --acting_;
            if (next_ == steps_.size() && acting_ == 0) done_();
        });
    }

    static constexpr int kPollMs = 10;
    static constexpr int kLimitMs = 20000;

    Runtime& runtime_;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int acting_ = 0; // steps whose action is still running
    std::function<void()> done_;
};

class KeyboardRoadTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.start()); }
    void TearDown() override
    {
        program.runtime.endProgram();
        settle();
    }

    Renderer& renderer() { return *program.qt.renderer(); }
    // The modal window is up where the keyboard goes: active for the runtime, and its window
    // the active one for Qt, which activates a new window a little later on a loaded machine.
    bool isModal(std::string_view name)
    {
        const Form* modal = program.runtime.modalForm();
        if (!modal || modal->name() != name || !modal->isActive()) return false;
        const QWidget* window = renderer().windowOf(*modal);
        return window != nullptr && window->isActiveWindow();
    }

    // "" when the user sees where the keyboard is: the focus ring of the form's window stands
    // around the widget of the runtime's focused control, and Qt's focus is in that widget.
    std::string focusShown(const Form& form)
    {
        const Control* focused = form.activeControl();
        ControlWidget* widget = focused ? renderer().widgetOf(*focused) : nullptr;
        if (!widget) return "no focused control";
        const std::string name = focused->qualifiedName();
        if (QApplication::focusWidget() != &widget->focusTarget()) return name + " lacks Qt's focus";
        for (QWidget* child : renderer().windowOf(form)->findChildren<QWidget*>())
            if (auto* mark = dynamic_cast<FocusMark*>(child); mark && mark->isVisible())
                return mark->target() == &widget->widget() ? "" : name + " is not the one ringed";
        return name + " has no ring";
    }

    // Presses Tab until `control` has the focus; false when Tab never reaches it.
    bool tabTo(const Control& control)
    {
        for (int round = 0; round < kMostTabs && !control.hasFocus(); ++round) key(Qt::Key_Tab);
        return control.hasFocus();
    }

    // Opens the window of a Test or Demo menu item on board `board`, initialised first.
    template <class Panel>
    Panel& openPanel(std::string_view item, std::int16_t board)
    {
        EXPECT_TRUE(InitializeBoard(program.app, board));
        program.app.state().selection.CurrentBoard = board;
        program.runtime.input().choose(*program.main()->menu(item));
        settle();
        return *program.app.loaded<Panel>();
    }

    // Space on the focused Start begins a cyclic run; Start greys out and the focus passes to
    // Decel, shown there, where Space ends the run: no further move is sent.
    void runAndStopByKeyboard(RunPanel& panel)
    {
        program.runtime.input().click(panel.cycleOn);
        program.runtime.input().paste(panel.pos1, "400");
        ASSERT_TRUE(panel.startcmd.setFocus());
        settle();
        Steps steps(program.runtime);
        steps.add("the panel, Start focused", [&] { return panel.startcmd.hasFocus(); }, [&] { key(Qt::Key_Space); });
        steps.answer("the run, Decel focused", [&] { return panel.running(); }, [&] {
            EXPECT_TRUE(panel.decelcmd.hasFocus()) << panel.activeControl()->qualifiedName();
            EXPECT_EQ(focusShown(panel), "");
            key(Qt::Key_Space);
        });
        steps.add("the run, ended", [&] { return !panel.running(); }, [] {});
        steps.run();
        EXPECT_EQ(panel.RunStopped, 1);
        EXPECT_TRUE(panel.startcmd.enabled());
    }

    static constexpr int kMostTabs = 80;

    RunningProgram program;
};

TEST_F(KeyboardRoadTest, AltIPicksABoardTabWalksTheWizardAndItIsInitializedSavedAndClosedByKeys)
{
    App& app = program.app;
    MainWindowForm& main = *program.main();
    QAction* boardMenu = program.window().menus().actionOf(*main.menu(kInitializeBoardMenu));
    QAction* boardItem = program.window().menus().actionOf(*main.boardItem(kBoard));
    ASSERT_NE(boardMenu, nullptr);
    ASSERT_NE(boardItem, nullptr);
    ClosedLoopStepperWizard* wizard = nullptr;
    std::vector<std::string> walked;  // the wizard's controls Tab stopped on, from the first box on
    std::vector<std::string> unshown; // stops where the focus was not shown
    const auto wizardActive = [&] {
        wizard = app.loaded<ClosedLoopStepperWizard>();
        return wizard && wizard->isActive() && !program.runtime.modalForm() && renderer().windowOf(*wizard);
    };
    Steps steps(program.runtime);

    steps.add("the main window, active", [&] { return program.window().isActiveWindow(); },
              [&] { key(Qt::Key_I, Qt::AltModifier); });
    steps.add("the Initialize Board menu, open", [&] { return QApplication::activePopupWidget() == boardMenu->menu(); },
              [&] {
                  QMenu& menu = *boardMenu->menu();
                  for (int round = 0; round < 10 && menu.activeAction() != boardItem; ++round) key(Qt::Key_Down);
                  ASSERT_EQ(menu.activeAction(), boardItem);
                  key(Qt::Key_Return);
              });
    steps.answer("the board confirmation", [&] { return isModal("frmconfbid"); }, [&] {
        const Form& confirm = *program.runtime.modalForm();
        EXPECT_EQ(focusShown(confirm), "");
        key(Qt::Key_Return);
    });
    steps.add("the wizard, active", wizardActive, [&] {
        ASSERT_TRUE(tabTo(wizard->box("StepsRev", 1)));
        key(Qt::Key_Up); // one more step per revolution, so that closing asks to save
        // Once round the fields and the buttons after them, back to Initialize.
        for (int round = 0; round < kMostTabs && !wizard->cmdinit.hasFocus(); ++round) {
            walked.push_back(wizard->activeControl()->qualifiedName());
            if (const std::string wrong = focusShown(*wizard); !wrong.empty()) unshown.push_back(wrong);
            key(Qt::Key_Tab);
        }
        EXPECT_EQ(focusShown(*wizard), "");
        key(Qt::Key_Return);
    });
    steps.answer("the initialisation confirmation", [&] { return isModal("frmconfinit"); }, [&] {
        EXPECT_EQ(focusShown(*program.runtime.modalForm()), "");
        key(Qt::Key_Return);
    });
    steps.add("the wizard, with its board initialised",
              [&] { return wizardActive() && app.state().boards.BoardInitState[kBoard] == 1; }, [&] {
                  ASSERT_TRUE(tabTo(wizard->cmdcancel));
                  EXPECT_EQ(focusShown(*wizard), "");
                  key(Qt::Key_Return);
              });
    steps.answer("the save question", [&] { return isModal("frmasksave"); }, [&] {
        const Form& question = *program.runtime.modalForm();
        const auto looksDefault = [&](std::string_view name) {
            return static_cast<QPushButton&>(renderer().widgetOf(*question.findControl(name))->widget()).isDefault();
        };
        EXPECT_TRUE(looksDefault("cmdsave"));
        key(Qt::Key_Tab);
        EXPECT_EQ(focusShown(question), "");
        EXPECT_TRUE(looksDefault("cmdForget"));
        EXPECT_FALSE(looksDefault("cmdsave"));
        key(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_TRUE(looksDefault("cmdsave"));
        key(Qt::Key_Return);
    });
    steps.add("the wizard, closed", [&] { return !app.loaded<ClosedLoopStepperWizard>() && !program.runtime.modalForm(); }, [] {});
    steps.run();

    // Tab went through every box of every axis and passed over the spinners beside them.
    for (const char* box : {"txtStepsRev", "txtLinesRev", "txtFolErr", "txtIndexOff", "txtFindRPM"})
        for (int axis = 1; axis <= 3; ++axis) {
            const std::string name = std::string(box) + "(" + std::to_string(axis) + ")";
            EXPECT_NE(std::find(walked.begin(), walked.end(), name), walked.end()) << name;
        }
    EXPECT_TRUE(std::none_of(walked.begin(), walked.end(), [](const std::string& name) { return name.starts_with("scr"); }));
    EXPECT_TRUE(unshown.empty()) << "Tab stops where the focus was not shown:" << listed(unshown);
    EXPECT_EQ(app.state().boards.BoardInitState[kBoard], 1);
    EXPECT_EQ(app.state().Settings.ClosedLoopSettingsTable[kBoard].Axis[0].StepsPerRev, 2001);
    EXPECT_EQ(app.state().boards.SettingsChanged[kBoard], 0);
}

TEST_F(KeyboardRoadTest, LoadOptionOpensWithNoRowPickedAndLoadOptionOffAndEscapeCancelsIt)
{
    App& app = program.app;
    std::string listShown;
    Steps steps(program.runtime);
    steps.add("the main window", [] { return true; },
              [&] { program.runtime.input().choose(*program.main()->boardItem(kBoard)); });
    steps.answer("the board confirmation", [&] { return isModal("frmconfbid"); },
                 [&] { program.runtime.input().click(*program.runtime.modalForm()->findControl("cmdcont")); });
    steps.add("the wizard", [&] { return app.loaded<ClosedLoopStepperWizard>() && !program.runtime.modalForm(); },
              [&] { program.runtime.input().click(app.loaded<ClosedLoopStepperWizard>()->cmdload); });
    steps.answer("Load Option", [&] { return isModal("frmloadopt"); }, [&] {
        auto& load = static_cast<LoadOptionDialog&>(*program.runtime.modalForm());
        auto& rows = static_cast<QListWidget&>(renderer().widgetOf(load.loadlist)->widget());
        EXPECT_GT(load.loadlist.listCount(), 0);
        EXPECT_EQ(load.loadlist.listIndex(), -1);
        EXPECT_EQ(rows.currentRow(), -1);
        EXPECT_TRUE(rows.selectedItems().isEmpty());
        EXPECT_FALSE(load.loadcmd.enabled());
        EXPECT_FALSE(renderer().widgetOf(load.loadcmd)->widget().isEnabled());
        key(Qt::Key_Escape);
    });
    steps.add("the wizard again", [&] { return !program.runtime.modalForm() && !app.loaded<LoadOptionDialog>(); }, [] {});
    steps.run();
}

TEST_F(KeyboardRoadTest, TheErrorWindowOpensWithTheFocusOnOkAndEnterClosesIt)
{
    Steps steps(program.runtime);
    steps.add("the main window", [] { return true; },
              [&] { ShowErrorMessage(program.app, "The board file could not be read."); });
    steps.answer("the error window", [&] { return isModal("frmerrmsg"); }, [&] {
        const auto& window = static_cast<const ErrorWindow&>(*program.runtime.modalForm());
        EXPECT_TRUE(window.okcmd.hasFocus());
        EXPECT_EQ(focusShown(window), "");
        EXPECT_TRUE(static_cast<QPushButton&>(renderer().widgetOf(window.okcmd)->widget()).isDefault());
        key(Qt::Key_Return);
    });
    steps.add("the error window, closed",
              [&] { return !program.runtime.modalForm() && !program.app.loaded<ErrorWindow>(); }, [] {});
    steps.run();
    EXPECT_FALSE(program.runtime.endRequested());
}

TEST_F(KeyboardRoadTest, ARunStartedBySpaceInATestPanelEndsBySpaceOnTheFocusedDecel)
{
    {
        SCOPED_TRACE("servo panel");
        auto& servo = openPanel<ServoTestPanel>("testservmu", 1);
        runAndStopByKeyboard(servo);
        servo.unload();
    }
    SCOPED_TRACE("stepper panel");
    auto& stepper = openPanel<StepperTestPanel>("teststepmu", 2);
    runAndStopByKeyboard(stepper);
}

TEST_F(KeyboardRoadTest, SpaceOnStartOfTheXyDemoLeavesTheFocusOnStopWhereSpaceStopsTheTable)
{
    auto& demo = openPanel<XyTableDemo>("xytablemu", 1);
    ASSERT_TRUE(demo.startcmd.setFocus());
    settle();
    key(Qt::Key_Space);
    EXPECT_EQ(demo.fields().Running, 1);
    EXPECT_TRUE(demo.stopcmd.hasFocus()) << demo.activeControl()->qualifiedName();
    EXPECT_EQ(focusShown(demo), "");
    key(Qt::Key_Space);
    EXPECT_EQ(demo.fields().Running, 0);
}

// Every window the menus reach that has a Cancel button: Escape, typed where the focus is,
// presses it; and a button captioned Cancel is the window's Cancel button.
TEST_F(KeyboardRoadTest, EscapePressesTheCancelButtonOfEveryWindowThatHasOne)
{
    std::vector<std::string> missed;
    int windowsWithCancel = 0;
    visitEveryBuiltForm(program, [&](Form& form) {
        const std::string window = "\"" + form.caption() + "\" (" + form.name() + ")";
        for (Control* control : form.controls())
            if (control->kind() == ControlKind::CommandButton) {
                auto& button = static_cast<CommandButton&>(*control);
                if (button.caption() == "Cancel" && !button.isCancel()) missed.push_back(window + ": Cancel is no Cancel button");
            }
        CommandButton* cancel = form.cancelButton();
        Control* focused = form.activeControl();
        if (!cancel || !cancel->canTakeInput() || !focused || !renderer().widgetOf(*focused)) return;
        ++windowsWithCancel;
        // The click is only noted: the visit closes the window itself.
        const auto click = cancel->onClick;
        bool pressed = false;
        cancel->onClick = [&] { pressed = true; };
        QTest::keyClick(&renderer().widgetOf(*focused)->focusTarget(), Qt::Key_Escape);
        settle();
        cancel->onClick = click;
        if (!pressed) missed.push_back(window + ": Escape did not press " + cancel->qualifiedName());
    });
    EXPECT_GE(windowsWithCancel, 3);
    EXPECT_TRUE(missed.empty()) << listed(missed);
}

} // namespace
} // namespace tarvik::testing
