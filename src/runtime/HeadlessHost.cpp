#include "runtime/HeadlessHost.h"

#include "runtime/EndSignals.h"
#include "runtime/Form.h"
#include "runtime/MsgBox.h"
#include "runtime/Runtime.h"
#include "runtime/Timer.h"

#include <algorithm>

namespace tarvik {

namespace {

// The modal form keeps itself busy: one of its timers will tick.
bool hasRunningTimer(const Form& form)
{
    return std::any_of(form.controls().begin(), form.controls().end(), [](const Control* control) {
        return control->kind() == ControlKind::Timer && static_cast<const Timer*>(control)->isArmed();
    });
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

} // namespace

void HeadlessHost::onModal(std::string formName, ModalAction action)
{
    modalActions_.push_back({std::move(formName), std::move(action)});
}

void HeadlessHost::answerMessageBox(int answer) { answers_.push_back(answer); }

void HeadlessHost::setDefaultModalAction(std::string formName, ModalAction action)
{
    defaults_[std::move(formName)] = std::move(action);
}

int HeadlessHost::beepCount() const
{
    return static_cast<int>(std::count_if(shown_.begin(), shown_.end(),
                                          [](const Shown& s) { return s.kind == Shown::Kind::Beep; }));
}

std::vector<HeadlessHost::Shown> HeadlessHost::ofKind(Shown::Kind kind) const
{
    std::vector<Shown> found;
    std::copy_if(shown_.begin(), shown_.end(), std::back_inserter(found), [&](const Shown& s) { return s.kind == kind; });
    return found;
}

bool HeadlessHost::takeAction(const std::string& formName, ModalAction& action)
{
    auto fits = std::find_if(modalActions_.begin(), modalActions_.end(),
                             [&](const QueuedAction& queued) { return queued.form.empty() || queued.form == formName; });
    if (fits == modalActions_.end()) return false;
    action = std::move(fits->action);
    modalActions_.erase(fits);
    return true;
}

void HeadlessHost::runModal(Runtime& runtime, Form& form, const std::function<bool()>& finished)
{
    const std::string name = form.name();
    const std::string text = form.messageText();
    shown_.push_back({.kind = Shown::Kind::Modal, .form = name, .text = text});
    const std::int64_t giveUp = runtime.clock().nowMicros() + patienceMicros_;
    bool answered = false;
    while (!finished()) {
        ModalAction action;
        if (takeAction(name, action)) {
            answered = true;
            action(form);
            continue;
        }
        if (!answered && answerByDefault_) {
            if (auto fallback = defaults_.find(name); fallback != defaults_.end()) {
                answered = true;
                fallback->second(form);
                continue;
            }
        }
        // Nothing scripted: let the form's own timers and scheduled actions run, for a while.
        const auto next = runtime.nextDueMicros();
        const bool busy = hasRunningTimer(form) || runtime.scheduledCount() > 0;
        if (busy && next && *next <= giveUp) {
            const std::int64_t now = runtime.clock().nowMicros();
            if (*next > now) idleWait(runtime, *next - now);
            runtime.runDue();
            continue;
        }
        throw UnansweredPrompt("modal window " + name + " " + quoted(form.messageText()) +
                               (answered ? " stayed open after its scripted answers" : " was shown and nobody answered it"));
    }
}

int HeadlessHost::messageBox(Runtime&, const std::string& prompt, int buttons, const std::string& title)
{
    shown_.push_back({.kind = Shown::Kind::MessageBox, .text = prompt, .title = title, .buttons = buttons});
    const auto offered = msgbox::answersOf(buttons);
    int answer = 0;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
        if (std::find(offered.begin(), offered.end(), answer) == offered.end())
            throw UnansweredPrompt("message box " + quoted(prompt) + " has no " + msgbox::answerName(answer) +
                                   " button for the scripted answer");
    } else if (answerByDefault_ && offered.size() == 1) {
        answer = offered.front();
    } else {
        throw UnansweredPrompt("message box " + quoted(prompt) + " was shown and nobody answered it");
    }
    shown_.back().answer = answer;
    return answer;
}

void HeadlessHost::idleWait(Runtime& runtime, std::int64_t micros)
{
    // On real time (boards behind a driver library) an end signal cuts the wait short, as it
    // wakes the Qt loop; virtual time passes at once.
    if (EndSignals* caught = runtime.endSignals(); caught && !runtime.clock().isVirtual())
        caught->sleepUntilArrival(micros);
    else
        runtime.clock().idle(micros);
}

void HeadlessHost::beep() { shown_.push_back({.kind = Shown::Kind::Beep}); }

void HeadlessHost::showHelp(int topic) { shown_.push_back({.kind = Shown::Kind::Help, .topic = topic}); }

} // namespace tarvik
