// The keyboard under Qt: the focus is shown on every kind of control and follows Tab, the button
// Enter presses is the one drawn as default, Escape presses Cancel, a list taking the focus picks
// no row, and the busy cursor shows while the program works but not while it waits for the user.

#include "SmokeProgram.h"

#include "qt/ControlWidget.h"
#include "qt/FocusMark.h"
#include "qt/QtProgram.h"
#include "qt/Renderer.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace tarvik::testing {
namespace {

class KeyboardAndFocusTest : public SmokeProgramTest {
protected:
    QWidget& shown(const Control& control) { return qt.renderer()->widgetOf(control)->widget(); }
    QPushButton& button(const CommandButton& control) { return static_cast<QPushButton&>(shown(control)); }

    // The control the focus ring of the form's window stands around.
    QWidget* marked(const Form& form)
    {
        for (QWidget* child : qt.renderer()->windowOf(form)->findChildren<QWidget*>())
            if (auto* mark = dynamic_cast<FocusMark*>(child); mark && mark->isVisible()) return mark->target();
        return nullptr;
    }

    // A key pressed where Qt has the focus, as the keyboard delivers it.
    static void key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, qtKey, modifiers);
        QApplication::sendEvent(target, &release);
        settle();
    }

    // The cursor the application shows over its windows.
    static Qt::CursorShape cursorShape()
    {
        return QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
    }

};

TEST_F(KeyboardAndFocusTest, TheFocusIsShownWhereTheRuntimeHasItAndTabMovesItPastWhatCannotTakeIt)
{
    SmokeDialog& dialog = *runtime.find<SmokeDialog>();
    // On opening, the first control in tab order that can take the focus has it, and shows it.
    EXPECT_TRUE(dialog.valuetxt.hasFocus());
    EXPECT_EQ(marked(dialog), &shown(dialog.valuetxt));
    EXPECT_EQ(QApplication::focusWidget(), &qt.renderer()->widgetOf(dialog.valuetxt)->focusTarget());

    key(Qt::Key_Tab);
    EXPECT_TRUE(dialog.runcmd.hasFocus());
    EXPECT_EQ(marked(dialog), &shown(dialog.runcmd));
    EXPECT_EQ(QApplication::focusWidget(), &shown(dialog.runcmd));

    // A list reached by Tab shows the focus and picks no row of its own.
    key(Qt::Key_Tab);
    EXPECT_TRUE(dialog.boardlist.hasFocus());
    EXPECT_EQ(marked(dialog), &shown(dialog.boardlist));
    auto& rows = static_cast<QListWidget&>(shown(dialog.boardlist));
    EXPECT_EQ(dialog.boardlist.listIndex(), -1);
    EXPECT_EQ(dialog.picks, 0);
    EXPECT_EQ(rows.currentRow(), -1);
    EXPECT_TRUE(rows.selectedItems().isEmpty());

    // A disabled button is passed over, and the focus and its ring leave a control that is
    // hidden for the next one that can take them.
    key(Qt::Key_Tab, Qt::ShiftModifier);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(dialog.valuetxt.hasFocus());
    dialog.runcmd.setEnabled(false);
    key(Qt::Key_Tab);
    EXPECT_TRUE(dialog.boardlist.hasFocus());
    dialog.boardlist.setVisible(false);
    settle();
    ASSERT_NE(dialog.activeControl(), &dialog.boardlist);
    EXPECT_TRUE(dialog.activeControl()->hasFocus());
    EXPECT_EQ(marked(dialog), &shown(*dialog.activeControl()));
    EXPECT_EQ(QApplication::focusWidget(), &qt.renderer()->widgetOf(*dialog.activeControl())->focusTarget());
}

TEST_F(KeyboardAndFocusTest, OnlyTheButtonEnterPressesLooksDefaultAndEscapePressesCancel)
{
    SmokeDialog& dialog = *runtime.find<SmokeDialog>();
    dialog.runcmd.setDefault(true);
    settle();
    // From the text box Enter presses the Default button.
    EXPECT_TRUE(button(dialog.runcmd).isDefault());

    auto& question = runtime.instance<SmokeQuestion>(runtime);
    question.okcmd.setDefault(true);
    question.cancelcmd.setCancel(true);
    std::optional<bool> okLooksDefault;
    std::optional<bool> cancelLooksDefault;
    std::optional<bool> okLooksDefaultAfterTab;
    std::optional<bool> cancelLooksDefaultAfterTab;
    QTimer::singleShot(0, [&] {
        okLooksDefault = button(question.okcmd).isDefault();
        cancelLooksDefault = button(question.cancelcmd).isDefault();
        key(Qt::Key_Tab);
        okLooksDefaultAfterTab = button(question.okcmd).isDefault();
        cancelLooksDefaultAfterTab = button(question.cancelcmd).isDefault();
        key(Qt::Key_Escape);
    });
    EXPECT_TRUE(question.showModal());
    EXPECT_EQ(okLooksDefault, true);
    EXPECT_EQ(cancelLooksDefault, false);
    // Tab to Cancel: Enter would press Cancel now, and Cancel is the one drawn as default.
    EXPECT_EQ(okLooksDefaultAfterTab, false);
    EXPECT_EQ(cancelLooksDefaultAfterTab, true);
    // Escape pressed Cancel, which unloads the window.
    EXPECT_EQ(runtime.find<SmokeQuestion>(), nullptr);
    settle();

    // Back in the dialog, a focused button of its own is the one Enter presses.
    EXPECT_TRUE(button(dialog.runcmd).isDefault());
    dialog.runcmd.setDefault(false);
    settle();
    EXPECT_FALSE(button(dialog.runcmd).isDefault());
}

TEST_F(KeyboardAndFocusTest, CtrlTabSwitchesChildWindowsAndCtrlF4ClosesOneAsItsCloseBoxDoes)
{
    SmokeDialog& dialog = *runtime.find<SmokeDialog>();
    auto& question = runtime.instance<SmokeQuestion>(runtime);
    question.show();
    settle();
    ASSERT_TRUE(question.isActive());
    // The keys are the window system's: they go through the shortcuts as a keyboard's would.
    const auto press = [](int qtKey, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(qtKey), modifiers);
        settle();
    };
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_TRUE(dialog.isActive());
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(question.isActive());

    // The close box's handling: the window may refuse, as the question does once.
    question.refuseClose = 1;
    press(Qt::Key_F4, Qt::ControlModifier);
    ASSERT_NE(runtime.find<SmokeQuestion>(), nullptr);
    press(Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(runtime.find<SmokeQuestion>(), nullptr);
    EXPECT_TRUE(dialog.isActive());
}

TEST_F(KeyboardAndFocusTest, TheBusyCursorShowsWhileTheProgramWorksButNotWhileAMessageWaits)
{
    SmokeDialog& dialog = *runtime.find<SmokeDialog>();
    std::optional<Qt::CursorShape> working;
    std::optional<Qt::CursorShape> asking;
    dialog.runcmd.onClick = [&] {
        working = cursorShape();
        QTimer::singleShot(0, [&] {
            asking = cursorShape();
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->reject();
        });
        runtime.msgBox("Go on?");
    };
    static_cast<QPushButton&>(shown(dialog.runcmd)).click();
    settle();
    EXPECT_EQ(working, Qt::WaitCursor);
    EXPECT_EQ(asking, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(KeyboardAndFocusTest, AWaitOnWhatTheUserDoesShowsTheNormalCursorABoundedWaitTheBusyOne)
{
    SmokeDialog& dialog = *runtime.find<SmokeDialog>();
    std::optional<Qt::CursorShape> bounded;
    std::optional<Qt::CursorShape> watching;
    dialog.runcmd.onClick = [&] {
        runtime.wait(1);
        bounded = cursorShape();
        runtime.doEvents();
        watching = cursorShape();
    };
    static_cast<QPushButton&>(shown(dialog.runcmd)).click();
    settle();
    EXPECT_EQ(bounded, Qt::WaitCursor);
    EXPECT_EQ(watching, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace tarvik::testing
