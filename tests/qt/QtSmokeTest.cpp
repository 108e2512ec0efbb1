#include "SmokeProgram.h"

#include "qt/ControlWidget.h"
#include "qt/MainWindow.h"
#include "qt/MenuBarMirror.h"
#include "qt/QtProgram.h"
#include "qt/QtUnits.h"
#include "qt/Renderer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>

namespace tarvik::testing {
namespace {

class QtSmokeTest : public SmokeProgramTest {
protected:
    ControlWidget& mirrorOf(const Control& control)
    {
        ControlWidget* widget = qt.renderer()->widgetOf(control);
        if (!widget) throw std::logic_error(control.name() + " has no widget");
        return *widget;
    }

    static void sendKey(QWidget& target, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(&target, &release);
    }

    static void typeText(QWidget& target, const QString& text)
    {
        for (QChar character : text) {
            const int key = character.isLetter() ? character.toUpper().unicode() : character.unicode();
            sendKey(target, key, QString(character));
        }
    }

    static void clickAt(QWidget& target, QPoint at)
    {
        const QPointF local(at);
        const QPointF global(target.mapToGlobal(at));
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &release);
    }

    static void click(QWidget& target) { clickAt(target, target.rect().center()); }

    QAction* actionOf(const MenuItem& item) { return qt.renderer()->mainWindow().menus().actionOf(item); }

};

TEST_F(QtSmokeTest, KeysTypedIntoTheTextBoxGoThroughTheRuntime)
{
    QWidget& box = mirrorOf(dialog().valuetxt).focusTarget();
    click(box);
    EXPECT_EQ(dialog().activeControl(), &dialog().valuetxt);

    // Letters are dropped by the form's KeyPress; Ctrl+V pastes nothing.
    typeText(box, "12x.5");
    sendKey(box, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
    EXPECT_EQ(dialog().valuetxt.text(), "12.5");
    EXPECT_EQ(dialog().changes, 4);
    EXPECT_EQ(static_cast<QLineEdit&>(box).text(), "12.5");

    sendKey(box, Qt::Key_Backspace, QString(QChar(8)));
    EXPECT_EQ(dialog().valuetxt.text(), "12.");
    EXPECT_EQ(static_cast<QLineEdit&>(box).text(), "12.");
    EXPECT_EQ(static_cast<QLineEdit&>(box).cursorPosition(), 3);

    // A text set by code is mirrored, and selecting with Shift+Home is the runtime's selection.
    dialog().valuetxt.setText("250");
    sendKey(box, Qt::Key_End, QString());
    sendKey(box, Qt::Key_Home, QString(), Qt::ShiftModifier);
    EXPECT_EQ(dialog().valuetxt.selLength(), 3);
    EXPECT_EQ(static_cast<QLineEdit&>(box).selectedText(), "250");

    // Tab moves the runtime's focus in its tab order, and the Qt focus follows.
    sendKey(box, Qt::Key_Tab, "\t");
    EXPECT_EQ(dialog().activeControl(), &dialog().runcmd);
    EXPECT_EQ(QApplication::focusWidget(), &mirrorOf(dialog().runcmd).focusTarget());
}

TEST_F(QtSmokeTest, ButtonClicksAndLabelsAreMirrored)
{
    typeText(mirrorOf(dialog().valuetxt).focusTarget(), "7");
    click(mirrorOf(dialog().runcmd).widget());
    EXPECT_EQ(dialog().clicks, 1);
    EXPECT_EQ(dialog().activeControl(), &dialog().runcmd);
    EXPECT_EQ(static_cast<QLabel&>(mirrorOf(dialog().statuslbl).widget()).text(), "Ran with 7");

    // A disabled button shows disabled and takes no clicks; Enter with the focus on a button clicks it.
    dialog().runcmd.setEnabled(false);
    EXPECT_FALSE(mirrorOf(dialog().runcmd).widget().isEnabled());
    dialog().runcmd.setEnabled(true);
    sendKey(mirrorOf(dialog().runcmd).widget(), Qt::Key_Return, "\r");
    EXPECT_EQ(dialog().clicks, 2);
}

TEST_F(QtSmokeTest, ALampThatChangesColourRepaintsItselfAloneNotTheWindowBeneath)
{
    Shape& lamp = dialog().lamp;
    lamp.setShape(Shape::Kind::Square);
    lamp.setFillStyle(Shape::SolidFill);
    settle();
    // Watched from outside: a child object of the window would change its stacking.
    struct PaintCount : QObject {
        std::map<QObject*, int> paints;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) ++paints[watched];
            return false;
        }
    } count;
    QWidget& shown = mirrorOf(lamp).widget();
    shown.installEventFilter(&count);
    shown.parentWidget()->installEventFilter(&count);
    lamp.setFillColor(rgb(0, 255, 0));
    settle();
    EXPECT_EQ(count.paints[&shown], 1);
    EXPECT_EQ(count.paints[shown.parentWidget()], 0);
}

TEST_F(QtSmokeTest, ListRowsAndPictureMouseReachTheRuntime)
{
    auto& list = static_cast<QListWidget&>(mirrorOf(dialog().boardlist).widget());
    ASSERT_EQ(list.count(), 3);
    clickAt(*list.viewport(), list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(dialog().boardlist.listIndex(), 1);
    EXPECT_EQ(dialog().picks, 1);

    dialog().boardlist.setListIndex(2);
    EXPECT_EQ(list.currentRow(), 2);
    EXPECT_EQ(dialog().picks, 2);

    // The plot's scale runs 0..100 left to right and bottom to top.
    QWidget& plot = mirrorOf(dialog().plot).widget();
    clickAt(plot, QPoint(plot.width() / 4, plot.height() / 4));
    EXPECT_NEAR(dialog().mouseX, 25, 2);
    EXPECT_NEAR(dialog().mouseY, 75, 2);
}

TEST_F(QtSmokeTest, ControlsArePlacedInPixelsAtTheScreenDpi)
{
    const QRect placed = mirrorOf(dialog().valuetxt).widget().geometry();
    EXPECT_EQ(placed, QRect(toPixels(1080), toPixels(120), toPixels(1215), toPixels(315)));
    dialog().valuetxt.move(1440, 240);
    EXPECT_EQ(mirrorOf(dialog().valuetxt).widget().pos(), QPoint(toPixels(1440), toPixels(240)));
    dialog().valuetxt.setVisible(false);
    EXPECT_TRUE(mirrorOf(dialog().valuetxt).widget().isHidden());

    // Controls are drawn in the small font the positions were made for (8 points, less for a
    // wider face: its alphabet is no wider than the dialog face's 300 pixels at 96 an inch), and
    // list rows are one text line high, so that a list shows as many rows as its height was made for.
    const QFont font = mirrorOf(dialog().runcmd).widget().font();
    EXPECT_LE(font.pointSizeF(), 8.0);
    EXPECT_GE(font.pointSizeF(), 6.0);
    EXPECT_LE(QFontMetricsF(font).horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                  QFontMetricsF(font).fontDpi(),
              300.0 / 96.0 + 0.01);
    auto& list = static_cast<QListWidget&>(mirrorOf(dialog().boardlist).widget());
    EXPECT_LE(list.sizeHintForRow(0), QFontInfo(list.font()).pixelSize() * 5 / 4 + 1);
}

TEST_F(QtSmokeTest, AChildWindowWithoutCaptionIsABackdropBehindTheOthers)
{
    auto& backdrop = runtime.instance<SmokeBackdrop>(runtime);
    backdrop.show();
    auto* frame = qobject_cast<QMdiSubWindow*>(qt.renderer()->windowOf(backdrop));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
    QMdiArea& area = qt.renderer()->mainWindow().mdiArea();
    const auto lowest = [&] {
        for (QObject* child : area.viewport()->children())
            if (auto* window = qobject_cast<QMdiSubWindow*>(child)) return window;
        return static_cast<QMdiSubWindow*>(nullptr);
    };
    EXPECT_EQ(lowest(), frame);

    // Activated (as a click on it does), it is the active form, and still behind the others.
    area.setActiveSubWindow(frame);
    settle();
    EXPECT_EQ(runtime.activeForm(), &backdrop);
    EXPECT_EQ(lowest(), frame);

    // A caption makes it an ordinary child window.
    backdrop.setCaption("Picture");
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(frame->isVisible());
    EXPECT_NE(qt.renderer()->windowOf(dialog()), nullptr);
}

TEST_F(QtSmokeTest, TheMenuBarFollowsTheMainFormsMenus)
{
    QMenuBar* bar = qt.renderer()->mainWindow().menuBar();
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), "&File");
    ASSERT_NE(actionOf(main().openmu), nullptr);
    EXPECT_TRUE(actionOf(main().sepmu)->isSeparator());
    // Styles show a separator's text as a heading: the "-" caption is not shown.
    EXPECT_TRUE(actionOf(main().sepmu)->text().isEmpty());

    actionOf(main().openmu)->trigger();
    EXPECT_EQ(main().opens, 1);

    actionOf(main().bidmu(1))->trigger();
    EXPECT_EQ(main().boardChosen, 1);
    EXPECT_TRUE(actionOf(main().bidmu(1))->isChecked());
    EXPECT_FALSE(actionOf(main().bidmu(0))->isChecked());

    main().openmu.setEnabled(false);
    EXPECT_FALSE(actionOf(main().openmu)->isEnabled());
    main().bidmu.add(5, {.caption = "Board &5", .container = &main().boardmu});
    ASSERT_NE(actionOf(main().bidmu(5)), nullptr);
    EXPECT_EQ(actionOf(main().bidmu(5))->text(), "Board &5");
}

TEST_F(QtSmokeTest, ModalFormsAndMessageBoxesRunNestedLoops)
{
    // The answer comes from Qt, by clicking the buttons shown.
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            if (button->text() == "No") button->click();
    });
    EXPECT_EQ(runtime.msgBox("Save the settings?", msgbox::YesNoCancel + msgbox::Question), msgbox::No);

    // A modal form is a dialog with a close box and nothing to minimise or maximise it.
    auto& question = runtime.instance<SmokeQuestion>(runtime);
    Qt::WindowFlags shownWith;
    QTimer::singleShot(0, [&] {
        shownWith = qt.renderer()->windowOf(question)->windowFlags();
        click(mirrorOf(question.okcmd).widget());
    });
    EXPECT_TRUE(question.showModal());
    EXPECT_TRUE(question.accepted);
    EXPECT_TRUE(shownWith.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(shownWith.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(shownWith.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(qt.renderer()->windowOf(question), nullptr);
}

TEST_F(QtSmokeTest, AFormUnloadedFromItsOwnButtonLeavesNoWindow)
{
    auto& question = runtime.instance<SmokeQuestion>(runtime);
    QTimer::singleShot(0, [&] { click(mirrorOf(question.cancelcmd).widget()); });
    EXPECT_TRUE(question.showModal());
    EXPECT_EQ(runtime.find<SmokeQuestion>(), nullptr);
    settle();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(QtSmokeTest, TheCloseBoxAsksTheForm)
{
    auto& question = runtime.instance<SmokeQuestion>(runtime);
    question.refuseClose = 1;
    question.show();
    QWidget* window = qt.renderer()->windowOf(question);
    ASSERT_NE(window, nullptr);
    window->close();
    EXPECT_EQ(runtime.find<SmokeQuestion>(), &question);
    EXPECT_TRUE(window->isVisible());
    window->close();
    EXPECT_EQ(runtime.find<SmokeQuestion>(), nullptr);
}

TEST_F(QtSmokeTest, TimersRunInTheQtLoopAndInWaits)
{
    dialog().blink.setInterval(20);
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GE(dialog().ticks, 3);

    const int before = dialog().ticks;
    QElapsedTimer elapsed;
    elapsed.start();
    runtime.wait(100);
    EXPECT_GE(elapsed.elapsed(), 100);
    EXPECT_GE(dialog().ticks - before, 3);
}

TEST_F(QtSmokeTest, F1OpensTheHelpViewerAtTheFormsTopic)
{
    const std::filesystem::path page = std::filesystem::path(__FILE__).parent_path() / "../../docs/help/topic330.html";
    qt.setHelpSource([&page](int topic) { return topic == 42 ? page.string() : std::string(); });
    dialog().setHelpTopic(42);
    sendKey(mirrorOf(dialog().valuetxt).focusTarget(), Qt::Key_F1, QString());
    EXPECT_EQ(runtime.lastHelpTopic(), 42);
    QWidget* viewer = nullptr;
    QTextBrowser* browser = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = window->findChild<QTextBrowser*>(); found && window->isVisible()) viewer = window, browser = found;
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains("Load Target Position"));

    // Help asked for from a modal window belongs to that window, which would block it otherwise.
    auto& question = runtime.instance<SmokeQuestion>(runtime);
    question.setHelpTopic(42);
    QWindow* helpOwner = nullptr;
    QWindow* modalWindow = nullptr;
    QTimer::singleShot(0, [&] {
        sendKey(mirrorOf(question.okcmd).widget(), Qt::Key_F1, QString());
        modalWindow = qt.renderer()->windowOf(question)->windowHandle();
        helpOwner = viewer->windowHandle()->transientParent();
        click(mirrorOf(question.okcmd).widget());
    });
    EXPECT_TRUE(question.showModal());
    EXPECT_NE(modalWindow, nullptr);
    EXPECT_EQ(helpOwner, modalWindow);
}

TEST_F(QtSmokeTest, ClosingTheMainWindowEndsTheProgram)
{
    qt.renderer()->mainWindow().close();
    EXPECT_TRUE(runtime.ended());
    EXPECT_EQ(runtime.find<SmokeDialog>(), nullptr);
}

TEST_F(QtSmokeTest, TheMainWindowRendersToAScreenshot)
{
    typeText(mirrorOf(dialog().valuetxt).focusTarget(), "12.5");
    click(mirrorOf(dialog().runcmd).widget());
    dialog().boardlist.setListIndex(1);
    settle();

    const char* folder = std::getenv("TARVIK_SCREENSHOT_DIR");
    const std::filesystem::path path = std::filesystem::path(folder ? folder : ".") / "qt-smoke.png";
    ASSERT_TRUE(qt.renderer()->mainWindow().grab().save(QString::fromStdString(path.string())));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
}

} // namespace
} // namespace tarvik::testing
