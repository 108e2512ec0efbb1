#pragma once

#include "forms/qt/HelpViewer.h"
#include "forms/runtime/Host.h"

class QWidget;

namespace tarvik {

// The host under Qt: modal windows and waits run nested Qt event loops (user input, paints and
// the runtime's timers keep going), message boxes are Qt message boxes, Beep is the system beep
// and help opens the help viewer.
class QtHost final : public Host {
public:
    HelpViewer& help() { return help_; }
    // The window message boxes and dialogs stand over.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }

    void runModal(Runtime& runtime, Form& form, const std::function<bool()>& finished) override;
    int messageBox(Runtime& runtime, const std::string& prompt, int buttons, const std::string& title) override;
    void processPendingInput(Runtime& runtime) override;
    void processPendingPaint(Runtime& runtime) override;
    void idleWait(Runtime& runtime, std::int64_t micros) override;
    void sleepUntilInput(Runtime& runtime, std::int64_t micros) override;
    void beep() override;
    void showHelp(int topic) override;

private:
    HelpViewer help_;
    QWidget* mainWindow_ = nullptr;
};

} // namespace tarvik
