#include "SmokeForms.h"

namespace tarvik::testing {

SmokeMain::SmokeMain(Runtime& runtime)
    : Form(runtime, "smokemain", {.caption = "Tarvik", .width = 9600, .height = 6000, .mdiChild = false})
{
    for (int board = 0; board < 3; ++board)
        bidmu.add(board, {.caption = "Board &" + std::to_string(board), .container = &boardmu});
    bidmu.each([this](int index, MenuItem& item) { wire(index, item); });
    openmu.onClick = [this] { ++opens; };
    quitmu.onClick = [this] { this->runtime().endProgram(); };
}

void SmokeMain::wire(int index, MenuItem& item)
{
    item.onClick = [this, index] {
        boardChosen = index;
        bidmu.each([index](int other, MenuItem& each) { each.setChecked(other == index); });
    };
}

SmokeDialog::SmokeDialog(Runtime& runtime)
    : Form(runtime, "smokedialog", {.caption = "Load Value", .left = 240, .top = 240, .width = 4980, .height = 2900})
{
    valuetxt.onChange = [this] { ++changes; };
    valuetxt.onKeyPress = [this](int& keyAscii) { valuetxt_KeyPress(keyAscii); };
    runcmd.onClick = [this] { runcmd_Click(); };
    boardlist.onClick = [this] { ++picks; };
    blink.onTimer = [this] { ++ticks; };
    plot.onMouseDown = [this](int, int, float x, float y) {
        mouseX = x;
        mouseY = y;
    };
}

void SmokeDialog::Form_Load()
{
    for (const char* row : {"1: servo", "2: stepper", "3: encoder"}) boardlist.addItem(row);
    plot.scale(0, 100, 100, 0);
    plot.setForeColor(rgb(0, 0, 160));
    plot.line(0, 0, 100, 100);
    plot.setFillStyle(PictureBox::SolidFill);
    plot.setFillColor(rgb(255, 200, 0));
    plot.circle(50, 50, 20);
    lamp.setFillStyle(Shape::SolidFill);
    lamp.setFillColor(rgb(0, 192, 0));
}

void SmokeDialog::valuetxt_KeyPress(int& keyAscii)
{
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != '.' && keyAscii != 8) keyAscii = 0;
}

void SmokeDialog::runcmd_Click()
{
    ++clicks;
    statuslbl.setCaption("Ran with " + valuetxt.text());
}

SmokeQuestion::SmokeQuestion(Runtime& runtime)
    : Form(runtime, "smokequestion", {.caption = "Question", .width = 3600, .height = 1800})
{
    okcmd.onClick = [this] {
        accepted = true;
        hide();
    };
    // Cancel unloads the window from inside its own handler.
    cancelcmd.onClick = [this] { unload(); };
}

void SmokeQuestion::Form_QueryUnload(int& cancel, UnloadReason reason)
{
    if (reason == UnloadReason::User && refuseClose > 0) {
        --refuseClose;
        cancel = 1;
    }
}

} // namespace tarvik::testing
