#pragma once

#include "runtime/FormRuntime.h"
#include "runtime/HeadlessHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tarvik::testing {

// Events in the order they were raised, as "control.Event" lines.
struct EventLog {
    std::vector<std::string> lines;
    void add(std::string line) { lines.push_back(std::move(line)); }
    void clear() { lines.clear(); }
};

// Behaviour a test gives a form before it loads.
struct FormHooks {
    std::function<void(Form&)> load{};
    std::function<void(int& cancel, UnloadReason)> queryUnload{};
    std::function<void(int& cancel)> unload{};
    std::function<void()> deactivate{};
};

// A command dialog with one control of most kinds, logging every event it gets.
class TestDialog : public Form {
public:
    TestDialog(Runtime& runtime, EventLog& log, FormHooks hooks = {}, std::string name = "dialog");

    EventLog& log;
    FormHooks hooks;
    int loads = 0;

    TextBox axistxt{this, "axistxt", {.maxLength = 3}};
    TextBox valuetxt{this, "valuetxt"};
    CommandButton runcmd{this, "runcmd", {.caption = "&Run"}};
    CommandButton cancelcmd{this, "cancelcmd", {.caption = "Cancel"}};
    ComboBox bidlist{this, "bidlist", {}, ComboBox::Style::DropDownList};
    ComboBox namecombo{this, "namecombo"};
    Frame modeframe{this, "modeframe", {.caption = "Mode"}};
    OptionButton optOn{this, "optOn", {.caption = "On", .container = &modeframe}};
    OptionButton optOff{this, "optOff", {.caption = "Off", .container = &modeframe}};
    TextBox innertxt{this, "innertxt", {.container = &modeframe}};
    OptionButton optAlone{this, "optAlone", {.caption = "Alone"}};
    CheckBox chk{this, "chk", {.caption = "Check"}};
    ScrollBar spin{this, "spin"};
    Label msglbl{this, "msglbl", {.caption = "&Value"}};
    PictureBox box{this, "box", {.width = 1000, .height = 1000}};
    Timer poll{this, "poll"};

protected:
    void Form_Load() override;
    void Form_Activate() override { log.add(name() + ".Activate"); }
    void Form_Deactivate() override;
    void Form_QueryUnload(int& cancel, UnloadReason reason) override;
    void Form_Unload(int& cancel) override;

private:
    void logEvents(Control& control);
};

// A second modeless form, to watch activation and z-order.
class OtherDialog : public TestDialog {
public:
    OtherDialog(Runtime& runtime, EventLog& events, FormHooks formHooks = {})
        : TestDialog(runtime, events, std::move(formHooks), "other")
    {
    }
};

// A message window shown modally, with OK and Quit buttons and a message text.
class MessageWindow : public Form {
public:
    explicit MessageWindow(Runtime& runtime);

    TextBox msgtxt{this, "msgtxt"};
    CommandButton okcmd{this, "okcmd", {.caption = "OK"}};
    CommandButton quitcmd{this, "quitcmd", {.caption = "Quit"}};

    std::string messageText() const override { return msgtxt.text(); }
};

// A fresh runtime on a virtual clock per test.
class RuntimeTest : public ::testing::Test {
protected:
    VirtualClock clock;
    HeadlessHost host;
    Runtime rt{clock, host};
    UserInput& in = rt.input();
    EventLog log;

    TestDialog& dialog(FormHooks hooks = {})
    {
        auto& form = rt.instance<TestDialog>(rt, log, std::move(hooks));
        form.show();
        return form;
    }
    std::vector<std::string> takeLog()
    {
        auto lines = log.lines;
        log.clear();
        return lines;
    }
};

} // namespace tarvik::testing
