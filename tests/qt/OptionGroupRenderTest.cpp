// An option group the runtime leaves with no option selected shows none checked under Qt, and a
// choice made on screen checks exactly the one chosen: Set Stop Mode of the real program, opened
// for a board whose settings hold no valid stop mode.

#include "RunningProgram.h"
#include "commands/motion/SetStopModeDialog.h"
#include "driver/sim/SimulatedDriver.h"
#include "mainwindow/MainWindowForm.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/TemporaryWorkingDirectory.h"
#include "program/App.h"
#include "qt/ControlWidget.h"
#include "qt/MainWindow.h"
#include "qt/MenuBarMirror.h"
#include "qt/QtProgram.h"
#include "qt/Renderer.h"
#include "runtime/Runtime.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace tarvik::testing {
namespace {

void clickWidget(QWidget& target)
{
    const QPointF local(target.rect().center());
    const QPointF global(target.mapToGlobal(target.rect().center()));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &release);
}

TEST(OptionGroupRenderTest, NoOptionSelectedShowsNoneCheckedUntilOneIsChosen)
{
    RunningProgram program;
    ASSERT_TRUE(program.start());
    App& app = program.app;
    QtProgram& qt = program.qt;

    app.state().Settings.ServoSettingsTable[1].Axis[0].StopMode = 0;
    MainWindowForm* main = app.loaded<MainWindowForm>();
    ASSERT_NE(main, nullptr);
    qt.renderer()->mainWindow().menus().actionOf(*main->menu("setstopmode"))->trigger();
    settle();
    SetStopModeDialog* dialog = app.loaded<SetStopModeDialog>();
    ASSERT_NE(dialog, nullptr);

    const auto radio = [&](const OptionButton& option) -> QRadioButton& {
        return dynamic_cast<QRadioButton&>(qt.renderer()->widgetOf(option)->widget());
    };
    EXPECT_FALSE(radio(dialog->decel).isChecked());
    EXPECT_FALSE(radio(dialog->halt).isChecked());
    EXPECT_FALSE(radio(dialog->killb).isChecked());
    EXPECT_FALSE(qt.renderer()->widgetOf(dialog->runcmd)->widget().isEnabled());

    clickWidget(radio(dialog->killb));
    settle();
    EXPECT_TRUE(dialog->killb.value());
    EXPECT_TRUE(radio(dialog->killb).isChecked());
    EXPECT_FALSE(radio(dialog->decel).isChecked());
    EXPECT_TRUE(qt.renderer()->widgetOf(dialog->runcmd)->widget().isEnabled());

    // A second click on the chosen option leaves it chosen: Qt does not toggle it off.
    clickWidget(radio(dialog->killb));
    settle();
    EXPECT_TRUE(radio(dialog->killb).isChecked());
    dialog->halt.setValue(true);
    settle();
    EXPECT_TRUE(radio(dialog->halt).isChecked());
    EXPECT_FALSE(radio(dialog->killb).isChecked());
    // And back to none: an exclusive group on screen would keep one checked.
    dialog->halt.setValue(false);
    settle();
    EXPECT_FALSE(radio(dialog->halt).isChecked());
    EXPECT_FALSE(radio(dialog->decel).isChecked() || radio(dialog->killb).isChecked());

    program.runtime.endProgram();
    settle();
}

} // namespace
} // namespace tarvik::testing
