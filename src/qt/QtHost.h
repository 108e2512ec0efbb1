#pragma once

#include "qt/HelpViewer.h"
#include "runtime/Host.h"

namespace tarvik {

class MainWindow;
class TimerPump;

// The host under Qt: modal windows and waits run nested Qt event loops (user input, paints and
// the runtime's timers keep going), message boxes are Qt message boxes, Beep is the system beep
// and help opens the help viewer.
class QtHost final : public Host {
public:
    HelpViewer& help() { return help_; }
    // The window message boxes and dialogs stand over.
    void setMainWindow(MainWindow* window) { mainWindow_ = window; }
    // The pump that runs the runtime's due work from the event loop; the runtime's due times
    // re-time it.
    void setTimerPump(TimerPump* pump) { pump_ = pump; }

    void runModal(Runtime& runtime, Form& form, const std::function<bool()>& finished) override;
    int messageBox(Runtime& runtime, const std::string& prompt, int buttons, const std::string& title) override;
    void processPendingInput(Runtime& runtime) override;
    void idleWait(Runtime& runtime, std::int64_t micros) override;
    void sleepUntilInput(Runtime& runtime, std::int64_t micros) override;
    void wakeAt(Runtime& runtime, std::optional<std::int64_t> dueMicros) override;
    void beep() override;
    void showHelp(int topic) override;

private:
    HelpViewer help_;
    MainWindow* mainWindow_ = nullptr;
    TimerPump* pump_ = nullptr;
};

} // namespace tarvik
