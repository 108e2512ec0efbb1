// Every window the program builds, as a user sees it on a real X server with a window manager
// (run by the qt.OnScreen test at 1366x768, scale 1 and 2; skipped on other platforms): every
// window fits the screen, every control lies in its window's area (or can be scrolled to), no
// caption is clipped, no two controls overlap in part, and the active window shows its focus
// where the keyboard has it, so that Enter acts on the button drawn as default.

#include "EveryBuiltForm.h"
#include "OnScreenKit.h"

#include "forms/qt/ControlWidget.h"
#include "forms/qt/FocusMark.h"
#include "forms/qt/QtUnits.h"
#include "forms/qt/Renderer.h"
#include "program/ConfirmWindow.h"
#include "program/Shell.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string_view>

namespace tarvik::testing {
namespace {

// Lines are drawn as borders and arrows across other controls.
bool isLine(const Control& control) { return control.kind() == ControlKind::Line; }

// What a user sees of a control: a label without a border shows only its text.
QRect seenRect(QWidget& widget, QWidget& surface)
{
    const QRect whole(widget.mapTo(&surface, QPoint(0, 0)), widget.size());
    auto* label = qobject_cast<QLabel*>(&widget);
    if (!label || label->frameShape() != QFrame::NoFrame) return whole;
    if (label->text().isEmpty()) return {};
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect text = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
    return text.translated(whole.topLeft()) & whole;
}

// Rounding and the window manager's frame shift controls by a pixel or two.
constexpr int kSlack = 2;

bool overlapsInPart(const QRect& a, const QRect& b)
{
    const QRect common = a & b;
    return common.width() > kSlack && common.height() > kSlack && !a.contains(b) && !b.contains(a);
}

class OnScreenChecks {
public:
    OnScreenChecks(Renderer& renderer, Runtime& runtime) : renderer_(renderer), runtime_(runtime) {}

    void visit(Form& form)
    {
        QPointer<QWidget> window = renderer_.windowOf(form);
        if (!window) return;
        QPointer<QWidget> frame = window->window();
        const std::string name = form.name();
        if (!waitUntil(frame, exposed)) return findings_.push_back(name + ": never shown");
        // Waiting lets the program run: the window may have gone meanwhile.
        if (!window || !frame || !isLoaded(runtime_, form)) return;
        checkFitsScreen(form, *window);
        auto* scroller = qobject_cast<QScrollArea*>(window->findChild<QScrollArea*>());
        QWidget* surface = scroller ? scroller->widget() : nullptr;
        if (surface) checkControls(form, *window, *scroller, *surface);
        if (form.isActive()) checkFocus(form, *frame);
    }

    const std::vector<std::string>& findings() const { return findings_; }

private:
    // A window lies within its screen (a child window within the main window's area) and, where
    // that has room, is as large as its form: the form's size is the outer size, border and
    // title bar included.
    void checkFitsScreen(const Form& form, QWidget& window)
    {
        const bool child = !window.isWindow();
        const QRect outer = child ? window.geometry() : window.frameGeometry();
        const QRect area = child ? window.parentWidget()->rect() : window.screen()->availableGeometry();
        if (!area.contains(outer))
            findings_.push_back(form.name() + ": window " + text(outer) + " outside " + (child ? "the main window's " : "the screen's ") +
                                text(area));
        const QSize wanted(toPixels(form.width()), toPixels(form.height()));
        if (form.windowState() == WindowState::Normal && area.width() >= wanted.width() && area.height() >= wanted.height() &&
            (std::abs(outer.width() - wanted.width()) > kSlack || std::abs(outer.height() - wanted.height()) > kSlack))
            findings_.push_back(form.name() + ": window " + std::to_string(outer.width()) + "x" + std::to_string(outer.height()) +
                                " where its form asks " + std::to_string(wanted.width()) + "x" + std::to_string(wanted.height()));
    }

    // Each control inside the area the form was laid out for; the frame, shown smaller than
    // that, scrolls; captions fit; controls overlap only whole within one another.
    void checkControls(const Form& form, QWidget& window, QScrollArea& scroller, QWidget& surface)
    {
        const QSize decoration = window.isWindow() ? window.frameGeometry().size() - window.size()
                                                   : window.size() - window.contentsRect().size();
        // The area the form was laid out for; a window shown smaller than that scrolls over its
        // whole surface.
        QRect designed(0, 0, toPixels(form.width()) - decoration.width(), toPixels(form.height()) - decoration.height());
        if (scroller.horizontalScrollBar()->isVisible() || scroller.verticalScrollBar()->isVisible())
            designed |= surface.rect();
        std::vector<std::pair<const Control*, QRect>> placed;
        for (Control* control : form.controls()) {
            ControlWidget* shown = renderer_.widgetOf(*control);
            if (!shown || !control->effectivelyVisible() || control->kind() == ControlKind::Menu) continue;
            QWidget& widget = shown->widget();
            const QRect rect(widget.mapTo(&surface, QPoint(0, 0)), widget.size());
            if (!isLine(*control) && !designed.adjusted(-kSlack, -kSlack, kSlack, kSlack).contains(rect))
                findings_.push_back(where(form, *control) + ": at " + text(rect) + " outside the window's " + text(designed));
            if (const int overflow = shown->captionOverflow(); overflow > 0)
                findings_.push_back(where(form, *control) + ": caption needs " + std::to_string(overflow) + " px more");
            if (auto* label = qobject_cast<QLabel*>(&widget); label && !label->text().isEmpty() &&
                label->fontMetrics().boundingRect(label->text()).height() > label->contentsRect().height() + kSlack)
                findings_.push_back(where(form, *control) + ": caption cut at the bottom");
            if (!isLine(*control)) placed.emplace_back(control, seenRect(widget, surface));
        }
        for (std::size_t i = 0; i < placed.size(); ++i)
            for (std::size_t j = i + 1; j < placed.size(); ++j) {
                const QRect a = placed[i].second, b = placed[j].second;
                if (overlapsInPart(a, b))
                    findings_.push_back(where(form, *placed[i].first) + " " + text(a) + " overlaps " +
                                        placed[j].first->qualifiedName() + " " + text(b));
            }
        const QSize viewport = scroller.viewport()->size();
        const bool wider = surface.minimumWidth() > viewport.width();
        const bool taller = surface.minimumHeight() > viewport.height();
        if ((wider && !scroller.horizontalScrollBar()->isVisible()) || (taller && !scroller.verticalScrollBar()->isVisible()))
            findings_.push_back(form.name() + ": larger than its window and no scroll bar");
    }

    void checkFocus(const Form& form, QWidget& window)
    {
        QPointer<QWidget> frame = &window;
        const std::string name = form.name();
        const bool activated = waitUntil(frame, active);
        if (!frame || !isLoaded(runtime_, form)) return;
        if (!activated) return findings_.push_back(name + ": never active");
        const Control* focused = form.activeControl();
        ControlWidget* shown = focused ? renderer_.widgetOf(*focused) : nullptr;
        if (!shown || !focused->canTakeInput()) return;
        if (QApplication::focusWidget() != &shown->focusTarget())
            findings_.push_back(where(form, *focused) + ": has the focus, but the keyboard is elsewhere");
        for (QWidget* child : frame->findChildren<QWidget*>())
            if (auto* mark = dynamic_cast<FocusMark*>(child); mark && mark->isVisible() && mark->target() == &shown->widget())
                return;
        findings_.push_back(where(form, *focused) + ": has the focus, but no ring shows it");
    }

    Renderer& renderer_;
    Runtime& runtime_;
    std::vector<std::string> findings_;
};

// The real program on the X server the qt.OnScreen test starts; it ends with the test.
class OnScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!onScreen()) GTEST_SKIP() << "needs an X server with a window manager (the qt.OnScreen test)";
    }
    void TearDown() override
    {
        program.runtime.endProgram();
        settle();
    }

    RunningProgram program;
};

TEST_F(OnScreen, EveryWindowFitsTheScreenAndShowsItsControlsWholeAndItsFocus)
{
    initialiseAtStartUp({1, 3});
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window(), 5000));
    OnScreenChecks checks(*program.qt.renderer(), program.runtime);
    const QRect area = program.window().screen()->availableGeometry();
    EXPECT_TRUE(area.contains(program.window().frameGeometry()))
        << "main window " << text(program.window().frameGeometry()) << " outside the screen's " << text(area);
    visitEveryBuiltForm(program, [&](Form& form) { checks.visit(form); });
    EXPECT_TRUE(checks.findings().empty()) << "Seen on screen:" << listed(checks.findings());
}

TEST_F(OnScreen, TheErrorWindowOpensWithTheKeyboardOnOkAndEnterClosesIt)
{
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window(), 5000));
    std::optional<bool> okHasKeyboard;
    QTimer::singleShot(0, [&] {
        Form* shown = program.runtime.modalForm();
        QPointer<QWidget> window = shown ? program.qt.renderer()->windowOf(*shown) : nullptr;
        // The window manager hands the keyboard over once the window is up.
        if (!waitUntil(window, [](QWidget& frame) {
                return frame.isActiveWindow() && QApplication::focusWidget() && frame.isAncestorOf(QApplication::focusWidget());
            }))
            return;
        Control* ok = shown->findControl("okcmd");
        okHasKeyboard = ok && QApplication::focusWidget() == &program.qt.renderer()->widgetOf(*ok)->focusTarget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    // Should Enter not close it, the test still ends.
    QTimer::singleShot(5000, [&] {
        if (Form* shown = program.runtime.modalForm()) shown->unload();
    });
    ShowErrorMessage(program.app, "The board did not answer.");
    EXPECT_EQ(okHasKeyboard, true);
    EXPECT_EQ(program.runtime.modalForm(), nullptr);
}

TEST_F(OnScreen, AConfirmationKeepsItsSizeInsideTheWindowManagersFrameAndCannotBeResized)
{
    ASSERT_TRUE(program.start());
    auto& confirm = program.app.form<ConfirmBoardWindow>();
    const QSize asked(toPixels(confirm.width()), toPixels(confirm.height()));
    std::optional<QSize> outer;
    std::optional<bool> fixed;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> window = program.qt.renderer()->windowOf(confirm);
        // Framed once the window manager has put its border and title bar around it.
        if (waitUntil(window, [](QWidget& frame) { return frame.frameGeometry().size() != frame.size(); })) {
            QTest::qWait(100);
            outer = window->frameGeometry().size();
            fixed = window->minimumSize() == window->maximumSize();
        }
        confirm.unload();
    });
    confirm.showModal();
    EXPECT_EQ(outer, asked);
    EXPECT_EQ(fixed, true);
}

} // namespace
} // namespace tarvik::testing
