#include "runtime/UserInput.h"

#include "runtime/Buttons.h"
#include "runtime/Caption.h"
#include "runtime/Control.h"
#include "runtime/ListControls.h"
#include "runtime/MenuItem.h"
#include "runtime/PictureBox.h"
#include "runtime/Runtime.h"
#include "runtime/ScrollBar.h"
#include "runtime/StaticControls.h"
#include "runtime/TextBox.h"

#include <algorithm>

namespace tarvik {

namespace {

// The caption of a control whose caption can carry an access key, "" for the others.
std::string accessCaption(const Control& control)
{
    switch (control.kind()) {
    case ControlKind::CommandButton: return static_cast<const CommandButton&>(control).caption();
    case ControlKind::CheckBox: return static_cast<const CheckBox&>(control).caption();
    case ControlKind::OptionButton: return static_cast<const OptionButton&>(control).caption();
    case ControlKind::Label: return static_cast<const Label&>(control).caption();
    case ControlKind::Frame: return static_cast<const Frame&>(control).caption();
    default: return {};
    }
}

} // namespace

bool UserInput::accepts(const Form& form) const { return rt_.acceptsInput(form); }

bool UserInput::accepts(const Control& control) const { return rt_.acceptsInput(control) && control.canTakeInput(); }

void UserInput::bringForward(Control& control) { rt_.activate(&control.form()); }

void UserInput::clickNow(Control& control)
{
    bringForward(control);
    if (control.canFocus()) rt_.moveFocus(control);
    if (accepts(control)) control.userClick();
}

bool UserInput::type(Control& control, std::string_view text)
{
    return rt_.dispatch([&] {
        if (!focus(control)) return false;
        for (char character : text) typeCharacter(static_cast<unsigned char>(character));
        return true;
    });
}

bool UserInput::typeCharacter(int character)
{
    const KeyStroke stroke = keyStrokeFor(character);
    return keystroke(stroke.keyCode, stroke.shift, character);
}

bool UserInput::press(Key key, int shift) { return press(static_cast<int>(key), shift); }

bool UserInput::press(int keyCode, int shift) { return keystroke(keyCode, shift, characterOf(keyCode, shift)); }

bool UserInput::press(Control& control, Key key, int shift)
{
    return rt_.dispatch([&] { return focus(control) && press(key, shift); });
}

bool UserInput::keystroke(int keyCode, int shift, int character)
{
    return rt_.dispatch([&] {
        Form* form = rt_.activeForm();
        if (!form || !accepts(*form)) return false;
        Control* focused = form->activeControl();
        if (focused && !focused->canTakeInput()) focused = nullptr;
        if (formKey(*form, keyCode, shift)) return true;
        const bool help = keyCode == static_cast<int>(Key::F1) && form->helpTopic() != 0;
        if (!focused) {
            if (help) rt_.requestHelp(form->helpTopic());
            return true;
        }
        int code = keyCode;
        Control::raise(focused->onKeyDown, code, shift);
        if (help) rt_.requestHelp(form->helpTopic());
        if (character == 0 && code != 0 && accepts(*focused)) focused->keyNavigate(code, shift);
        if (character != 0 && accepts(*focused)) {
            int typed = character;
            Control::raise(focused->onKeyPress, typed);
            if (typed != 0 && accepts(*focused)) focused->keyCharacter(typed);
        }
        if (focused->form().isLoaded()) {
            int released = keyCode;
            Control::raise(focused->onKeyUp, released, shift);
        }
        return true;
    });
}

bool UserInput::formKey(Form& form, int keyCode, int shift)
{
    const auto key = static_cast<Key>(keyCode);
    if (key == Key::Tab && (shift & (CtrlMask | AltMask)) == 0) {
        tab(form, (shift & ShiftMask) != 0);
        return true;
    }
    if ((shift & AltMask) != 0) return clickByAccessKey(form, keyCode);
    if (shift != 0) return false;
    if (key == Key::Enter) {
        CommandButton* button = form.enterButton();
        if (!button) return false;
        Control::raise(button->onClick);
        return true;
    }
    if (key == Key::Escape) {
        CommandButton* button = form.cancelButton();
        if (!button || !accepts(*button)) return false;
        Control::raise(button->onClick);
        return true;
    }
    return false;
}

bool UserInput::clickByAccessKey(Form& form, int key)
{
    for (Control* control : form.controls()) {
        if (accessKeyOf(accessCaption(*control)) != key || !accepts(*control)) continue;
        if (control->kind() != ControlKind::Label && control->kind() != ControlKind::Frame) {
            clickNow(*control);
            return true;
        }
        // A label's access key moves the focus to the control that follows it in tab order.
        for (Control* next : form.tabOrder())
            if (next->tabIndex() > control->tabIndex()) {
                rt_.moveFocus(*next);
                return true;
            }
        return false;
    }
    return false;
}

void UserInput::tab(Form& form, bool backwards)
{
    const auto order = form.tabOrder();
    if (order.empty()) return;
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    const auto at = std::find(order.begin(), order.end(), form.activeControl()) - order.begin();
    std::ptrdiff_t next = 0;
    if (at == count)
        next = backwards ? count - 1 : 0;
    else
        next = (at + (backwards ? count - 1 : 1)) % count;
    rt_.moveFocus(*order[static_cast<std::size_t>(next)]);
}

bool UserInput::click(Control& control)
{
    if (control.kind() == ControlKind::Menu) return choose(static_cast<MenuItem&>(control));
    return rt_.dispatch([&] {
        if (!accepts(control)) return false;
        clickNow(control);
        return true;
    });
}

bool UserInput::doubleClick(Control& control)
{
    return rt_.dispatch([&] {
        if (!accepts(control)) return false;
        clickNow(control);
        if (accepts(control)) control.userDoubleClick();
        return true;
    });
}

bool UserInput::clickForm(Form& form)
{
    return rt_.dispatch([&] {
        if (!accepts(form)) return false;
        rt_.activate(&form);
        if (accepts(form)) form.Form_Click();
        return true;
    });
}

bool UserInput::focus(Control& control)
{
    return rt_.dispatch([&] {
        if (!accepts(control) || !control.canFocus()) return false;
        bringForward(control);
        rt_.moveFocus(control);
        return true;
    });
}

bool UserInput::select(ListControl& list, int row)
{
    return rt_.dispatch([&] {
        if (!accepts(list) || row < 0 || row >= list.listCount()) return false;
        bringForward(list);
        rt_.moveFocus(list);
        if (accepts(list) && row < list.listCount()) list.setListIndex(row);
        return true;
    });
}

bool UserInput::paste(TextBox& box, std::string_view text)
{
    return rt_.dispatch([&] {
        if (!focus(box)) return false;
        if (accepts(box)) box.paste(text);
        return true;
    });
}

bool UserInput::paste(ComboBox& box, std::string_view text)
{
    return rt_.dispatch([&] {
        if (!box.editable() || !focus(box)) return false;
        if (accepts(box)) box.paste(text);
        return true;
    });
}

bool UserInput::selectText(TextBox& box, int start, int length)
{
    return rt_.dispatch([&] {
        if (!focus(box)) return false;
        box.setSelStart(start);
        box.setSelLength(length);
        return true;
    });
}

bool UserInput::scrollTo(ScrollBar& bar, int value)
{
    return rt_.dispatch([&] {
        if (!focus(bar)) return false;
        if (accepts(bar)) bar.setValue(value);
        return true;
    });
}

bool UserInput::mouseDown(PictureBox& box, float x, float y, int button, int shift)
{
    return rt_.dispatch([&] {
        if (!accepts(box)) return false;
        bringForward(box);
        rt_.moveFocus(box);
        if (accepts(box)) Control::raise(box.onMouseDown, button, shift, x, y);
        return true;
    });
}

bool UserInput::mouseMove(PictureBox& box, float x, float y, int button, int shift)
{
    return rt_.dispatch([&] {
        if (!accepts(box)) return false;
        Control::raise(box.onMouseMove, button, shift, x, y);
        return true;
    });
}

bool UserInput::mouseUp(PictureBox& box, float x, float y, int button, int shift)
{
    return rt_.dispatch([&] {
        if (!accepts(box)) return false;
        Control::raise(box.onMouseUp, button, shift, x, y);
        return true;
    });
}

bool UserInput::mouseClick(PictureBox& box, float x, float y, int button, int shift)
{
    return rt_.dispatch([&] {
        if (!mouseDown(box, x, y, button, shift)) return false;
        if (accepts(box)) Control::raise(box.onMouseUp, button, shift, x, y);
        if (accepts(box)) Control::raise(box.onClick);
        return true;
    });
}

bool UserInput::close(Form& form)
{
    return rt_.dispatch([&] { return rt_.acceptsClose(form) && rt_.unloadForm(form, UnloadReason::User); });
}

bool UserInput::choose(MenuItem& item)
{
    return rt_.dispatch([&] {
        if (!accepts(item)) return false;
        std::vector<MenuItem*> menus;
        for (MenuItem* menu = item.parentMenu(); menu; menu = menu->parentMenu()) menus.push_back(menu);
        for (auto menu = menus.rbegin(); menu != menus.rend(); ++menu)
            if (!openMenu(**menu)) return true;
        pick(item);
        return true;
    });
}

bool UserInput::openMenu(MenuItem& menu)
{
    return rt_.dispatch([&] {
        if (!accepts(menu)) return false;
        Control::raise(menu.onClick);
        return true;
    });
}

bool UserInput::pick(MenuItem& item)
{
    return rt_.dispatch([&] {
        if (!accepts(item)) return false;
        Control::raise(item.onClick);
        return true;
    });
}

bool UserInput::activate(Form& form)
{
    return rt_.dispatch([&] {
        if (!accepts(form)) return false;
        rt_.activate(&form);
        return true;
    });
}

bool UserInput::moveForm(Form& form, float left, float top)
{
    return rt_.dispatch([&] {
        if (!form.isLoaded()) return false;
        form.move(left, top);
        return true;
    });
}

bool UserInput::resizeForm(Form& form, float width, float height)
{
    return rt_.dispatch([&] {
        if (!form.isLoaded()) return false;
        form.setWidth(width);
        form.setHeight(height);
        return true;
    });
}

bool UserInput::setWindowState(Form& form, WindowState state)
{
    return rt_.dispatch([&] {
        if (!form.isLoaded()) return false;
        form.setWindowState(state);
        return true;
    });
}

} // namespace tarvik
