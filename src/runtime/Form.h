#pragma once

#include "runtime/RuntimeObserver.h"

#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

namespace tarvik {

class CommandButton;
class Control;
class Runtime;

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };
enum class ZOrder { Front, Back };
// The border of a form's window: a sizable window, a fixed one, a fixed dialog frame, or none.
enum class BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3 };

// Why a form is being unloaded (QueryUnload tells its handler).
enum class UnloadReason {
    User,              // the user closed it with its close box
    Code,              // the program unloaded it
    MainWindowClosing, // the main window is being unloaded
    ProgramEnd,        // the program is ending; cancelling has no effect
};

struct FormDesign {
    std::string caption{};
    float left = 0;     // twips
    float top = 0;
    float width = 4800;
    float height = 3600;
    bool mdiChild = true; // modeless shows put it inside the main window
    int helpTopic = 0;    // F1 opens help at this topic; 0: none
    bool minButton = true; // a modeless window can be minimised
    bool maxButton = true; // a modeless window can be maximised
    BorderStyle borderStyle = BorderStyle::Sizable;
};

// A window of the program. A form class derives from Form, declares its controls as members
// and overrides the Form_ handlers it needs. Forms are created only through
// Runtime::instance<F>(), which keeps one default instance per class.
class Form {
public:
    Form(Runtime& runtime, std::string name, FormDesign design = {});
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& name() const { return name_; }
    Runtime& runtime() const { return runtime_; }

    // Shows the form modeless (a child of the main window) and activates it. Does nothing on a
    // form that is no longer loaded, so a form that unloaded itself in Form_Load stays gone.
    void show();
    // Shows the form modally and runs a nested loop until it is hidden or unloaded. Returns
    // false when the loop was ended by program end: the caller must then return from its handler
    // without further work (see Runtime::endProgram). A form unloaded during the loop, by itself,
    // its close box or the program's end, lives on until the runtime's next safe point, which
    // comes only after the outermost handler has returned: the code that showed it can still read
    // its answer from its members.
    bool showModal();
    void hide();
    // Unloads from code: QueryUnload, Unload (either may cancel). True when the form is gone.
    // Safe from inside the form's own handlers: the object lives on until the runtime's next safe
    // point, but it takes no input and a show() does nothing.
    bool unload();

    bool isLoaded() const { return loaded_; }
    bool isModal() const { return modal_; }
    bool visible() const { return visible_; }
    // Visible := true shows the form modeless, false hides it.
    void setVisible(bool visible) { visible ? show() : hide(); }
    bool isActive() const;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);
    void move(float left, float top);
    WindowState windowState() const { return windowState_; }
    void setWindowState(WindowState state);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void zOrder(ZOrder position);
    bool mdiChild() const { return mdiChild_; }
    int helpTopic() const { return helpTopic_; }
    void setHelpTopic(int topic) { helpTopic_ = topic; }
    // Window decoration, fixed at design time. A modal show has neither minimise nor maximise box.
    bool minButton() const { return minButton_; }
    bool maxButton() const { return maxButton_; }
    BorderStyle borderStyle() const { return borderStyle_; }

    // The control that has (or gets, when the form is activated) the focus.
    Control* activeControl() const { return activeControl_; }
    // Controls in the order the form declared them (array elements where they were added).
    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(std::string_view name, int index = -1) const;
    // Controls a Tab reaches, in TabIndex order.
    std::vector<Control*> tabOrder() const;
    CommandButton* defaultButton() const;
    CommandButton* cancelButton() const;
    // The button Enter presses now: the focused button, else the Default button, unless the focus
    // is on a multi-line text box; nullptr when Enter presses none (or the button cannot take
    // input).
    CommandButton* enterButton() const;

    // The text a record of a modal show names: the caption, unless a message window says
    // otherwise (the text of its message control).
    virtual std::string messageText() const { return caption_; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_Click() {}
    virtual void Form_QueryUnload(int& /*cancel*/, UnloadReason) {}
    virtual void Form_Unload(int& /*cancel*/) {}

private:
    friend class Control;
    friend class Runtime;
    friend class UserInput;

    // When the focused control can no longer take input (it, or a container of it, was disabled
    // or hidden), the focus goes on to the next control in tab order that can, as the window
    // system moves it: quietly, raising no LostFocus or GotFocus. A form none of whose controls
    // can take the focus keeps it where it is.
    void passFocusOn();
    // The first command button for which `flag` holds.
    CommandButton* buttonWith(bool (CommandButton::*flag)() const) const;
    int adoptControl(Control& control);
    void releaseControl(Control& control);
    void notify(Property property);
    void resized();

    Runtime& runtime_;
    std::string name_;
    std::string caption_;
    float left_;
    float top_;
    float width_;
    float height_;
    WindowState windowState_ = WindowState::Normal;
    bool mdiChild_;
    int helpTopic_;
    bool minButton_;
    bool maxButton_;
    BorderStyle borderStyle_;
    bool enabled_ = true;
    bool visible_ = false;
    bool loaded_ = false;
    bool announced_ = false; // observers know it
    bool modal_ = false;
    bool unloading_ = false;
    std::type_index type_ = typeid(Form);
    std::vector<Control*> controls_;
    int nextOrder_ = 0;
    Control* activeControl_ = nullptr;
};

} // namespace tarvik
