#pragma once

#include "runtime/Host.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvik {

// A modal window or message box that nobody was scripted to answer. Its message names the window
// and its text, so a failing test says what was asked.
class UnansweredPrompt : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The host for tests and the script runner: no window system, time on the runtime's clock.
// Modal windows and message boxes are answered by a scripted responder; everything shown is
// recorded in order.
class HeadlessHost final : public Host {
public:
    using ModalAction = std::function<void(Form&)>;

    // What was shown, in order.
    struct Shown {
        enum class Kind { Beep, MessageBox, Modal, Help };
        Kind kind = Kind::Beep;
        std::string form{}; // Modal: the form's name
        std::string text{}; // MessageBox: the prompt; Modal: the form's message text
        std::string title{}; // MessageBox: its title
        int buttons = 0;    // MessageBox: its buttons
        int answer = 0;     // MessageBox: the answer given
        int topic = 0;      // Help: the topic
    };

    // The next time `formName` ("" for any form) is shown modally, `action` runs inside its loop,
    // typically clicking one of its buttons. Actions are taken in the order they were queued,
    // each by the first modal show it fits.
    void onModal(std::string formName, ModalAction action);
    // The next message box returns `answer`.
    void answerMessageBox(int answer);
    // What a modal show of `formName` does when nothing is queued for it and defaults are on
    // (e.g. the error window's OK).
    void setDefaultModalAction(std::string formName, ModalAction action);
    // With defaults on, OK-only message boxes nobody answered get OK and the forms given a
    // default action get it. On by default.
    void setAnswerByDefault(bool on) { answerByDefault_ = on; }
    // Queued modal actions and message-box answers not used yet.
    std::size_t pendingModalActions() const { return modalActions_.size(); }
    std::size_t pendingAnswers() const { return answers_.size(); }
    // Longest clock time a modal window may stay open on its own timers and scheduled actions
    // before it counts as unanswered.
    void setModalPatienceMs(std::int64_t ms) { patienceMicros_ = ms * 1000; }

    const std::vector<Shown>& shown() const { return shown_; }
    int beepCount() const;
    std::vector<Shown> messageBoxes() const { return ofKind(Shown::Kind::MessageBox); }
    std::vector<Shown> modalShows() const { return ofKind(Shown::Kind::Modal); }

    void runModal(Runtime& runtime, Form& form, const std::function<bool()>& finished) override;
    int messageBox(Runtime& runtime, const std::string& prompt, int buttons, const std::string& title) override;
    void processPendingInput(Runtime&) override {}
    // The clock moves on by `micros`; on real time an end signal the runtime watches ends the
    // wait early.
    void idleWait(Runtime& runtime, std::int64_t micros) override;
    // No input arrives headless: the clock moves on by `micros` (see idleWait).
    void sleepUntilInput(Runtime& runtime, std::int64_t micros) override { idleWait(runtime, micros); }
    // Headless, time moves only when the runtime waits: nothing sleeps meanwhile.
    void wakeAt(Runtime&, std::optional<std::int64_t>) override {}
    void beep() override;
    void showHelp(int topic) override;

private:
    struct QueuedAction {
        std::string form;
        ModalAction action;
    };

    std::vector<Shown> ofKind(Shown::Kind kind) const;
    bool takeAction(const std::string& formName, ModalAction& action);

    std::deque<QueuedAction> modalActions_;
    std::deque<int> answers_;
    std::map<std::string, ModalAction> defaults_;
    bool answerByDefault_ = true;
    std::int64_t patienceMicros_ = 600'000'000;
    std::vector<Shown> shown_;
};

} // namespace tarvik
