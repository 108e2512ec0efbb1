#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarvik {

class Form;
class Runtime;

// What differs between running headless (tests, the script runner) and running under a window
// system. The runtime owns all state and semantics; a host only waits, asks and makes noise.
class Host {
public:
    virtual ~Host() = default;

    // Runs a nested loop while `form` is shown modally and returns as soon as `finished()` holds
    // (the form was hidden or unloaded, or the program is ending). User input reaches the
    // runtime through UserInput; due timers through Runtime::runDue.
    virtual void runModal(Runtime& runtime, Form& form, const std::function<bool()>& finished) = 0;

    // Shows a message box and returns the answer code of the button chosen (see MsgBox.h).
    virtual int messageBox(Runtime& runtime, const std::string& prompt, int buttons,
                           const std::string& title) = 0;

    // Delivers input that is waiting (DoEvents).
    virtual void processPendingInput(Runtime& runtime) = 0;

    // Waits up to `micros` with input running; returns early only when something of the runtime
    // falls due sooner or the program is ending (Runtime::wait).
    virtual void idleWait(Runtime& runtime, std::int64_t micros) = 0;
    // Sleeps up to `micros`, returning as soon as input or anything else of the window system
    // has arrived and run, or the program is ending (Runtime::awaitEvents).
    virtual void sleepUntilInput(Runtime& runtime, std::int64_t micros) = 0;

    // The runtime's next due time changed: `dueMicros` is the clock time of its next timer tick
    // or scheduled action, nothing when none is due. A host whose own event loop runs the
    // runtime's due work (Runtime::runDue) sleeps until then or until input comes; with nothing
    // due, until input alone.
    virtual void wakeAt(Runtime& runtime, std::optional<std::int64_t> dueMicros) = 0;

    virtual void beep() = 0;

    // Opens the help viewer at a topic number.
    virtual void showHelp(int topic) = 0;
};

} // namespace tarvik
