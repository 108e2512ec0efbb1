#pragma once

// The form runtime: the headless, deterministic window model every window of the program is
// written on. A renderer (the Qt one) only mirrors it.
//
// Model
// - A window is a class derived from Form. Its controls are members named as the window names
//   them, constructed with design-time properties; it overrides the Form_ handlers it needs and
//   wires control events to its handler member functions in its constructor:
//
//     class LoadAccelerationDialog : public Form {
//     public:
//         explicit LoadAccelerationDialog(App& app) : Form(app.runtime(), "frm62", {.caption = "Load Acceleration"})
//         {
//             axistxt.onChange = [this] { axistxt_Change(); };
//             runcmd.onClick = [this] { runcmd_Click(); };
//         }
//     private:
//         void Form_Load() override;
//         ComboBox bidlist{this, "bidlist", {.left = 120, .top = 360, .width = 1215, .height = 315},
//                          ComboBox::Style::DropDownList};
//         TextBox axistxt{this, "axistxt", {.left = 1440, .top = 360, .width = 495, .height = 285, .maxLength = 1}};
//         CommandButton runcmd{this, "runcmd", {.caption = "RUN", .left = 3240, .top = 240, .width = 975,
//                                               .height = 375, .enabled = false}};
//     };
//
// - Each form class has one default instance: Runtime::instance<F>(args...) creates and loads it
//   (Form_Load) on first use; it stays until unloaded, and the next use loads it afresh. show()
//   shows it modeless as a child of the main window, showModal() runs a nested loop until it is
//   hidden or unloaded. Unloading from inside the form's own handlers is safe: the object lives
//   until the outermost handler has returned. A form that unloads itself in Form_Load is not
//   brought back by the show() that loaded it.
// - Events: Load, Activate/Deactivate (the active form changes), Resize (shown, resized, window
//   state), Click (background), QueryUnload and Unload (both cancellable, except at program end).
// - Controls live in containers (the form, a frame, a picture box): a hidden or disabled
//   container hides or disables what it holds. Option buttons form a group per container.
//   Control arrays (ControlArray<T>) hold elements under sparse indices.
// - Writes from code raise the events a user's edit raises, but only when the value changes:
//   Text (Change, also nested from inside a Change handler), ListIndex (Click), check and option
//   Value (Click), scroll Value (Change), label Caption (Change).
// - User input goes through UserInput (Runtime::input()) with a user's event order: focus moves
//   raise LostFocus then GotFocus; a click moves the focus first and then clicks only a control
//   still enabled and visible; keys raise KeyDown, KeyPress (0 drops it), the edit, Change, KeyUp.
//   Showing or closing modal windows and message boxes moves no focus.
// - Services: Beep, MsgBox, DoEvents, help requests, the program folder, program end. Time comes
//   from the Clock; timers and scheduled actions run inside DoEvents, waits and modal loops. A
//   loop that lets events run sleeps between its passes in Runtime::awaitEvents, until input,
//   a timer, a scheduled action or its deadline, rather than pausing for a fixed time.
// - A Host does what differs between headless and a window system (modal loops, message boxes,
//   waiting, beep, help viewer); HeadlessHost answers from a script and records what was shown.
// - RuntimeObserver tells a renderer about every change.

#include "base/Clock.h"
#include "runtime/Buttons.h"
#include "runtime/Caption.h"
#include "runtime/Control.h"
#include "runtime/ControlArray.h"
#include "runtime/Form.h"
#include "runtime/Host.h"
#include "runtime/Keys.h"
#include "runtime/ListControls.h"
#include "runtime/MenuItem.h"
#include "runtime/MsgBox.h"
#include "runtime/PictureBox.h"
#include "runtime/Runtime.h"
#include "runtime/RuntimeObserver.h"
#include "runtime/ScrollBar.h"
#include "runtime/StaticControls.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"
#include "runtime/UserInput.h"
