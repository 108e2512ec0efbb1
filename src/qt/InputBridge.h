#pragma once

#include "runtime/Form.h"

#include <QRect>

#include <functional>

class QKeyEvent;

namespace tarvik {

class Control;
class Runtime;
class UserInput;

// Carries what the user does in Qt into the runtime, through the same UserInput calls the tests
// make, and keeps mirroring from being taken for input: while the renderer copies runtime state
// into widgets (a mirror scope), the signals that copying raises are not the user's.
class InputBridge {
public:
    explicit InputBridge(Runtime& runtime) : runtime_(runtime) {}
    InputBridge(const InputBridge&) = delete;
    InputBridge& operator=(const InputBridge&) = delete;

    Runtime& runtime() const { return runtime_; }

    class MirrorScope {
    public:
        explicit MirrorScope(InputBridge& bridge) : bridge_(bridge) { ++bridge_.mirroring_; }
        MirrorScope(const MirrorScope&) = delete;
        MirrorScope& operator=(const MirrorScope&) = delete;
        ~MirrorScope() { --bridge_.mirroring_; }

    private:
        InputBridge& bridge_;
    };
    MirrorScope mirrorScope() { return MirrorScope(*this); }
    bool mirroring() const { return mirroring_ > 0; }

    // Runs a user's action unless it is an echo of mirroring; afterwards the renderer brings the
    // Qt focus in line with the runtime's.
    void userDid(const std::function<void(UserInput&)>& action);

    // A key pressed in a control's widget (`control` may be nullptr: the form's background).
    void key(Form& form, Control* control, const QKeyEvent& event);

    // Window handling, reported from the form's frame. Geometry is the frame in pixels.
    void formMoved(Form& form, const QRect& frame);
    void formStateChanged(Form& form, WindowState state);
    void formActivated(Form& form);
    void closeForm(Form& form);

    // The form is still one of the runtime's loaded forms (the runtime destroys an unloaded form
    // when the user's action that unloaded it is over).
    bool isLoadedForm(const Form* form) const;

    // Called after every user action (the renderer re-syncs focus and activation).
    void setAfterInput(std::function<void()> afterInput) { afterInput_ = std::move(afterInput); }

private:
    Runtime& runtime_;
    int mirroring_ = 0;
    std::function<void()> afterInput_;
};

} // namespace tarvik
