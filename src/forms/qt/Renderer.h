#pragma once

#include "forms/runtime/RuntimeObserver.h"

#include <functional>
#include <memory>
#include <unordered_map>

class QWidget;

namespace tarvik {

class ControlWidget;
class FormView;
class InputBridge;
class MainWindow;
class Runtime;

// Follows the runtime and keeps the Qt windows a mirror of it: a view per loaded form, the main
// window bound to the main form, the menu bar to the main form's menus. Nothing in here knows a
// particular form.
//
// The renderer must not outlive Qt, and the runtime it observes must not outlive the renderer's
// host: construct the Qt program first and the runtime on its clock and host, so that the
// runtime goes first. The renderer never calls the runtime from its destructor.
class Renderer final : public RuntimeObserver {
public:
    Renderer(Runtime& runtime, InputBridge& bridge, MainWindow& main);
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;
    ~Renderer() override;

    MainWindow& mainWindow() const { return main_; }
    // The widget mirroring a control, nullptr for timers, menus and controls of unloaded forms.
    ControlWidget* widgetOf(const Control& control) const;
    // The window showing a form, nullptr while it is not shown.
    QWidget* windowOf(const Form& form) const;

    // Called when a timer is enabled or its interval set (the event loop re-times its wake-up).
    void setOnTimersChanged(std::function<void()> handler) { timersChanged_ = std::move(handler); }
    // Called once every form is unloaded and the program is over.
    void setOnProgramEnded(std::function<void()> handler) { programEnded_ = std::move(handler); }

    // Binds the main window to the runtime's main form when that changed.
    void followMainForm();
    // Puts window activation and the Qt focus where the runtime has them.
    void showActive();

    void formCreated(Form& form) override;
    void formLoaded(Form& form) override;
    void formUnloaded(Form& form) override;
    void formChanged(Form& form, Property property) override;
    void controlAdded(Control& control) override;
    void controlChanged(Control& control, Property property) override;
    void programEnded() override;

private:
    FormView* viewOf(const Form& form) const;

    Runtime& runtime_;
    InputBridge& bridge_;
    MainWindow& main_;
    std::unordered_map<const Form*, std::unique_ptr<FormView>> views_;
    const Form* boundMain_ = nullptr;
    std::function<void()> timersChanged_;
    std::function<void()> programEnded_;
};

} // namespace tarvik
