#include "qt/FormView.h"

#include "qt/ControlWidget.h"
#include "qt/ControlWidgetFactory.h"
#include "qt/EventHook.h"
#include "qt/FocusMark.h"
#include "qt/FormFont.h"
#include "qt/MainWindow.h"
#include "qt/QtUnits.h"
#include "qt/QuietShowing.h"
#include "runtime/Buttons.h"
#include "runtime/Control.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "runtime/UserInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>


namespace tarvik {

namespace {

void fill(QWidget& frame, QWidget& content)
{
    auto* layout = new QVBoxLayout(&frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(&content);
}

// A scroll area that shows its bars only when the frame is smaller than the form's controls,
// and never takes the focus itself.
QScrollArea* newScroller()
{
    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    return scroller;
}

bool writesText(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Shape:
    case ControlKind::Line:
    case ControlKind::Image:
    case ControlKind::ScrollBar:
    case ControlKind::Timer:
    case ControlKind::Menu: return false;
    default: return true;
    }
}

// What can move the focus ring or change the button Enter presses: a readout's new text cannot.
bool touchesFocus(Property property)
{
    switch (property) {
    case Property::Geometry:
    case Property::Visible:
    case Property::Enabled:
    case Property::Style: return true;
    default: return false;
    }
}

// Every framed window has a title and a close box; which other boxes it has is the form's choice.
constexpr Qt::WindowFlags kTitleFlags =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

Qt::WindowStates qtStateOf(WindowState state)
{
    switch (state) {
    case WindowState::Minimized: return Qt::WindowMinimized;
    case WindowState::Maximized: return Qt::WindowMaximized;
    case WindowState::Normal: break;
    }
    return Qt::WindowNoState;
}

} // namespace

FormView::FormView(Form& form, InputBridge& bridge, MainWindow& main)
    : form_(form), bridge_(bridge), main_(main), surface_(new QWidget)
{
    surface_->setFocusPolicy(Qt::NoFocus);
    focusMark_ = new FocusMark(*surface_);
    surfaceHook_ = new EventHook(*surface_, [this](QEvent& event) { return surfaceEvent(event); });
    for (Control* control : form.controls()) addControl(*control);
}

FormView::~FormView()
{
    for (auto& [control, widget] : widgets_) widget->detach();
    // The hook may be running (a key on the surface unloaded the form): it stops listening now
    // and goes with the surface.
    if (surfaceHook_ && surface_) surface_->removeEventFilter(surfaceHook_);
    dropFrame();
    if (surface_) surface_->deleteLater();
}

void FormView::addControl(Control& control)
{
    if (widgets_.contains(&control)) return;
    QWidget* parent = surface_;
    if (Control* container = control.container(); container && container->kind() != ControlKind::Menu) {
        addControl(*container);
        if (ControlWidget* holder = widgetOf(*container)) parent = &holder->widget();
    }
    // The form face is loaded with the first control that writes text: a window of pictures
    // and menus only (the main window and its background, at start-up) never needs it.
    if (!hasFormFont_ && writesText(control.kind())) {
        surface_->setFont(formFont());
        hasFormFont_ = true;
    }
    ControlWidget* created = createControlWidget(control, bridge_, *parent);
    if (!created) return;
    widgets_[&control] = created;
    // Shapes and lines are drawn beneath the controls they frame.
    if (control.kind() == ControlKind::Shape || control.kind() == ControlKind::Line) created->widget().lower();
    showFocus();
}

ControlWidget* FormView::widgetOf(const Control& control) const
{
    auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
}

QWidget* FormView::window() const
{
    QWidget* frame = frameWidget();
    return frame && frame->isVisible() ? frame : nullptr;
}

QWidget* FormView::frameWidget() const
{
    switch (kind_) {
    case FrameKind::Main: return &main_;
    case FrameKind::Child: return child_;
    case FrameKind::Dialog:
    case FrameKind::Window: return window_;
    case FrameKind::None: break;
    }
    return nullptr;
}

FormView::FrameKind FormView::wantedFrame() const
{
    if (bridge_.runtime().mainForm() == &form_) return FrameKind::Main;
    if (form_.isModal()) return FrameKind::Dialog;
    return form_.mdiChild() ? FrameKind::Child : FrameKind::Window;
}

void FormView::reframe()
{
    const FrameKind wanted = wantedFrame();
    if (wanted == kind_) return;
    auto scope = bridge_.mirrorScope();
    dropFrame();
    kind_ = wanted;
    switch (wanted) {
    case FrameKind::Main:
        main_.bind(form_, *surface_);
        if (!mainWatched_) watchDecoration(main_);
        mainWatched_ = true;
        break;
    case FrameKind::Child:
        child_ = new FormFrame<QMdiSubWindow>(bridge_, false);
        child_->setWindowFlags(frameFlags(FrameKind::Child));
        // Activation raises a child window; a backdrop goes straight back behind the others.
        new EventHook(*child_, [frame = child_.data()](QEvent& event) {
            if (event.type() == QEvent::ZOrderChange && isBackdrop(*frame)) frame->lower();
            return false;
        });
        scroller_ = newScroller();
        scroller_->setWidget(surface_);
        child_->setWidget(scroller_);
        main_.mdiArea().addSubWindow(child_);
        child_->link(&form_);
        break;
    case FrameKind::Dialog:
    case FrameKind::Window:
        window_ = new FormFrame<QWidget>(bridge_, true, &main_, frameFlags(wanted));
        if (wanted == FrameKind::Dialog) window_->setWindowModality(Qt::ApplicationModal);
        scroller_ = newScroller();
        scroller_->setWidget(surface_);
        fill(*window_, *scroller_);
        window_->link(&form_);
        watchDecoration(*window_);
        break;
    case FrameKind::None: break;
    }
    surface_->show();
    fitExtent();
    applyCaption();
    applyGeometry();
    applyWindowState();
}

// A modal window is never minimised or maximised; a modeless one has the boxes its form asks for,
// and a fixed dialog border has neither. A top-level form without a border has no title bar (a
// child window without a caption is a backdrop, see applyBackdrop).
Qt::WindowFlags FormView::frameFlags(FrameKind kind) const
{
    Qt::WindowFlags flags = kind == FrameKind::Child ? Qt::SubWindow : kind == FrameKind::Dialog ? Qt::Dialog : Qt::Window;
    if (form_.borderStyle() == BorderStyle::None && kind == FrameKind::Window) return flags | Qt::FramelessWindowHint;
    flags |= kTitleFlags;
    if (kind == FrameKind::Dialog || form_.borderStyle() == BorderStyle::FixedDialog) return flags;
    if (form_.minButton()) flags |= Qt::WindowMinimizeButtonHint;
    if (form_.maxButton()) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

void FormView::dropFrame()
{
    auto scope = bridge_.mirrorScope();
    // The surface outlives its frame: it leaves the scroll area before the frame goes.
    if (scroller_) {
        if (surface_ && scroller_->widget() == surface_) scroller_->takeWidget();
        if (surface_) surface_->setParent(nullptr);
        scroller_->deleteLater();
        scroller_ = nullptr;
    }
    switch (kind_) {
    case FrameKind::Main:
        main_.unbind();
        if (surface_) surface_->setParent(nullptr);
        break;
    case FrameKind::Child:
        if (child_) {
            child_->link(nullptr);
            child_->hide();
            main_.mdiArea().removeSubWindow(child_);
            child_->deleteLater();
        }
        break;
    case FrameKind::Dialog:
    case FrameKind::Window:
        if (window_) {
            window_->link(nullptr);
            if (surface_) surface_->setParent(nullptr);
            window_->hide();
            window_->deleteLater();
        }
        break;
    case FrameKind::None: break;
    }
    kind_ = FrameKind::None;
}

void FormView::refreshFrame()
{
    if (form_.visible())
        showVisibility();
    else if (wantedFrame() == FrameKind::Main || kind_ == FrameKind::Main)
        reframe();
}

void FormView::showVisibility()
{
    auto scope = bridge_.mirrorScope();
    if (!form_.visible()) {
        if (QWidget* frame = frameWidget()) frame->hide();
        opening_ = false;
        return;
    }
    reframe();
    QWidget* frame = frameWidget();
    if (!frame) return;
    // Child windows live in the main window, which shows with the first of them.
    if (kind_ == FrameKind::Child && !main_.isVisible()) main_.show();
    const bool opens = !frame->isVisible();
    opening_ = opening_ || opens;
    // A window of its own that the program opens while the user is in another application
    // leaves the user there.
    if (opens && (kind_ == FrameKind::Dialog || kind_ == FrameKind::Window) && main_.inBackground())
        showQuietly(*frame);
    else
        frame->show();
    applyWindowState();
}

void FormView::applyCaption()
{
    QWidget* frame = frameWidget();
    if (!frame) return;
    frame->setWindowTitle(toQString(form_.caption()));
    if (kind_ == FrameKind::Child) applyBackdrop();
}

// A child window without a caption has no title bar and no border and stays behind the other
// child windows: it is a backdrop of the main window's area, not a window of its own.
void FormView::applyBackdrop()
{
    const bool backdrop = form_.caption().empty();
    const Qt::ScrollBarPolicy bars = backdrop ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    scroller_->setHorizontalScrollBarPolicy(bars);
    scroller_->setVerticalScrollBarPolicy(bars);
    if (isBackdrop(*child_) == backdrop) return;
    auto scope = bridge_.mirrorScope();
    const bool shown = child_->isVisible();
    child_->setWindowFlag(Qt::FramelessWindowHint, backdrop);
    if (shown) child_->show();
    if (backdrop) child_->lower();
}

void FormView::applyWindowState()
{
    QWidget* frame = frameWidget();
    if (!frame) return;
    auto scope = bridge_.mirrorScope();
    const Qt::WindowStates wanted = qtStateOf(form_.windowState());
    if ((frame->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) != wanted) frame->setWindowState(wanted);
    if (wanted == Qt::WindowNoState) applyGeometry();
}

// A child window comes to the front of the main window's area; a window of its own is never
// raised over other windows from here: only activation, which the user's input allows, does that.
void FormView::applyZOrder()
{
    QWidget* frame = frameWidget();
    if (!frame) return;
    const auto forms = bridge_.runtime().forms();
    if (forms.empty()) return;
    auto scope = bridge_.mirrorScope();
    if (forms.front() == &form_) {
        if (kind_ == FrameKind::Child) frame->raise();
    } else if (forms.back() == &form_) {
        frame->lower();
    }
}

void FormView::showActive(Activation activation)
{
    if (bridge_.runtime().activeForm() != &form_) return;
    QWidget* frame = window();
    if (!frame) return;
    auto scope = bridge_.mirrorScope();
    if (kind_ == FrameKind::Child && main_.mdiArea().activeSubWindow() != child_) main_.mdiArea().setActiveSubWindow(child_);
    // A child window has the keyboard through the main window.
    QWidget& outer = kind_ == FrameKind::Child ? static_cast<QWidget&>(main_) : *frame;
    // A window just opened takes the keyboard once, as a window system gives it to a new window,
    // unless the user is in another application: a child window then asks for attention through
    // the main window (a window of its own was shown quietly).
    if (std::exchange(opening_, false)) {
        if (!main_.inBackground())
            activation = Activation::Allowed;
        else if (kind_ == FrameKind::Child)
            QApplication::alert(&main_);
    }
    if (activation == Activation::Allowed && !outer.isActiveWindow()) {
        outer.raise();
        outer.activateWindow();
    }
    Control* focused = form_.activeControl();
    ControlWidget* widget = focused ? widgetOf(*focused) : nullptr;
    if (widget && QApplication::focusWidget() != &widget->focusTarget()) {
        widget->focusTarget().setFocus(Qt::OtherFocusReason);
        // In a frame smaller than the form, the control the focus went to scrolls into view.
        if (scroller_) scroller_->ensureWidgetVisible(&widget->widget());
    }
    showFocus();
}

void FormView::showFocus()
{
    Control* focused = form_.isActive() ? form_.activeControl() : nullptr;
    ControlWidget* marked = focused && focused->canTakeInput() ? widgetOf(*focused) : nullptr;
    if (focusMark_) focusMark_->follow(marked ? &marked->widget() : nullptr);
    // Enter presses the focused button, else the Default one: only that button looks default.
    const CommandButton* enter = form_.enterButton();
    for (auto& [control, widget] : widgets_)
        if (auto* button = qobject_cast<QPushButton*>(&widget->widget())) button->setDefault(control == enter);
}

bool FormView::hasKeyboard() const
{
    const QWidget* frame = window();
    return frame && frame->isWindow() && frame->isActiveWindow();
}

void FormView::formChanged(Property property, Activation activation)
{
    switch (property) {
    case Property::Caption: applyCaption(); break;
    case Property::Geometry: applyGeometry(); break;
    case Property::Visible: showVisibility(); break;
    case Property::Enabled: surface_->setEnabled(form_.enabled()); break;
    case Property::WindowState: applyWindowState(); break;
    case Property::ZOrder: applyZOrder(); break;
    case Property::Active:
    case Property::Focus: showActive(activation); break;
    default: break;
    }
    showFocus();
}

void FormView::controlChanged(Control& control, Property property)
{
    if (ControlWidget* widget = widgetOf(control)) widget->mirror(property);
    if (touchesFocus(property)) showFocus();
    if (property != Property::Geometry && property != Property::Visible) return;
    if (kind_ == FrameKind::Main)
        main_.fitStrip();
    else if (!control.container())
        fitExtent();
}

bool FormView::surfaceEvent(QEvent& event)
{
    switch (event.type()) {
    case QEvent::KeyPress: bridge_.key(form_, nullptr, static_cast<QKeyEvent&>(event)); return true;
    case QEvent::KeyRelease: return true;
    case QEvent::MouseButtonRelease: {
        auto& mouse = static_cast<QMouseEvent&>(event);
        if (mouse.button() == Qt::LeftButton) bridge_.userDid([this](UserInput& input) { input.clickForm(form_); });
        return true;
    }
    default: return false;
    }
}

} // namespace tarvik
