#include "TestWindow.h"

#include "program/App.h"

#include <string>

namespace tarvik::script {

namespace {
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);
constexpr Color kGreen = rgb(0, 128, 0);
} // namespace

TestWindow::TestWindow(App& app) : Form(app.runtime(), "frmscripttest", {.caption = "Script Test"}), app_(app)
{
    spin.setMax(10);
    spin.setValue(5);
    spin.onChange = [this] { lblspin.setCaption(std::to_string(spin.value())); };
    pic.onMouseDown = [this](int, int, float x, float y) { pic_MouseDown(x, y); };
    pic.onMouseUp = [this](int, int, float x, float y) { pic_MouseUp(x, y); };
    txt.onChange = [this] { txt_Change(); };
    readcmd.onClick = [this] { readcmd_Click(); };
}

void TestWindow::Form_Load()
{
    for (const char* row : {"alpha", "beta", "gamma"}) lst.addItem(row);
    pic.scale(0, 0, 100, 100);
    pic.setFillStyle(PictureBox::SolidFill);
    pic.setFillColor(kGreen);
    pic.line(10, 10, 30, 20, kBlue, PictureBox::LineStyle::Box);
    pic.circle(50, 50, 5, kBlue);
}

void TestWindow::Form_Click() { lblclicks.setCaption(std::to_string(++clicks_)); }

void TestWindow::pic_MouseDown(float x, float y)
{
    pressX_ = x;
    pressY_ = y;
}

void TestWindow::pic_MouseUp(float x, float y) { pic.line(pressX_, pressY_, x, y, kRed); }

void TestWindow::txt_Change()
{
    const std::string& text = txt.text();
    const bool whole = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    txt.setForeColor(whole ? colors::Black : kRed);
}

void TestWindow::readcmd_Click()
{
    std::int32_t position = 0;
    const DriverStatus status = app_.driver().read_pos(1, 1, position);
    lblresult.setCaption("status " + std::to_string(status) + " position " + std::to_string(position));
}

} // namespace tarvik::script
