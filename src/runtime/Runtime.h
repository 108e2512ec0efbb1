#pragma once

#include "base/Clock.h"
#include "runtime/Form.h"
#include "runtime/Host.h"
#include "runtime/MsgBox.h"
#include "runtime/RuntimeObserver.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tarvik {

class Control;
class EndSignals;
class Timer;
class UserInput;

// The form runtime: the forms of the program, which one is active, the modal stack, timers,
// scheduled actions, services (Beep, MsgBox, DoEvents, help, program end) and the observers.
// One thread; everything runs inside event handlers. See FormRuntime.h for the model.
class Runtime {
public:
    Runtime(Clock& clock, Host& host);
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    // Destroys every form without raising events.
    ~Runtime();

    Clock& clock() const { return clock_; }
    Host& host() const { return host_; }
    // What a user does: keys, clicks, focus, rows, mouse, close boxes, menus.
    UserInput& input() { return *input_; }

    // ---- Forms ---------------------------------------------------------------------------
    // The default instance of form class F: created with `args` and loaded (Form_Load) on first
    // use, kept until unloaded; the next use creates and loads it afresh.
    template <class F, class... Args>
    F& instance(Args&&... args);
    template <class F>
    F* find() const
    {
        auto it = instances_.find(typeid(F));
        return it == instances_.end() ? nullptr : static_cast<F*>(it->second);
    }
    template <class F>
    bool isLoaded() const { return find<F>() != nullptr; }
    template <class F>
    void unload()
    {
        if (F* form = find<F>()) form->unload();
    }
    // Loaded forms, front first.
    std::vector<Form*> forms() const { return zOrder_; }
    Form* findForm(std::string_view name) const;
    Form* activeForm() const { return active_; }
    // The innermost modal form, nullptr when none is shown.
    Form* modalForm() const { return modalStack_.empty() ? nullptr : modalStack_.back(); }
    // The main window: it owns the menu bar, and unloading it unloads every form and ends the
    // program.
    void setMainForm(Form& form) { main_ = &form; }
    Form* mainForm() const { return main_; }

    // ---- Services ------------------------------------------------------------------------
    void beep();
    // Shows a message box and returns the answer code (msgbox::Ok, msgbox::Yes, ...). While
    // the program is ending it shows nothing and returns msgbox::dismissAnswer(buttons).
    int msgBox(const std::string& prompt, int buttons = msgbox::OkOnly, const std::string& title = "");
    // Lets waiting input, due scheduled actions and due timers run. Returns false once program end
    // is requested: a loop that lets events run must then stop.
    bool doEvents();
    // Sleeps until input arrives, a timer tick or scheduled action falls due, or the clock reaches
    // `deadlineMicros`, whichever comes first, and lets what ended the sleep and what fell due run;
    // the result is doEvents()'s. A wait that lets events run loops on it rather than pausing for a
    // fixed time, so that a click, a close, a quit or a timer ends the sleep at once and the program
    // does not spin meanwhile. Pending input or anything already due, and a deadline already
    // reached, end the sleep before it starts. On the virtual clock the sleep moves the clock on to
    // the earlier of the deadline and the next due time, as Clock::spend would.
    bool awaitEvents(std::int64_t deadlineMicros);
    void requestHelp(int topic);
    // The last help topic requested, 0 before any.
    int lastHelpTopic() const { return lastHelpTopic_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }
    void setProgramFolder(std::filesystem::path folder) { programFolder_ = std::move(folder); }

    // Ends the program. From inside handlers it first unwinds: every modal loop returns (its
    // showModal() gives false), doEvents() gives false, msgBox() returns at once, no timer fires;
    // when the outermost handler has returned, every form is unloaded (QueryUnload and Unload with
    // UnloadReason::ProgramEnd, cancels ignored; modal windows work again during that phase) and
    // the observers hear programEnded().
    void endProgram();
    // Ends the program as endProgram() does, for a request nobody may be there to follow up (a
    // signal): from now on no question waits for an answer. A modal show returns false at once
    // without showing the window, a message box returns msgbox::dismissAnswer.
    void endUnasked();
    // The end signals (EndSignals) this runtime ends on; none by default (tests). Once set, every
    // run of due work (runDue), wait and modal loop first reads them (endOnSignal), and a host
    // that sleeps wakes when they arrive.
    void watchEndSignals(EndSignals* caught) { endSignals_ = caught; }
    EndSignals* endSignals() const { return endSignals_; }
    // Reads the end signals: one that came ends the program (endUnasked). True when the program
    // is ending, by that signal or before: a loop that lets no events run asks this between polls.
    bool endOnSignal();
    // Program end requested or done: handlers should wind up.
    bool endRequested() const { return endRequested_ || ended_; }
    bool ended() const { return ended_; }

    // ---- Input held for one window -------------------------------------------------------
    // A sequence the user is to follow and be able to stop, but not to act around (the start-up's
    // initialisation), holds the input for its window and lets events run (doEvents()) while it
    // works. While the hold lives, user input reaches only `window` and the windows shown modally
    // over it; of the others, `closable` keeps its close box and `controls` (a menu item and each
    // menu that holds it) stay in reach, so that the program can still be ended. The keys stay
    // with `window`. The hold ends with the object; an inner hold gives way to the outer one again.
    class InputHold {
    public:
        InputHold(const InputHold&) = delete;
        InputHold& operator=(const InputHold&) = delete;
        ~InputHold();

    private:
        friend class Runtime;
        struct Reach {
            const Form* window;
            const Form* closable;
            std::vector<const Control*> controls;
        };
        InputHold(Runtime& runtime, Reach reach);

        Runtime& runtime_;
        std::optional<Reach> outer_;
    };
    [[nodiscard]] InputHold holdInputFor(const Form& window, const Form* closable,
                                         std::vector<const Control*> controls);
    // An input hold keeps the control from the user now: it is neither on the hold's window nor
    // one of the controls left in reach. A renderer shows such a menu item disabled, whatever its
    // own state; that state is untouched and shows again when the hold ends.
    bool keptFromUser(const Control& control) const;

    // ---- Time ----------------------------------------------------------------------------
    // Lets `ms` of time pass as an idle program would: scheduled actions and timers run at their
    // due times, in order, and an end signal ends the program and the wait. On the virtual clock
    // this is how tests let time pass.
    void wait(std::int64_t ms);
    // Runs `action` as pending input once `ms` more have passed (inside DoEvents, a wait or a
    // modal loop), e.g. a Stop click during a cyclic move.
    void schedule(std::int64_t ms, std::function<void()> action);
    // Pending scheduled actions.
    std::size_t scheduledCount() const { return scheduled_.size(); }
    // When the next scheduled action or timer tick is due (clock micros); nothing when none.
    std::optional<std::int64_t> nextDueMicros() const;
    // Runs the scheduled actions and timer ticks that are due now. A host's event loop calls it.
    void runDue();

    // ---- Observers -----------------------------------------------------------------------
    void addObserver(RuntimeObserver& observer);
    void removeObserver(RuntimeObserver& observer);

private:
    friend class Control;
    friend class Form;
    friend class Timer;
    friend class UserInput;
    template <class T>
    friend class ControlArray;

    struct Scheduled {
        std::int64_t dueMicros;
        std::uint64_t sequence;
        std::function<void()> action;
    };

    // Runs work on behalf of user input, a timer or a scheduled action. When the outermost one
    // returns the runtime settles: a requested program end is carried out and unloaded forms
    // are destroyed. `Quiet` scopes (form code called from outside any handler) do not destroy
    // forms, so that a reference the caller holds stays valid.
    template <class Fn>
    decltype(auto) dispatch(Fn&& work) { return run(true, std::forward<Fn>(work)); }
    template <class Fn>
    decltype(auto) dispatchQuiet(Fn&& work) { return run(false, std::forward<Fn>(work)); }
    template <class Fn>
    decltype(auto) run(bool safePoint, Fn&& work);
    void settle(bool safePoint);
    void shutdown();

    void adopt(std::unique_ptr<Form> form, std::type_index type);
    bool unloadForm(Form& form, UnloadReason reason);
    void discard(Form& form);
    void showForm(Form& form);
    bool runModal(Form& form);
    void formHidden(Form& form);
    void activate(Form* form);
    void activateTop();
    // Tells the observers the input hold began or ended.
    void heldChanged();
    void reorder(Form& form, ZOrder position);
    // What the user can reach now (see InputHold): a form's controls and keys, one control, a
    // form's close box.
    bool acceptsInput(const Form& form) const;
    // An input hold keeps the form's controls and keys from the user (see keptFromUser).
    bool keptFromUser(const Form& form) const;
    bool acceptsInput(const Control& control) const;
    bool acceptsClose(const Form& form) const;
    // Shown, enabled, no window modal over it, the program not ending.
    bool reachable(const Form& form) const;
    void moveFocus(Control& to);
    void fireTimer(Timer& timer);
    // Tells the host when the next due time differs from the one it was last told (a timer
    // enabled, disabled or re-timed, a form loaded or unloaded, an action scheduled, work run).
    void dueChanged();

    void notify(Form& form, Property property);
    void notify(Control& control, Property property);
    void notifyAdded(Control& control);

    Clock& clock_;
    Host& host_;
    std::unique_ptr<UserInput> input_;
    std::vector<std::unique_ptr<Form>> forms_;
    std::unordered_map<std::type_index, Form*> instances_;
    std::vector<Form*> zOrder_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    std::vector<Form*> modalStack_;
    Form* active_ = nullptr;
    Form* main_ = nullptr;
    std::vector<Timer*> timers_;
    std::vector<Scheduled> scheduled_;
    std::uint64_t nextSequence_ = 0;
    // The next due time the host was last told; a new host has nothing to wake for.
    std::optional<std::int64_t> toldDue_;
    std::vector<RuntimeObserver*> observers_;
    std::optional<InputHold::Reach> held_;
    EndSignals* endSignals_ = nullptr;
    bool unasked_ = false;
    int depth_ = 0;
    bool endRequested_ = false;
    bool shuttingDown_ = false;
    bool ended_ = false;
    int lastHelpTopic_ = 0;
    std::filesystem::path programFolder_;
};

template <class F, class... Args>
F& Runtime::instance(Args&&... args)
{
    static_assert(std::is_base_of_v<Form, F>, "a form class derives from Form");
    if (F* existing = find<F>()) return *existing;
    auto form = std::make_unique<F>(std::forward<Args>(args)...);
    F& created = *form;
    adopt(std::move(form), typeid(F));
    return created;
}

template <class Fn>
decltype(auto) Runtime::run(bool safePoint, Fn&& work)
{
    struct Depth {
        int& depth;
        bool armed = true;
        ~Depth()
        {
            if (armed) --depth;
        }
    } guard{depth_};
    ++depth_;
    if constexpr (std::is_void_v<std::invoke_result_t<Fn>>) {
        work();
        guard.armed = false;
        --depth_;
        settle(safePoint);
    } else {
        auto result = work();
        guard.armed = false;
        --depth_;
        settle(safePoint);
        return result;
    }
}

} // namespace tarvik
