#include "qt/InputBridge.h"

#include "qt/BusyCursor.h"
#include "qt/KeyMapping.h"
#include "qt/QtUnits.h"
#include "runtime/Control.h"
#include "runtime/Runtime.h"
#include "runtime/UserInput.h"

#include <algorithm>

namespace tarvik {

bool InputBridge::isLoadedForm(const Form* form) const
{
    const auto forms = runtime_.forms();
    return std::find(forms.begin(), forms.end(), form) != forms.end();
}

void InputBridge::userDid(const std::function<void(UserInput&)>& action)
{
    if (mirroring() || runtime_.ended()) return;
    {
        BusyCursor busy;
        action(runtime_.input());
    }
    if (afterInput_ && !runtime_.ended()) afterInput_();
}

void InputBridge::key(Form& form, Control* control, const QKeyEvent& event)
{
    const RuntimeKey key = runtimeKeyOf(event);
    if (key.kind == RuntimeKey::Kind::None) return;
    userDid([&](UserInput& input) {
        // The Qt focus may stand where the runtime's does not (a click the runtime refused):
        // the key then goes to the runtime's focused control.
        if (control && (form.activeControl() != control || !form.isActive())) input.focus(*control);
        else if (!form.isActive()) input.activate(form);
        if (key.kind == RuntimeKey::Kind::Character)
            input.typeCharacter(key.character);
        else
            input.press(key.keyCode, key.shift);
    });
}

void InputBridge::formMoved(Form& form, const QRect& frame)
{
    if (form.windowState() != WindowState::Normal) return;
    const bool moved = toPixels(form.left()) != frame.x() || toPixels(form.top()) != frame.y();
    const bool resized = toPixels(form.width()) != frame.width() || toPixels(form.height()) != frame.height();
    userDid([&](UserInput& input) {
        if (moved) input.moveForm(form, static_cast<float>(toTwips(frame.x())), static_cast<float>(toTwips(frame.y())));
        // A handler of the move may have unloaded the form, and the runtime destroys unloaded
        // forms once the user's action is over.
        if (resized && isLoadedForm(&form))
            input.resizeForm(form, static_cast<float>(toTwips(frame.width())), static_cast<float>(toTwips(frame.height())));
    });
}

void InputBridge::formStateChanged(Form& form, WindowState state)
{
    if (form.windowState() == state) return;
    userDid([&](UserInput& input) { input.setWindowState(form, state); });
}

void InputBridge::formActivated(Form& form)
{
    if (runtime_.activeForm() == &form) return;
    userDid([&](UserInput& input) { input.activate(form); });
}

void InputBridge::closeForm(Form& form)
{
    userDid([&](UserInput& input) { input.close(form); });
}

} // namespace tarvik
