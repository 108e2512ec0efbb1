#include "TestForms.h"

namespace tarvik::testing {

TestDialog::TestDialog(Runtime& runtime, EventLog& events, FormHooks formHooks, std::string name)
    : Form(runtime, std::move(name), {.caption = "Test Dialog", .helpTopic = 48}), log(events), hooks(std::move(formHooks))
{
    for (Control* control : controls()) logEvents(*control);
    runcmd.setDefault(true);
    cancelcmd.setCancel(true);
    spin.setMin(-5);
    spin.setMax(5);
    spin.setSmallChange(2);
    poll.setInterval(50);
    poll.setEnabled(false);
}

void TestDialog::logEvents(Control& control)
{
    const std::string name = control.qualifiedName();
    control.onClick = [this, name] { log.add(name + ".Click"); };
    control.onDblClick = [this, name] { log.add(name + ".DblClick"); };
    control.onChange = [this, name] { log.add(name + ".Change"); };
    control.onGotFocus = [this, name] { log.add(name + ".GotFocus"); };
    control.onLostFocus = [this, name] { log.add(name + ".LostFocus"); };
    control.onKeyDown = [this, name](int& key, int shift) {
        log.add(name + ".KeyDown " + std::to_string(key) + " " + std::to_string(shift));
    };
    control.onKeyPress = [this, name](int& key) { log.add(name + ".KeyPress " + std::to_string(key)); };
    control.onKeyUp = [this, name](int& key, int) { log.add(name + ".KeyUp " + std::to_string(key)); };
}

void TestDialog::Form_Load()
{
    ++loads;
    log.add(name() + ".Load");
    bidlist.addItem("ID: 1");
    bidlist.addItem("ID: 3");
    if (hooks.load) hooks.load(*this);
}

void TestDialog::Form_Deactivate()
{
    log.add(name() + ".Deactivate");
    if (hooks.deactivate) hooks.deactivate();
}

void TestDialog::Form_QueryUnload(int& cancel, UnloadReason reason)
{
    log.add(name() + ".QueryUnload");
    if (hooks.queryUnload) hooks.queryUnload(cancel, reason);
}

void TestDialog::Form_Unload(int& cancel)
{
    log.add(name() + ".Unload");
    if (hooks.unload) hooks.unload(cancel);
}

MessageWindow::MessageWindow(Runtime& runtime) : Form(runtime, "frmmsg", {.caption = "Message"})
{
    okcmd.onClick = [this] { hide(); };
    quitcmd.onClick = [this] { this->runtime().endProgram(); };
}

} // namespace tarvik::testing
