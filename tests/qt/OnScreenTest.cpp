// Every window the program builds, as a user sees it on a real X server with a window manager
// (run by the qt.OnScreen test at 1366x768, scale 1 and 2; skipped on other platforms): every
// window fits the screen, every control lies in its window's area (or can be scrolled to), no
// caption is clipped, no control lies over part of another, over a lamp, a panel's or frame's
// border or a line, and the active window shows its focus where the keyboard has it, so that
// Enter acts on the button drawn as default.

#include "EveryBuiltForm.h"
#include "OnScreenKit.h"

#include "qt/ControlWidget.h"
#include "qt/FocusMark.h"
#include "qt/QtUnits.h"
#include "qt/Renderer.h"
#include "runtime/StaticControls.h"
#include "shell/ConfirmWindow.h"
#include "shell/Shell.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPointer>
#include <QRadioButton>
#include <QRegion>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
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

// Lines draw borders and arrows.
bool isLine(const Control& control) { return control.kind() == ControlKind::Line; }
// Lines and shapes make one drawing beneath the controls; shapes and frames hold controls
// inside their border lines.
bool isDrawing(const Control& control) { return isLine(control) || control.kind() == ControlKind::Shape; }
bool isOutline(const Control& control) { return control.kind() == ControlKind::Shape || control.kind() == ControlKind::Frame; }

// Rounding and the window manager's frame shift controls by a pixel or two.
constexpr int kSlack = 2;

// A control as it is painted on the window's surface.
struct Shown {
    const Control* control = nullptr;
    const QWidget* widget = nullptr;
    // The widget's area on the surface.
    QRect body;
    // What it paints over whatever lies beneath it, and what of it must stay in view.
    QRegion paints;
    QRegion seen;
};

// The ink of a borderless label's text, without the blank above and below the letters.
QRegion inkOf(const QLabel& label)
{
    if (label.text().isEmpty()) return {};
    const QFontMetrics metrics = label.fontMetrics();
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect lines = metrics.boundingRect(label.contentsRect(), flags, label.text());
    const QRect letters = metrics.tightBoundingRect(label.text());
    const int above = std::max(0, metrics.ascent() + letters.top());
    const int below = std::max(0, metrics.height() - 1 - metrics.ascent() - letters.bottom());
    return QRegion(lines.adjusted(0, above, 0, -below) & label.rect());
}

// An option's or check box's mark and caption: the rest of it is blank.
QRegion markAndCaptionOf(const QAbstractButton& button, QStyle::SubElement mark, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    QRegion seen(button.style()->subElementRect(mark, &option, &button));
    if (!button.text().isEmpty()) {
        const QRect room = button.style()->subElementRect(contents, &option, &button);
        seen += button.fontMetrics().boundingRect(room, Qt::AlignLeft | Qt::AlignVCenter, button.text()) & room;
    }
    return seen;
}

// A shape's figure within its widget.
QRegion figureOf(const Shape& shape, const QRect& area)
{
    const int side = std::min(area.width(), area.height());
    const QRect square(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    switch (shape.shape()) {
    case Shape::Kind::Square:
    case Shape::Kind::RoundedSquare: return QRegion(square);
    case Shape::Kind::Circle: return QRegion(square, QRegion::Ellipse);
    case Shape::Kind::Oval: return QRegion(area, QRegion::Ellipse);
    case Shape::Kind::Rectangle:
    case Shape::Kind::RoundedRectangle: break;
    }
    return QRegion(area);
}

Shown shownOf(const Control& control, QWidget& widget, QWidget& surface)
{
    const QRect body(widget.mapTo(&surface, QPoint(0, 0)), widget.size());
    const QPoint origin = body.topLeft();
    const QRect local = widget.rect();
    Shown shown{.control = &control, .widget = &widget, .body = body, .paints = QRegion(local), .seen = QRegion(local)};
    if (const auto* shape = dynamic_cast<const Shape*>(&control)) {
        // A filled figure hides what lies beneath it; of the figure, its border line must show.
        const int border = shape->borderWidth();
        const QRegion figure = figureOf(*shape, local);
        shown.seen = figure - figureOf(*shape, local.adjusted(border, border, -border, -border));
        shown.paints = shape->fillStyle() == Shape::TransparentFill ? shown.seen : figure;
    } else if (const auto* frame = dynamic_cast<const Frame*>(&control)) {
        // An etched border two pixels wide; with a caption, its top runs through the caption.
        const int top = frame->caption().empty() ? 0 : widget.fontMetrics().height() / 2;
        shown.seen = shown.paints = QRegion(local) - QRegion(local.adjusted(2, top + 2, -2, -2));
    } else if (const auto* line = dynamic_cast<const Line*>(&control)) {
        // Its ends are given on its container's surface.
        const QPoint start = QPoint(toPixels(line->x1()), toPixels(line->y1())) - widget.pos();
        const QPoint end = QPoint(toPixels(line->x2()), toPixels(line->y2())) - widget.pos();
        QPainterPath path(start);
        path.lineTo(end);
        QPainterPathStroker stroker;
        stroker.setWidth(std::max(1, line->borderWidth()));
        shown.seen = shown.paints = QRegion(stroker.createStroke(path).toFillPolygon().toPolygon());
    } else if (auto* label = qobject_cast<QLabel*>(&widget); label && label->frameShape() == QFrame::NoFrame) {
        // It fills its whole area with its back colour; a user reads its letters.
        shown.seen = inkOf(*label);
    } else if (auto* option = qobject_cast<QRadioButton*>(&widget)) {
        shown.seen = shown.paints = markAndCaptionOf(*option, QStyle::SE_RadioButtonIndicator, QStyle::SE_RadioButtonContents);
    } else if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
        shown.seen = shown.paints = markAndCaptionOf(*check, QStyle::SE_CheckBoxIndicator, QStyle::SE_CheckBoxContents);
    }
    shown.paints.translate(origin);
    shown.seen.translate(origin);
    return shown;
}

// True when `upper` is painted after `lower`: a widget over the one holding it, siblings in
// their stacking order.
bool paintedOver(const QWidget* upper, const QWidget* lower)
{
    for (const QWidget* u = upper; u; u = u->parentWidget())
        for (const QWidget* l = lower; l; l = l->parentWidget()) {
            if (u == l) return u == lower;
            if (u->parentWidget() && u->parentWidget() == l->parentWidget()) {
                const QObjectList& order = u->parentWidget()->children();
                return order.indexOf(u) > order.indexOf(l);
            }
        }
    return false;
}

// How `upper` spoils what a user sees of `lower`, if it does: a control may lie wholly inside a
// shape or frame, but neither on its border line nor over any part of another control or line.
// The drawing's strokes meet where they are drawn to.
std::optional<std::string> spoiled(const Shown& upper, const Shown& lower)
{
    if (isDrawing(*upper.control) && isDrawing(*lower.control)) return std::nullopt;
    if (!upper.paints.intersects(lower.seen)) return std::nullopt;
    if (isOutline(*lower.control)) return "lies on the border of";
    if (isLine(*lower.control)) return "lies across";
    return "lies over";
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
        if (frame && frame->isWindow()) waitUntil(frame, placed);
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
    // that, scrolls; captions fit; what one control paints leaves what a user must see of
    // another in view.
    void checkControls(const Form& form, QWidget& window, QScrollArea& scroller, QWidget& surface)
    {
        const QSize decoration = window.isWindow() ? window.frameGeometry().size() - window.size()
                                                   : window.size() - window.contentsRect().size();
        // The area the form was laid out for; a window shown smaller than that scrolls over its
        // whole surface.
        QRect designed(0, 0, toPixels(form.width()) - decoration.width(), toPixels(form.height()) - decoration.height());
        if (scroller.horizontalScrollBar()->isVisible() || scroller.verticalScrollBar()->isVisible())
            designed |= surface.rect();
        std::vector<Shown> painted;
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
            painted.push_back(shownOf(*control, widget, surface));
        }
        for (const Shown& upper : painted)
            for (const Shown& lower : painted)
                if (&upper != &lower && paintedOver(upper.widget, lower.widget))
                    if (const std::optional<std::string> fault = spoiled(upper, lower))
                        findings_.push_back(where(form, *upper.control) + " " + text(upper.body) + " " + *fault + " " +
                                            lower.control->qualifiedName() + " " + text(lower.body));
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
    waitUntil(&program.window(), placed);
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
            windowManagerCaughtUp();
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
