#include "runtime/Runtime.h"

#include "runtime/Control.h"
#include "runtime/EndSignals.h"
#include "runtime/Timer.h"
#include "runtime/UserInput.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace tarvik {

namespace {

std::filesystem::path executableFolder()
{
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return exe.parent_path();
    auto here = std::filesystem::current_path(error);
    return error ? std::filesystem::path(".") : here;
}

} // namespace

Runtime::Runtime(Clock& clock, Host& host)
    : clock_(clock), host_(host), input_(std::make_unique<UserInput>(*this)),
      programFolder_(executableFolder())
{
}

Runtime::~Runtime()
{
    // Forms go first: their timers and controls unregister from the runtime as they die.
    observers_.clear();
    unloaded_.clear();
    instances_.clear();
    zOrder_.clear();
    modalStack_.clear();
    active_ = nullptr;
    main_ = nullptr;
    while (!forms_.empty()) forms_.pop_back();
}

// ---- Forms ---------------------------------------------------------------------------------

Form* Runtime::findForm(std::string_view name) const
{
    for (Form* form : zOrder_)
        if (form->name() == name) return form;
    return nullptr;
}

void Runtime::adopt(std::unique_ptr<Form> owned, std::type_index type)
{
    if (&owned->runtime() != this) throw std::logic_error("form " + owned->name() + " belongs to another runtime");
    Form& form = *owned;
    form.type_ = type;
    form.loaded_ = true;
    forms_.push_back(std::move(owned));
    instances_[type] = &form;
    zOrder_.push_back(&form);
    form.announced_ = true;
    // Its timers count from now on.
    dueChanged();
    for (auto* observer : observers_) observer->formCreated(form);
    dispatchQuiet([&] { form.Form_Load(); });
    if (form.loaded_)
        for (auto* observer : observers_) observer->formLoaded(form);
}

bool Runtime::unloadForm(Form& form, UnloadReason reason)
{
    if (!form.loaded_) return true;
    if (form.unloading_) return false;
    const bool ending = reason == UnloadReason::ProgramEnd;
    return dispatchQuiet([&] {
        struct Unloading {
            Form& form;
            ~Unloading() { form.unloading_ = false; }
        } mark{form};
        form.unloading_ = true;
        int cancel = 0;
        form.Form_QueryUnload(cancel, reason);
        if (cancel != 0 && !ending) return false;
        const bool isMain = &form == main_;
        if (isMain) {
            const auto others = zOrder_;
            for (Form* other : others) {
                if (other == &form || !other->loaded_) continue;
                if (!unloadForm(*other, ending ? reason : UnloadReason::MainWindowClosing) && !ending) return false;
            }
        }
        cancel = 0;
        form.Form_Unload(cancel);
        if (cancel != 0 && !ending) return false;
        if (form.loaded_) discard(form);
        if (isMain && !ending) endProgram();
        return true;
    });
}

void Runtime::discard(Form& form)
{
    const bool wasActive = active_ == &form;
    form.loaded_ = false;
    form.visible_ = false;
    if (auto it = instances_.find(form.type_); it != instances_.end() && it->second == &form) instances_.erase(it);
    std::erase(zOrder_, &form);
    if (main_ == &form) main_ = nullptr;
    auto owned = std::find_if(forms_.begin(), forms_.end(), [&](const auto& f) { return f.get() == &form; });
    unloaded_.push_back(std::move(*owned));
    forms_.erase(owned);
    dueChanged();
    for (auto* observer : observers_) observer->formUnloaded(form);
    if (wasActive) {
        active_ = nullptr;
        activateTop();
    }
}

void Runtime::showForm(Form& form)
{
    const bool appearing = !form.visible_;
    if (appearing) {
        form.visible_ = true;
        form.notify(Property::Visible);
    }
    reorder(form, ZOrder::Front);
    if (!form.activeControl_) {
        const auto order = form.tabOrder();
        if (!order.empty()) form.activeControl_ = order.front();
    }
    if (appearing) form.Form_Resize();
    if (form.loaded_ && form.visible_ && (modalStack_.empty() || modalStack_.back() == &form)) activate(&form);
}

bool Runtime::runModal(Form& form)
{
    if (form.modal_) throw std::logic_error("form " + form.name() + " is already shown modally");
    if (unasked_) return false;
    return dispatchQuiet([&] {
        form.modal_ = true;
        modalStack_.push_back(&form);
        struct Pop {
            Runtime& rt;
            Form& form;
            ~Pop()
            {
                std::erase(rt.modalStack_, &form);
                form.modal_ = false;
            }
        } pop{*this, form};
        showForm(form);
        // An end signal ends the loop however the host runs it, answers scripted or not.
        auto finished = [&] { return !form.loaded_ || !form.visible_ || endOnSignal(); };
        try {
            if (!finished()) host_.runModal(*this, form, finished);
        } catch (...) {
            // The loop failed (nobody answered it): the window goes, the failure travels on.
            try {
                form.hide();
            } catch (...) {
            }
            throw;
        }
        if (form.loaded_ && form.visible_) form.hide();
        return !endRequested();
    });
}

void Runtime::formHidden(Form& form)
{
    if (active_ != &form) return;
    active_ = nullptr;
    notify(form, Property::Active);
    form.Form_Deactivate();
    if (!active_) activateTop();
}

void Runtime::activate(Form* form)
{
    if (form == active_) return;
    Form* previous = active_;
    active_ = form;
    // As a window system does, the activated window comes to the front before the deactivated
    // one hears of it, so that a Deactivate handler can send a window to the back again. The
    // main window holds the others: it stays behind them.
    if (form && form != main_) reorder(*form, ZOrder::Front);
    if (previous && previous->loaded_) {
        notify(*previous, Property::Active);
        previous->Form_Deactivate();
    }
    if (form && active_ == form) {
        notify(*form, Property::Active);
        form->Form_Activate();
    }
}

void Runtime::activateTop()
{
    for (auto it = modalStack_.rbegin(); it != modalStack_.rend(); ++it)
        if ((*it)->loaded_ && (*it)->visible_) return activate(*it);
    for (Form* form : zOrder_)
        if (form->visible_) return activate(form);
}

void Runtime::reorder(Form& form, ZOrder position)
{
    auto it = std::find(zOrder_.begin(), zOrder_.end(), &form);
    if (it == zOrder_.end()) return;
    const bool alreadyThere = position == ZOrder::Front ? it == zOrder_.begin() : it + 1 == zOrder_.end();
    if (alreadyThere) return;
    zOrder_.erase(it);
    if (position == ZOrder::Front)
        zOrder_.insert(zOrder_.begin(), &form);
    else
        zOrder_.push_back(&form);
    notify(form, Property::ZOrder);
}

bool Runtime::reachable(const Form& form) const
{
    if (!form.loaded_ || !form.visible_ || !form.enabled_ || endRequested()) return false;
    return modalStack_.empty() || modalStack_.back() == &form;
}

bool Runtime::keptFromUser(const Form& form) const
{
    // A window shown modally during a hold takes the input as it always does.
    return held_ && held_->window != &form && !form.modal_;
}

bool Runtime::keptFromUser(const Control& control) const
{
    return keptFromUser(control.form()) &&
           std::ranges::find(held_->controls, &control) == held_->controls.end();
}

bool Runtime::acceptsInput(const Form& form) const { return reachable(form) && !keptFromUser(form); }

bool Runtime::acceptsInput(const Control& control) const
{
    return reachable(control.form()) && !keptFromUser(control);
}

bool Runtime::acceptsClose(const Form& form) const
{
    return acceptsInput(form) || (held_ && held_->closable == &form && reachable(form));
}

void Runtime::moveFocus(Control& to)
{
    Form& form = to.form();
    Control* previous = form.activeControl_;
    if (previous == &to) return;
    form.activeControl_ = &to;
    form.notify(Property::Focus);
    if (previous) Control::raise(previous->onLostFocus);
    if (form.activeControl_ == &to && form.loaded_) Control::raise(to.onGotFocus);
}

// ---- Services ------------------------------------------------------------------------------

void Runtime::beep() { host_.beep(); }

int Runtime::msgBox(const std::string& prompt, int buttons, const std::string& title)
{
    if (endRequested() || unasked_) return msgbox::dismissAnswer(buttons);
    return dispatchQuiet([&] { return host_.messageBox(*this, prompt, buttons, title); });
}

bool Runtime::doEvents()
{
    if (endRequested()) return false;
    host_.processPendingInput(*this);
    runDue();
    return !endRequested();
}

bool Runtime::awaitEvents(std::int64_t deadlineMicros)
{
    if (endRequested()) return false;
    std::int64_t wake = deadlineMicros;
    if (const auto next = nextDueMicros(); next && *next < wake) wake = *next;
    const std::int64_t now = clock_.nowMicros();
    if (wake <= now) return doEvents();
    // The input that ends the sleep has run inside it: what fell due is left.
    host_.sleepUntilInput(*this, wake - now);
    runDue();
    return !endRequested();
}

void Runtime::requestHelp(int topic)
{
    lastHelpTopic_ = topic;
    host_.showHelp(topic);
}

void Runtime::endProgram()
{
    if (endRequested_ || ended_) return;
    endRequested_ = true;
    settle(false);
}

void Runtime::endUnasked()
{
    unasked_ = true;
    endProgram();
}

bool Runtime::endOnSignal()
{
    if (endSignals_ && endSignals_->drainArrivals() && !ended_) endUnasked();
    return endRequested();
}

void Runtime::settle(bool safePoint)
{
    if (depth_ != 0) return;
    if (endRequested_ && !shuttingDown_ && !ended_) shutdown();
    if (safePoint) unloaded_.clear();
}

void Runtime::shutdown()
{
    shuttingDown_ = true;
    endRequested_ = false;
    struct Phase {
        Runtime& rt;
        ~Phase()
        {
            --rt.depth_;
            rt.shuttingDown_ = false;
            rt.ended_ = true;
            rt.scheduled_.clear();
        }
    } phase{*this};
    ++depth_;
    // Forms that unload handlers load (a save question) are unloaded in a later pass.
    for (int pass = 0; pass < 8 && !zOrder_.empty(); ++pass) {
        auto order = zOrder_;
        std::stable_partition(order.begin(), order.end(), [&](Form* f) { return f != main_; });
        for (Form* form : order)
            if (form->loaded_) unloadForm(*form, UnloadReason::ProgramEnd);
    }
    for (auto* observer : observers_) observer->programEnded();
}

// ---- Input held for one window -------------------------------------------------------------

Runtime::InputHold::InputHold(Runtime& runtime, Reach reach) : runtime_(runtime), outer_(std::move(runtime.held_))
{
    runtime_.held_ = std::move(reach);
    runtime_.heldChanged();
}

Runtime::InputHold::~InputHold()
{
    runtime_.held_ = std::move(outer_);
    runtime_.heldChanged();
}

void Runtime::heldChanged()
{
    for (auto* observer : observers_) observer->inputHoldChanged();
}

Runtime::InputHold Runtime::holdInputFor(const Form& window, const Form* closable, std::vector<const Control*> controls)
{
    return InputHold(*this, {.window = &window, .closable = closable, .controls = std::move(controls)});
}

// ---- Time ----------------------------------------------------------------------------------

void Runtime::wait(std::int64_t ms)
{
    const std::int64_t target = clock_.nowMicros() + ms * 1000;
    // Each turn first takes an end signal, which wakes the Qt loop with nothing due as well.
    while (!endOnSignal()) {
        const std::int64_t now = clock_.nowMicros();
        if (const auto next = nextDueMicros(); next && *next <= target) {
            if (*next > now) host_.idleWait(*this, *next - now);
            runDue();
        } else if (now < target) {
            host_.idleWait(*this, target - now);
        } else {
            return;
        }
    }
}

void Runtime::schedule(std::int64_t ms, std::function<void()> action)
{
    scheduled_.push_back({clock_.nowMicros() + ms * 1000, nextSequence_++, std::move(action)});
    dueChanged();
}

std::optional<std::int64_t> Runtime::nextDueMicros() const
{
    std::optional<std::int64_t> next;
    auto consider = [&](std::int64_t due) {
        if (!next || due < *next) next = due;
    };
    for (const auto& item : scheduled_) consider(item.dueMicros);
    for (const Timer* timer : timers_)
        if (timer->isArmed()) consider(timer->dueMicros_);
    return next;
}

void Runtime::runDue()
{
    if (endOnSignal()) return;
    dispatch([&] {
        const std::int64_t now = clock_.nowMicros();
        for (;;) {
            auto due = std::min_element(scheduled_.begin(), scheduled_.end(), [](const auto& a, const auto& b) {
                return a.dueMicros != b.dueMicros ? a.dueMicros < b.dueMicros : a.sequence < b.sequence;
            });
            if (due == scheduled_.end() || due->dueMicros > now) break;
            auto action = std::move(due->action);
            scheduled_.erase(due);
            action();
            if (endRequested()) return;
        }
        std::vector<Timer*> ticking;
        for (Timer* timer : timers_)
            if (timer->isArmed() && timer->dueMicros_ <= now) ticking.push_back(timer);
        std::stable_sort(ticking.begin(), ticking.end(),
                         [](const Timer* a, const Timer* b) { return a->dueMicros_ < b->dueMicros_; });
        for (Timer* timer : ticking) {
            if (endRequested()) return;
            if (timer->isArmed() && timer->dueMicros_ <= now) fireTimer(*timer);
        }
    });
    dueChanged();
}

void Runtime::dueChanged()
{
    const auto next = ended_ ? std::nullopt : nextDueMicros();
    if (next == toldDue_) return;
    toldDue_ = next;
    host_.wakeAt(*this, next);
}

void Runtime::fireTimer(Timer& timer)
{
    struct Running {
        Timer& timer;
        ~Running() { timer.running_ = false; }
    } running{timer};
    timer.running_ = true;
    Control::raise(timer.onTimer);
    // Ticks that fell due while the handler ran are dropped; the cadence stays on its grid.
    const std::int64_t now = clock_.nowMicros();
    const std::int64_t period = std::int64_t{timer.interval_} * 1000;
    if (period > 0 && timer.dueMicros_ <= now) timer.dueMicros_ += ((now - timer.dueMicros_) / period + 1) * period;
}

// ---- Observers -----------------------------------------------------------------------------

void Runtime::addObserver(RuntimeObserver& observer) { observers_.push_back(&observer); }

void Runtime::removeObserver(RuntimeObserver& observer) { std::erase(observers_, &observer); }

void Runtime::notify(Form& form, Property property)
{
    if (!form.announced_ || !form.loaded_) return;
    for (auto* observer : observers_) observer->formChanged(form, property);
}

void Runtime::notify(Control& control, Property property)
{
    for (auto* observer : observers_) observer->controlChanged(control, property);
}

void Runtime::notifyAdded(Control& control)
{
    for (auto* observer : observers_) observer->controlAdded(control);
}

} // namespace tarvik
