#pragma once

#include "runtime/RuntimeObserver.h"

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

    // Called once every form is unloaded and the program is over.
    void setOnProgramEnded(std::function<void()> handler) { programEnded_ = std::move(handler); }

    // Binds the main window to the runtime's main form when that changed.
    void followMainForm();
    // Puts the Qt focus where the runtime has it, and window activation too while one of the
    // program's windows has the keyboard (after the user's input).
    void showActive();

    void formCreated(Form& form) override;
    void formLoaded(Form& form) override;
    void formUnloaded(Form& form) override;
    void formChanged(Form& form, Property property) override;
    void controlAdded(Control& control) override;
    void controlChanged(Control& control, Property property) override;
    void inputHoldChanged() override;
    void programEnded() override;

private:
    FormView* viewOf(const Form& form) const;
    // A window of the program that had the keyboard is closing: the keyboard goes back to the
    // window of the form the runtime activates next, as a window system hands it back.
    void noteClosing(const FormView& view);
    // Whether the change `property` of `form` may activate its window: only when it makes the
    // form active (or moves its focus) after the window with the keyboard closed.
    bool takesHandedBackKeyboard(const Form& form, Property property);

    Runtime& runtime_;
    InputBridge& bridge_;
    MainWindow& main_;
    std::unordered_map<const Form*, std::unique_ptr<FormView>> views_;
    const Form* boundMain_ = nullptr;
    bool keyboardHandedBack_ = false;
    std::function<void()> programEnded_;
};

} // namespace tarvik
