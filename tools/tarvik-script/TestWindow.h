#pragma once

#include "runtime/FormRuntime.h"

namespace tarvik {
class App;
}

namespace tarvik::script {

// The runner's own test window `frmscripttest`, opened after start-up by `--test-window`, so
// that the runner's scripts can check the commands that need kinds of controls the program's
// windows may not have yet:
//   Form_Click counts clicks on the background into lblclicks;
//   Form_Resize sends the background picture BackgroundWindow to the back, as the program's windows do;
//   pic (scale 0,0-100,100) shows a filled box and circle from its load; a press and release
//   draw a red line from the press to the release point; lblmouse shows its last mouse event as
//   "down|move|up button B shift S at X,Y";
//   spin (0..10, starting at 5) shows its value in lblspin;
//   lst holds the rows "alpha", "beta", "gamma";
//   txt turns red (ForeColor 255) while its text is not a whole number;
//   readcmd reads the position of board 1 axis 1 (read_pos) into lblresult:
//   "status S position P"; rdbcmd reads up to 10 packets of board 1's Return Data Buffer
//   (read_rdb): "status S packets A:C:D ..."; namecmd reads board 1's name
//   (get_motion_board_name, 32 characters): "status S name N"; askcmd asks "Save the changes?"
//   (Yes and No, title "Script Test"): "answer A". lblresult is in Monospace, 10 points;
//   tmr ticks every 500 ms but is disabled;
//   the Test menu: tstbackmu sends the window to the back, tstsepmu separates, tstrestoremu
//   brings the window back (to the front, restored).
class TestWindow : public Form {
public:
    explicit TestWindow(App& app);

    Label lblclicks{this, "lblclicks", {.caption = "0", .left = 120, .top = 120, .width = 1215, .height = 255}};
    PictureBox pic{this, "pic", {.left = 120, .top = 480, .width = 1500, .height = 1500}};
    ScrollBar spin{this, "spin", {.left = 1800, .top = 480, .width = 255, .height = 1500}};
    Label lblspin{this, "lblspin", {.caption = "5", .left = 2160, .top = 480, .width = 615, .height = 255}};
    ListBox lst{this, "lst", {.left = 2880, .top = 480, .width = 1215, .height = 1005}};
    TextBox txt{this, "txt", {.left = 120, .top = 2160, .width = 1215, .height = 285}};
    CommandButton readcmd{this, "readcmd", {.caption = "Read", .left = 1440, .top = 2160, .width = 975, .height = 375}};
    Label lblresult{this, "lblresult", {.left = 2520, .top = 2160, .width = 2415, .height = 255}};
    Label lblmouse{this, "lblmouse", {.left = 120, .top = 2640, .width = 3615, .height = 255}};
    CommandButton rdbcmd{this, "rdbcmd", {.caption = "RDB", .left = 120, .top = 3000, .width = 975, .height = 375}};
    CommandButton namecmd{this, "namecmd", {.caption = "Name", .left = 1200, .top = 3000, .width = 975, .height = 375}};
    CommandButton askcmd{this, "askcmd", {.caption = "Ask", .left = 2280, .top = 3000, .width = 975, .height = 375}};
    Timer tmr{this, "tmr", {.enabled = false}};
    MenuItem tstmu{this, "tstmu", {.caption = "&Test"}};
    MenuItem tstbackmu{this, "tstbackmu", {.caption = "Send to &Back", .container = &tstmu}};
    MenuItem tstsepmu{this, "tstsepmu", {.caption = "-", .container = &tstmu}};
    MenuItem tstrestoremu{this, "tstrestoremu", {.caption = "&Restore", .container = &tstmu}};

private:
    void Form_Load() override;
    void Form_Click() override;
    void Form_Resize() override;
    void pic_MouseDown(int button, int shift, float x, float y);
    void pic_MouseMove(int button, int shift, float x, float y);
    void pic_MouseUp(int button, int shift, float x, float y);
    void showMouse(const char* event, int button, int shift, float x, float y);
    void txt_Change();
    void readcmd_Click();
    void rdbcmd_Click();
    void namecmd_Click();
    void askcmd_Click();
    void tstrestoremu_Click();

    App& app_;
    int clicks_ = 0;
    float pressX_ = 0;
    float pressY_ = 0;
};

} // namespace tarvik::script
