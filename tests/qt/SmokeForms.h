#pragma once

#include "runtime/FormRuntime.h"

#include <string>

namespace tarvik::testing {

// A main window with nested menus and a control array of items.
class SmokeMain : public Form {
public:
    explicit SmokeMain(Runtime& runtime);

    MenuItem filemu{this, "filemu", {.caption = "&File"}};
    MenuItem openmu{this, "openmu", {.caption = "&Open", .container = &filemu}};
    MenuItem sepmu{this, "sepmu", {.caption = "-", .container = &filemu}};
    MenuItem quitmu{this, "quitmu", {.caption = "&Quit", .container = &filemu}};
    MenuItem boardmu{this, "boardmu", {.caption = "&Board"}};
    ControlArray<MenuItem> bidmu{this, "bidmu"};

    int opens = 0;
    int boardChosen = -1;

private:
    void wire(int index, MenuItem& item);
};

// A child window with a text box (digits only), a button, a list, a picture box and a label.
class SmokeDialog : public Form {
public:
    explicit SmokeDialog(Runtime& runtime);

    Label valuelbl{this, "valuelbl", {.caption = "&Value:", .left = 120, .top = 180, .width = 900, .height = 255}};
    TextBox valuetxt{this, "valuetxt", {.left = 1080, .top = 120, .width = 1215, .height = 315, .maxLength = 6}};
    CommandButton runcmd{this, "runcmd", {.caption = "&Run", .left = 2520, .top = 120, .width = 975, .height = 375}};
    ListBox boardlist{this, "boardlist", {.left = 120, .top = 600, .width = 2175, .height = 1200}};
    PictureBox plot{this, "plot", {.left = 2520, .top = 600, .width = 1800, .height = 1200}};
    Shape lamp{this, "lamp", {.left = 4440, .top = 180, .width = 255, .height = 255}, Shape::Kind::Circle};
    Label statuslbl{this, "statuslbl", {.left = 120, .top = 1920, .width = 4200, .height = 255}};
    Timer blink{this, "blink"};

    int changes = 0;
    int ticks = 0;
    int clicks = 0;
    int picks = 0;
    float mouseX = -1;
    float mouseY = -1;

protected:
    void Form_Load() override;

private:
    void valuetxt_KeyPress(int& keyAscii);
    void runcmd_Click();
};

// A child window without a caption: the main window's backdrop.
class SmokeBackdrop : public Form {
public:
    explicit SmokeBackdrop(Runtime& runtime) : Form(runtime, "smokebackdrop", {.width = 9000, .height = 5000}) {}
};

// A modal question with OK and Cancel.
class SmokeQuestion : public Form {
public:
    explicit SmokeQuestion(Runtime& runtime);

    Label msglbl{this, "msglbl", {.caption = "Proceed?", .left = 120, .top = 120, .width = 3000, .height = 255}};
    CommandButton okcmd{this, "okcmd", {.caption = "OK", .left = 120, .top = 600, .width = 975, .height = 375}};
    CommandButton cancelcmd{this, "cancelcmd", {.caption = "Cancel", .left = 1320, .top = 600, .width = 975, .height = 375}};

    bool accepted = false;

protected:
    void Form_QueryUnload(int& cancel, UnloadReason reason) override;

public:
    // The close box is refused this many times.
    int refuseClose = 0;
};

} // namespace tarvik::testing
