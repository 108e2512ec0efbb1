#pragma once

#include "common/BoardPicker.h"
#include "common/EntryField.h"
#include "panels/xy/XyTableFields.h"
#include "panels/xy/XyTableRun.h"
#include "runtime/FormRuntime.h"

#include <cstdint>

namespace tarvik {

class App;

// The XY Table Demo: two axes of one initialised board driven as an XY table. The user clicks
// targets into the drawing box, scaled in inches; Manual mode (after START) moves the table to
// each click at once, Automatic mode records the clicks and, after START, follows them as a
// routine of straight segments, lap after lap until STOP. A 50 ms poll watches the axes, draws
// the path travelled and sends the next segment; a failure on either axis stops both. The run
// itself is an XyTableRun; the window keeps the controls, their wiring and the drawing.
//
// The set-up (axes, gear ratio, pitch, scale, grid, vector velocity) is checked as it is typed;
// START needs a valid set-up with two different axes of the board. Everything drawn goes to the
// box's display list.
class XyTableDemo final : public Form, private XyRunWindow {
public:
    explicit XyTableDemo(App& app);

    const XyTableFields& fields() const { return f_; }
    // Clears the box and draws the grid and the present position on the scale of the set-up
    // boxes; refuses scales it cannot draw with a message and keeps the last good one.
    void RedrawTable() override;

    // The headings stand below the grey panel's top border line, the row labels level with
    // their boxes, and "X" and "Y" under "(Revs/Inch)" above the panel's bottom border line.
    Label axisHeading{this, "Label23", {.caption = "Axis #", .left = 360, .top = 15, .width = 615, .height = 225}};
    Label xAxisLabel{this, "Label27", {.caption = "X", .left = 120, .top = 300, .width = 195, .height = 255}};
    Label yAxisLabel{this, "Label25", {.caption = "Y", .left = 120, .top = 660, .width = 195, .height = 255}};
    TextBox xaxistxt{this, "xaxistxt", {.caption = "1", .left = 360, .top = 240, .width = 615, .height = 285, .maxLength = 8}};
    TextBox yaxistxt{this, "yaxistxt", {.caption = "2", .left = 360, .top = 600, .width = 615, .height = 285, .maxLength = 8}};
    Label gearHeading{this, "Label26", {.caption = "Gear Ratio", .left = 960, .top = 15, .width = 855, .height = 225}};
    TextBox gearxtxt{this, "gearxtxt", {.left = 1080, .top = 240, .width = 735, .height = 285, .maxLength = 8}};
    TextBox gearytxt{this, "gearytxt", {.left = 1080, .top = 600, .width = 735, .height = 285, .maxLength = 8}};
    Label pitchHeading{this, "Label34", {.caption = "Pitch", .left = 2040, .top = 15, .width = 555, .height = 225}};
    Label pitchUnitsLabel{this, "Label10", {.caption = "(Revs/Inch)", .left = 1920, .top = 960, .width = 915, .height = 255}};
    TextBox xrevsinchtxt{this, "xrevsinchtxt", {.left = 1920, .top = 240, .width = 795, .height = 285, .maxLength = 8}};
    TextBox yrevsinchtxt{this, "yrevsinchtxt", {.left = 1920, .top = 600, .width = 795, .height = 285, .maxLength = 8}};
    Label boardIdLabel{this, "Label3", {.caption = "Board ID", .left = 120, .top = 900, .width = 855, .height = 255}};
    ComboBox bidlist{this, "bidlist", {.left = 120, .top = 1080, .width = 975, .height = 315}, ComboBox::Style::DropDownList};
    Label setupBottomXLabel{this, "Label2", {.caption = "X", .left = 1800, .top = 1200, .width = 195, .height = 225}};
    Label setupBottomYLabel{this, "Label11", {.caption = "Y", .left = 2280, .top = 1200, .width = 195, .height = 225}};
    Label targetHeading{this, "Label7", {.caption = "Target Position (Inches)", .left = 240, .top = 1500, .width = 2415, .height = 255}};
    Label targetXLabel{this, "Label8", {.caption = "X", .left = 60, .top = 1740, .width = 195, .height = 255}};
    Label targxlbl{this, "targxlbl", {.left = 240, .top = 1740, .width = 1092, .height = 252}};
    Label targetYLabel{this, "Label9", {.caption = "Y", .left = 1440, .top = 1740, .width = 195, .height = 255}};
    Label targylbl{this, "targylbl", {.left = 1620, .top = 1740, .width = 1092, .height = 252}};
    Label presentHeading{this, "Label4", {.caption = "Present Position (Inches)", .left = 120, .top = 2040, .width = 2415, .height = 255}};
    Label presentXLabel{this, "Label5", {.caption = "X", .left = 60, .top = 2280, .width = 195, .height = 255}};
    Label Presxlbl{this, "Presxlbl", {.left = 240, .top = 2280, .width = 1092, .height = 252}};
    Label presentYLabel{this, "Label6", {.caption = "Y", .left = 1440, .top = 2280, .width = 195, .height = 255}};
    Label presylbl{this, "presylbl", {.left = 1620, .top = 2280, .width = 1092, .height = 252}};
    Label velocityHeading{this, "Label13", {.caption = "Vector Velocity", .left = 240, .top = 2580, .width = 1335, .height = 255}};
    TextBox vectveltxt{this, "vectveltxt", {.left = 240, .top = 2760, .width = 972, .height = 288, .maxLength = 7}};
    Label velocityUnitsLabel{this, "Label14", {.caption = "(Inches/Sec)", .left = 1380, .top = 2820, .width = 1035, .height = 255}};
    Label snapHeading{this, "Label35", {.caption = "Snap to Grid", .left = 165, .top = 3225, .width = 1035, .height = 255}};
    Frame gridframe{this, "gridframe", {.left = 348, .top = 3456, .width = 612, .height = 372}};
    OptionButton gridon{this, "gridon", {.left = 60, .top = 60, .width = 255, .height = 255, .container = &gridframe}};
    OptionButton gridoff{this, "gridoff", {.left = 330, .top = 60, .width = 255, .height = 255, .container = &gridframe}};
    Label gridOnLabel{this, "Label30", {.caption = "On", .left = 45, .top = 3585, .width = 300, .height = 255}};
    Label gridOffLabel{this, "Label29", {.caption = "Off", .left = 1005, .top = 3600, .width = 300, .height = 255}};
    Label gridHeading{this, "Label33", {.caption = "Grid (Inches)", .left = 1485, .top = 3165, .width = 1095, .height = 255}};
    Label gridXLabel{this, "Label32", {.caption = "X", .left = 1545, .top = 3405, .width = 195, .height = 255}};
    Label gridYLabel{this, "Label31", {.caption = "Y", .left = 1545, .top = 3705, .width = 195, .height = 255}};
    TextBox gridxtxt{this, "gridxtxt", {.left = 1728, .top = 3348, .width = 672, .height = 288, .maxLength = 5}};
    TextBox gridytxt{this, "gridytxt", {.left = 1728, .top = 3648, .width = 672, .height = 288, .maxLength = 5}};
    CommandButton homecmd{this, "homecmd", {.caption = "Find Home", .left = 120, .top = 4128, .width = 1032, .height = 372}};
    CommandButton indexcmd{this, "indexcmd", {.caption = "Find Index", .left = 120, .top = 4620, .width = 1032, .height = 372}};
    // The lamp stands clear of its caption above and of START below.
    Label executingLabel{this, "Label18", {.caption = "Executing", .left = 1755, .top = 4065, .width = 855, .height = 225}};
    Shape runlight{this, "runlight", {.left = 1992, .top = 4290, .width = 312, .height = 312}, Shape::Kind::Circle};
    CommandButton startcmd{this, "startcmd", {.caption = "START", .left = 1800, .top = 4605, .width = 732, .height = 432}};
    CommandButton stopcmd{this, "stopcmd", {.caption = "STOP", .left = 1800, .top = 5076, .width = 732, .height = 432}};
    CommandButton erasecmd{this, "erasecmd", {.caption = "ERASE", .left = 1800, .top = 5556, .width = 732, .height = 432}};
    Label modeHeading{this, "Label17", {.caption = "Mode", .left = 315, .top = 5040, .width = 555, .height = 255}};
    Frame modeframe{this, "modeframe", {.left = 312, .top = 5220, .width = 312, .height = 672}};
    OptionButton modemanu{this, "modemanu", {.left = 30, .top = 120, .width = 255, .height = 255, .container = &modeframe}};
    OptionButton modeauto{this, "modeauto", {.left = 30, .top = 360, .width = 255, .height = 255, .container = &modeframe}};
    Label manualLabel{this, "Label15", {.caption = "Manual", .left = 675, .top = 5400, .width = 855, .height = 255}};
    Label automaticLabel{this, "Label16", {.caption = "Automatic", .left = 675, .top = 5640, .width = 855, .height = 255}};
    PictureBox box{this, "box", {.left = 3600, .top = 60, .width = kDesignBoxExtent, .height = kDesignBoxExtent}};
    // The Y scale boxes stand clear of the drawing box's left edge.
    TextBox ymaxtxt{this, "ymaxtxt", {.left = 2910, .top = 60, .width = 672, .height = 288, .maxLength = 5}};
    Label yMaxLabel{this, "Label20", {.caption = "Max", .left = 3120, .top = 360, .width = 375, .height = 255}};
    TextBox ymintxt{this, "ymintxt", {.left = 2910, .top = 5400, .width = 672, .height = 288, .maxLength = 5}};
    // "Y" stands just above its Min box rather than across its top edge, and just below the Y
    // arrow's tail.
    Label yScaleLabel{this, "Label19", {.caption = "Y", .left = 3180, .top = 5145, .width = 195, .height = 255}};
    Label yMinLabel{this, "Label21", {.caption = "Min", .left = 3120, .top = 5760, .width = 375, .height = 255}};
    TextBox xmintxt{this, "xmintxt", {.left = 3660, .top = 5700, .width = 672, .height = 288, .maxLength = 5}};
    Label xScaleLabel{this, "Label12", {.caption = "X", .left = 4380, .top = 5760, .width = 195, .height = 255}};
    TextBox xmaxtxt{this, "xmaxtxt", {.left = 8580, .top = 5700, .width = 672, .height = 288, .maxLength = 5}};
    Label xMaxLabel{this, "Label22", {.caption = "Max", .left = 8100, .top = 5760, .width = 375, .height = 255}};
    // A caption outside the window's area, never seen: hidden, so that enlarging the window does
    // not reveal it.
    Label xMinLabel{this, "Label1", {.caption = "Min", .left = 9600, .top = 6600, .width = 375, .height = 255, .visible = false}};
    // The grey panels behind the set-up, position, grid and run groups, their separators, and
    // the arrows that show the Y (up) and X (right) directions.
    Shape setupPanelShape{this, "Shape1", {.left = 0, .top = 0, .width = 2880, .height = 1440}};
    Shape positionPanelShape{this, "Shape2", {.left = 0, .top = 1440, .width = 2880, .height = 1680}};
    Shape gridPanelShape{this, "Shape3", {.left = 0, .top = 3120, .width = 2880, .height = 900}};
    Shape runPanelShape{this, "Shape4", {.left = 0, .top = 4020, .width = 2880, .height = 2040}};
    Line setupSeparator{this, "Line1", 0, 1440, 2880, 1440};
    Line positionSeparator{this, "Line2", 0, 3120, 2880, 3120};
    Line gridSeparator{this, "Line3", 0, 4020, 2880, 4020};
    Line panelsEdge{this, "Line4", 2880, 0, 2880, 6060};
    Line yArrowShaft{this, "Line5", 3300, 5130, 3300, 4320};
    Line yArrowLeftHead{this, "Line6", 3300, 4320, 3210, 4500};
    Line yArrowRightHead{this, "Line7", 3300, 4320, 3390, 4500};
    Line xArrowShaft{this, "Line8", 4620, 5880, 5640, 5880};
    Line xArrowUpperHead{this, "Line9", 5640, 5880, 5460, 5790};
    Line xArrowLowerHead{this, "Line10", 5640, 5880, 5460, 5970};
    Timer readtimer{this, "readtimer", {}};

private:
    static constexpr float kDesignBoxExtent = 5688;

    // Loading and the window's own events (XyTableDemo.cpp).
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    void Form_Deactivate() override;
    void Form_Click() override;

    // Set-up (XyTableDemoSetup.cpp).
    void bidlist_Click();
    void setControlsForBoard();
    void writeBoardDefaults();
    void setFindIndexForBoard();
    void scaleBox_KeyDown(EntryField& field, int keyCode);
    void scaleBox_LostFocus(TextBox& box);
    void UpdateRunButtons();
    void modemanu_Click();
    void modeauto_Click();
    void enableSetupBoxes(bool enabled);
    void homecmd_Click();
    void indexcmd_Click();
    void forgetTargets();
    bool axesValid() const override;
    // True when the set-up names two different axes of the board and gives a scale to draw on.
    bool canRun() const;

    // Drawing (XyTableDemoRedraw.cpp).
    void restoreLastGoodLimits();
    void readLimits();
    void drawMarker(std::int32_t x, std::int32_t y, Color color) override;
    void drawTravel(int width, Color color) override;
    void drawTravel() override;
    void showPresentPosition();
    void readPresentPosition(bool reportFailures);
    void updatePresentPosition() override;

    // Target entry (XyTableDemoTargets.cpp).
    void box_MouseDown(int button, float x, float y);
    void box_MouseMove(int button, float x, float y);
    void box_MouseUp(float x, float y);
    void recordAutomaticTarget(float x, float y);
    void moveManually(float x, float y);
    void recordTarget(std::int32_t x, std::int32_t y);
    void erasecmd_Click();

    // The run buttons and what the run shows (XyTableDemoRunButtons.cpp).
    void startcmd_Click();
    void stopcmd_Click();
    void stopRun() override;
    void showSegment(float targetInchX, float targetInchY, float velocity) override;

    // Velocity question (XyTableDemoVelocity.cpp).
    void vectveltxt_LostFocus();
    void askSegmentScaling();

    App& app_;
    XyTableFields f_;
    BoardPicker boards_;
    XyTableRun run_;
    // The set-up boxes' checks and valid flags.
    EntryField xAxisField_;
    EntryField yAxisField_;
    EntryField gearXField_;
    EntryField gearYField_;
    EntryField pitchXField_;
    EntryField pitchYField_;
    EntryField gridXField_;
    EntryField gridYField_;
    EntryField velocityField_;
    EntryField maxXField_;
    EntryField minXField_;
    EntryField maxYField_;
    EntryField minYField_;
    // The last redraw found a scale to draw on.
    bool scaleUsable_ = false;
};

} // namespace tarvik
