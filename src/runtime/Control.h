#pragma once

#include "runtime/RuntimeObserver.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace tarvik {

class Control;
class Form;
class Runtime;

// Colours are classic long values: red + green * 256 + blue * 65536.
using Color = std::int32_t;
constexpr Color rgb(int red, int green, int blue) { return red + green * 256 + blue * 65536; }

// The font a control starts with: the small dialog font forms are laid out for.
inline constexpr std::string_view kDefaultFontName = "Sans Serif";
inline constexpr float kDefaultFontSize = 8;

namespace colors {
inline constexpr Color Black = 0x000000;
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color ButtonFace = 0xC0C0C0;
} // namespace colors

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    ComboBox,
    ListBox,
    OptionButton,
    CheckBox,
    Frame,
    Shape,
    Line,
    Image,
    PictureBox,
    ScrollBar,
    Timer,
    Gauge,
    Menu,
};

// Design-time properties of a control, written with designated initializers in this order:
//   TextBox axistxt{this, "axistxt", {.left = 1200, .top = 360, .width = 615, .height = 285,
//                                     .maxLength = 1}};
struct Design {
    std::string caption{};        // Caption; the initial Text of text and combo boxes
    float left = 0;               // position and size in twips
    float top = 0;
    float width = 0;
    float height = 0;
    Control* container = nullptr; // frame, picture box or parent menu; nullptr: the form itself
    int maxLength = 0;            // text boxes: 0 means no limit
    int tabIndex = -1;            // -1: the order in which the form declares its controls
    bool visible = true;
    bool enabled = true;
};

// The base of every control: identity, geometry, state, container and the generic events.
// Events are plain function slots that the form wires to its handlers in its constructor:
//   runcmd.onClick = [this] { runcmd_Click(); };
// A kind raises only the events it supports.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    // Index within its control array, -1 for a control that is not in one.
    int index() const { return index_; }
    // "name" or "name(index)".
    std::string qualifiedName() const;
    Form& form() const { return form_; }
    Control* container() const { return container_; }

    float left() const { return left_; }
    float top() const { return top_; }
    float width() const { return width_; }
    float height() const { return height_; }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);
    void move(float left, float top);
    void move(float left, float top, float width, float height);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Visible and enabled with every container and the form.
    bool effectivelyVisible() const;
    bool effectivelyEnabled() const;
    // Loaded, effectively visible and effectively enabled: a user can reach it.
    bool canTakeInput() const;

    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int tabIndex);
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool tabStop) { tabStop_ = tabStop; }

    // The font of the text the control shows (kinds that show no text keep it unused).
    const std::string& fontName() const { return fontName_; }
    void setFontName(std::string name);
    float fontSize() const { return fontSize_; }
    // In points. A size that is not above 0 is refused (false) and leaves the size as it was.
    bool setFontSize(float points);

    // Kinds that can hold the focus (text, buttons, lists, scroll bars, picture boxes).
    virtual bool canFocus() const { return false; }
    // Moves the focus here from code (LostFocus, GotFocus); false when the control cannot
    // take the focus now (disabled, hidden, form not shown).
    bool setFocus();
    // Moves the focus of its form here from code without activating the form or raising any
    // window: in the active form as setFocus does; in a form in the background quietly, as the
    // control the focus stands on when the form is next activated. False when the control cannot
    // take the focus now.
    bool setFocusWithinForm();
    bool hasFocus() const;

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(int& keyCode, int shift)> onKeyDown;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void(int& keyCode, int shift)> onKeyUp;
    std::function<void(int button, int shift, float x, float y)> onMouseDown;
    std::function<void(int button, int shift, float x, float y)> onMouseMove;
    std::function<void(int button, int shift, float x, float y)> onMouseUp;

protected:
    Control(Form* form, std::string name, const Design& design, ControlKind kind);

    Runtime& runtime() const;
    // Tells the observers that a property changed.
    void changed(Property property);
    template <class T>
    bool assign(T& field, T value, Property property)
    {
        if (field == value) return false;
        field = std::move(value);
        changed(property);
        return true;
    }
    // Runs an event slot; a copy is called so that a handler may rewire its own slot.
    template <class Slot, class... Args>
    static void raise(const Slot& slot, Args&&... args)
    {
        if (!slot) return;
        auto handler = slot;
        handler(std::forward<Args>(args)...);
    }

    // What a user's click does after the focus has moved (the base raises Click).
    virtual void userClick() { raise(onClick); }
    // What a user's double click does after the click (the base raises DblClick).
    virtual void userDoubleClick() { raise(onDblClick); }
    // The edit a character makes once KeyPress let it through.
    virtual void keyCharacter(int) {}
    // What a non-character key (arrows, Delete, Home, End, Page keys) does after KeyDown.
    virtual void keyNavigate(int, int) {}
    virtual void enabledChanged() {}

private:
    friend class Form;
    friend class Runtime;
    friend class UserInput;
    template <class T>
    friend class ControlArray;

    Form& form_;
    std::string name_;
    ControlKind kind_;
    Control* container_;
    int index_ = -1;
    int order_ = 0;
    float left_;
    float top_;
    float width_;
    float height_;
    bool visible_;
    bool enabled_;
    int tabIndex_;
    bool tabStop_ = true;
    std::string fontName_{kDefaultFontName};
    float fontSize_ = kDefaultFontSize;
};

} // namespace tarvik
