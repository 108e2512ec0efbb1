#pragma once

namespace tarvik {

class Control;
class Form;

// What changed on a form or a control, so that a renderer can mirror it.
enum class Property {
    Caption,
    Text,
    Selection,   // SelStart / SelLength of a text or combo box
    Geometry,    // Left, Top, Width, Height (and X1..Y2 of a line)
    Visible,
    Enabled,
    WindowState,
    ZOrder,
    Active,      // the form became or stopped being the active form
    Focus,       // the form's active control changed
    Items,       // list rows added, removed or replaced
    ListIndex,
    Value,       // check, option, scroll bar, gauge value
    Range,       // Min, Max, SmallChange, LargeChange
    Checked,     // menu item check mark
    Locked,
    Colors,      // ForeColor, BackColor, FillColor, BorderColor
    Style,       // FillStyle, Shape, BorderWidth, Default, Cancel, MultiLine, Alignment, MaxLength
    Drawing,     // the display list of a picture box
    Scale,
    Interval,
    Picture,
    TabOrder,
    Font,        // FontName, FontSize
};

// Everything a renderer needs to follow the runtime. All callbacks run on the runtime's thread,
// inside the code that made the change; an observer must not change forms from a callback.
class RuntimeObserver {
public:
    virtual ~RuntimeObserver() = default;

    // The form object exists with all its design-time controls; Form_Load runs next.
    virtual void formCreated(Form&) {}
    // Form_Load has finished and the form is still loaded.
    virtual void formLoaded(Form&) {}
    // The form is unloaded; the object stays valid only until the runtime's next safe point,
    // so the renderer must drop every reference to it now.
    virtual void formUnloaded(Form&) {}
    virtual void formChanged(Form&, Property) {}
    // A control-array element added while its form was loaded.
    virtual void controlAdded(Control&) {}
    virtual void controlChanged(Control&, Property) {}
    // An input hold began or ended (Runtime::keptFromUser changed).
    virtual void inputHoldChanged() {}
    // Every form is unloaded and the program is over.
    virtual void programEnded() {}
};

} // namespace tarvik
