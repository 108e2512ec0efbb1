#include "panels/XyTableDemo.h"

#include "base/NumberText.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "forms/common/KeyFilter.h"
#include "forms/common/NormalizeField.h"
#include "panels/XyFindHomePanel.h"
#include "panels/XyFindIndexPanel.h"
#include "panels/XySegmentMove.h"
#include "program/App.h"
#include "program/MainWindowServices.h"
#include "program/Shell.h"

#include <string>

namespace tarvik {

namespace {

constexpr Color kPanelGrey = 0xE0E0E0;
constexpr Color kLampRed = 0x0000FF;
constexpr int kPollMillis = 50;
constexpr std::int16_t kMaxAxes = 4;

constexpr std::string_view kScaleKeys = "+-.0123456789";

const FieldRule kAxisRule{.keys = "", .check = FieldCheck::ClampInteger, .bounds = {1, kMaxAxes}, .leaving = FieldLeaving::Keep};
const FieldRule kGearRule{.keys = kDecimalKeys, .check = FieldCheck::ClampDouble, .bounds = {0, 1000}, .leaving = FieldLeaving::Whole};
const FieldRule kPitchRule{.keys = kDecimalKeys, .check = FieldCheck::ClampDouble, .bounds = {1, 100}, .leaving = FieldLeaving::Decimal};
const FieldRule kGridRule{.keys = kDecimalKeys, .check = FieldCheck::ClampDouble, .bounds = {0, 100}, .leaving = FieldLeaving::Decimal};
const FieldRule kVelocityRule{.keys = kDecimalKeys, .check = FieldCheck::ClampDouble, .bounds = {0, 100}, .leaving = FieldLeaving::Keep};
const FieldRule kScaleRule{.keys = kScaleKeys, .check = FieldCheck::ClampDouble, .bounds = {-100, 100}, .leaving = FieldLeaving::Keep};

// The per-board defaults of the set-up boxes; the table's Y travel is shorter on steppers.
struct BoardDefaults {
    const char* maximum;
};
std::optional<BoardDefaults> defaultsOf(int typeCode)
{
    if (IsServoType(typeCode) || IsEncoderType(typeCode)) return BoardDefaults{"6"};
    if (IsStepperType(typeCode)) return BoardDefaults{"4"};
    return std::nullopt;
}

} // namespace

XyTableDemo::XyTableDemo(App& app)
    : Form(app.runtime(), "frmxytable", {.caption = "XY Table Demo", .width = 9435, .height = 6420}),
      app_(app),
      xAxisField_(app, xaxistxt, kAxisRule),
      yAxisField_(app, yaxistxt, kAxisRule),
      gearXField_(app, gearxtxt, kGearRule),
      gearYField_(app, gearytxt, kGearRule),
      pitchXField_(app, xrevsinchtxt, kPitchRule),
      pitchYField_(app, yrevsinchtxt, kPitchRule),
      gridXField_(app, gridxtxt, kGridRule),
      gridYField_(app, gridytxt, kGridRule),
      velocityField_(app, vectveltxt, kVelocityRule),
      maxXField_(app, xmaxtxt, kScaleRule),
      minXField_(app, xmintxt, kScaleRule),
      maxYField_(app, ymaxtxt, kScaleRule),
      minYField_(app, ymintxt, kScaleRule)
{
    for (Shape* panel : {&Shape1, &Shape2, &Shape3, &Shape4}) {
        panel->setFillStyle(Shape::SolidFill);
        panel->setFillColor(kPanelGrey);
    }
    // The captions on the grey panels take the panels' grey.
    for (Control* control : controls())
        if (control->kind() == ControlKind::Label && control->left() + control->width() <= Shape1.width())
            static_cast<Label*>(control)->setBackColor(kPanelGrey);
    runlight.setFillStyle(Shape::SolidFill);
    runlight.setFillColor(kLampRed);
    box.setFillStyle(PictureBox::SolidFill);
    gridoff.setValue(true);
    modemanu.setValue(true);
    readtimer.setInterval(kPollMillis);
    for (TextBox* text : {&xaxistxt, &yaxistxt, &gearxtxt, &gearytxt, &xrevsinchtxt, &yrevsinchtxt, &gridxtxt, &gridytxt,
                          &vectveltxt, &xmaxtxt, &xmintxt, &ymaxtxt, &ymintxt})
        text->setFontName("Times New Roman");

    // Each check leaves the range checks on, whatever set them off.
    const auto settled = [this] { app_.state().RangeCheckOff = false; };
    const auto runRule = [this] {
        app_.state().RangeCheckOff = false;
        if (f_.Loaded == 1) UpdateRunButtons();
    };
    // The axis boxes reach only the axes the board has.
    const auto axisBounds = [this]() -> std::optional<FieldBounds> {
        const int axes = app_.state().isBoard(f_.BoardId) ? axisCountOf(f_.BoardTypeCode).value_or(kMaxAxes) : kMaxAxes;
        return FieldBounds{1, static_cast<double>(axes)};
    };
    xAxisField_.boundsNow = axisBounds;
    yAxisField_.boundsNow = axisBounds;
    const auto axisChecked = [this, runRule](EntryField& field, std::int16_t& axis) {
        if (field.valid() == 1) axis = toInt16Saturated(valueOf(field.box().text()));
        runRule();
    };
    xAxisField_.checked = [this, axisChecked] { axisChecked(xAxisField_, f_.XAxis); };
    yAxisField_.checked = [this, axisChecked] { axisChecked(yAxisField_, f_.YAxis); };
    // A gear ratio or grid of 0 is refused without a word: the flag stays 0.
    const auto positiveChecked = [](EntryField& field, float& value) {
        if (field.valid() == 1 && valueOf(field.box().text()) == 0) field.setValid(0);
        if (field.valid() == 1) value = static_cast<float>(valueOf(field.box().text()));
    };
    gearXField_.checked = [this, positiveChecked, runRule] { positiveChecked(gearXField_, f_.GearX); runRule(); };
    gearYField_.checked = [this, positiveChecked, runRule] { positiveChecked(gearYField_, f_.GearY); runRule(); };
    gridXField_.checked = [this, positiveChecked, settled] { positiveChecked(gridXField_, f_.GridX); settled(); };
    gridYField_.checked = [this, positiveChecked, settled] { positiveChecked(gridYField_, f_.GridY); settled(); };
    const auto pitchChecked = [runRule](EntryField& field, float& value) {
        if (field.valid() == 1) value = static_cast<float>(valueOf(field.box().text()));
        runRule();
    };
    pitchXField_.checked = [this, pitchChecked] { pitchChecked(pitchXField_, f_.PitchX); };
    pitchYField_.checked = [this, pitchChecked] { pitchChecked(pitchYField_, f_.PitchY); };
    velocityField_.checked = settled;
    vectveltxt.onLostFocus = [this] { vectveltxt_LostFocus(); };
    for (EntryField* scale : {&maxXField_, &minXField_, &maxYField_, &minYField_}) {
        scale->checked = settled;
        scale->box().onKeyDown = [this, scale](int& keyCode, int) { scaleBox_KeyDown(*scale, keyCode); };
        scale->box().onLostFocus = [this, scale] { scaleBox_LostFocus(scale->box()); };
    }

    bidlist.onClick = [this] { bidlist_Click(); };
    bidlist.onKeyDown = [this](int& keyCode, int) {
        if (const int row = keyCode - '0'; row >= 0 && row <= 7) {
            for (int i = 0; i < bidlist.listCount(); ++i)
                if (f_.BoardSlots[static_cast<std::size_t>(i)] == row) {
                    bidlist.setListIndex(i);
                    return;
                }
        }
        runtime().beep();
    };
    modemanu.onClick = [this] { modemanu_Click(); };
    modeauto.onClick = [this] { modeauto_Click(); };
    gridon.onClick = [this] { f_.SnapToGrid = 1; };
    gridoff.onClick = [this] { f_.SnapToGrid = 0; };
    const auto optionLabel = [](Frame& frame, OptionButton& option) {
        return [&frame, &option] {
            if (frame.enabled()) option.setValue(true);
        };
    };
    Label15.onClick = optionLabel(modeframe, modemanu);
    Label16.onClick = optionLabel(modeframe, modeauto);
    Label30.onClick = optionLabel(gridframe, gridon);
    Label29.onClick = optionLabel(gridframe, gridoff);

    homecmd.onClick = [this] { homecmd_Click(); };
    indexcmd.onClick = [this] { indexcmd_Click(); };
    startcmd.onClick = [this] { startcmd_Click(); };
    stopcmd.onClick = [this] { stopcmd_Click(); };
    erasecmd.onClick = [this] { erasecmd_Click(); };
    readtimer.onTimer = [this] { readtimer_Timer(); };
    box.onMouseDown = [this](int button, int, float x, float y) { box_MouseDown(button, x, y); };
    box.onMouseMove = [this](int button, int, float x, float y) { box_MouseMove(button, x, y); };
    box.onMouseUp = [this](int, int, float x, float y) { box_MouseUp(x, y); };
}

void XyTableDemo::Form_Load()
{
    move(0, 0);
    setHeight(6420);
    setWidth(9435);
    LockPrestoreMenus(app_, true);
    app_.state().XyDemoOpen = true;
    runlight.setFillColor(kLampRed);
    stopcmd.setEnabled(false);
    f_.Running = 0;
    f_.DemoMode = kDemoManual;
    f_.XAxis = 1;
    f_.SnapToGrid = 0;
    f_.YAxis = 2;

    int rows = 0;
    for (std::int16_t id = 0; id < kBoardIdCount; ++id) {
        if (app_.state().BoardInitState[static_cast<std::size_t>(id)] != 1 || !app_.state().isBoard(id)) continue;
        bidlist.addItem("ID:" + strSigned(id));
        f_.BoardSlots[static_cast<std::size_t>(rows++)] = id;
    }
    if (rows > 0) {
        bidlist.setListIndex(0);
    } else {
        // Nothing to drive: no control may reach a board.
        for (Control* control : std::initializer_list<Control*>{&startcmd, &erasecmd, &homecmd, &indexcmd, &box})
            control->setEnabled(false);
    }
    f_.Loaded = 1;
}

void XyTableDemo::Form_Unload(int&)
{
    // A move in progress goes on to its end: the table is left where the routine takes it.
    app_.state().XyDemoOpen = false;
    LockPrestoreMenus(app_, false);
}

void XyTableDemo::Form_Resize() { SendBackgroundToBack(app_); }

void XyTableDemo::Form_Deactivate() { SendBackgroundToBack(app_); }

void XyTableDemo::Form_Click()
{
    CommandButton& target = IsEncoderType(f_.BoardTypeCode) ? erasecmd : f_.Running == 1 ? stopcmd : startcmd;
    if (target.enabled()) target.setFocus();
}

void XyTableDemo::bidlist_Click()
{
    const int row = bidlist.listIndex();
    if (row < 0) return;
    f_.BoardId = f_.BoardSlots[static_cast<std::size_t>(row)];
    f_.BoardTypeCode = app_.state().BoardType[static_cast<std::size_t>(f_.BoardId)];
    setControlsForBoard();
    writeBoardDefaults();
    // The axis boxes keep their texts, brought within the axes of this board.
    xAxisField_.check();
    yAxisField_.check();
    f_.TargetCount = 0;
    f_.FindIndexAllowed = 0;
    setFindIndexForBoard();
    const auto b = static_cast<std::size_t>(f_.BoardId);
    f_.CountsPerRevX = app_.state().XCountsPerRev[b];
    f_.CountsPerRevY = app_.state().YCountsPerRev[b];
    f_.TargetCount = 0;
    f_.SegmentIndex = 0;
    RedrawTable();
    if (!canRun()) startcmd.setEnabled(false);
}

void XyTableDemo::setControlsForBoard()
{
    const bool encoder = IsEncoderType(f_.BoardTypeCode);
    for (Control* control : std::initializer_list<Control*>{&homecmd, &indexcmd, &startcmd, &stopcmd, &modeframe,
                                                             &gridframe, &gearxtxt, &gearytxt, &xrevsinchtxt,
                                                             &yrevsinchtxt, &vectveltxt, &gridxtxt, &gridytxt,
                                                             &xaxistxt, &yaxistxt}) {
        if (encoder)
            control->setEnabled(false);
        else if (control != &stopcmd)
            control->setEnabled(true);
    }
    // An axis box without a valid axis sends nothing until one is entered.
    if (encoder || !axesValid()) return;
    MotionDriver& driver = app_.driver();
    for (std::int16_t axis : {f_.XAxis, f_.YAxis})
        if (const DriverStatus status = driver.set_pos_mode(f_.BoardId, axis, PosModeAbsolute))
            ShowErrorMessage(app_, StatusText(status));
}

void XyTableDemo::writeBoardDefaults()
{
    const std::optional<BoardDefaults> defaults = defaultsOf(f_.BoardTypeCode);
    if (!defaults) return;
    xrevsinchtxt.setText("5");
    yrevsinchtxt.setText("5");
    xmaxtxt.setText(defaults->maximum);
    xmintxt.setText("0");
    ymaxtxt.setText(defaults->maximum);
    ymintxt.setText("0");
    vectveltxt.setText("1");
    gridxtxt.setText(".02");
    gridytxt.setText(".02");
    gearxtxt.setText("1");
    gearytxt.setText("1");
}

void XyTableDemo::setFindIndexForBoard()
{
    const int type = f_.BoardTypeCode;
    bool allowed = false;
    if (IsServoType(type)) {
        allowed = true;
    } else if (IsClosedLoopStepperType(type)) {
        // The copies hold -1 (closed) or 0 (open): the index search is offered on both, as a
        // closed-loop stepper's wizard lets each axis search.
        const auto b = static_cast<std::size_t>(f_.BoardId);
        allowed = app_.state().XClosedLoop[b] != 1 && app_.state().YClosedLoop[b] != 1;
    } else if (!IsStepperType(type) && !IsEncoderType(type)) {
        return;
    }
    indexcmd.setEnabled(allowed);
    f_.FindIndexAllowed = allowed ? 1 : 0;
}

void XyTableDemo::scaleBox_KeyDown(EntryField& field, int keyCode)
{
    if (keyCode != kKeyEnter) return;
    field.check();
    if (f_.Loaded == 1) UpdateRunButtons();
}

void XyTableDemo::scaleBox_LostFocus(TextBox& text)
{
    NormalizeDecimal(text);
    if (f_.Loaded == 1) UpdateRunButtons();
}

bool XyTableDemo::axesValid() const { return xAxisField_.valid() == 1 && yAxisField_.valid() == 1; }

bool XyTableDemo::canRun() const
{
    return axesValid() && scaleUsable_ && !IsEncoderType(f_.BoardTypeCode) &&
           StartMaskOf(f_.BoardTypeCode, f_.XAxis, f_.YAxis).has_value();
}

void XyTableDemo::UpdateRunButtons()
{
    const bool valid = pitchXField_.valid() == 1 && pitchYField_.valid() == 1 && maxXField_.valid() == 1 &&
                       maxYField_.valid() == 1 && minXField_.valid() == 1 && minYField_.valid() == 1 &&
                       gearXField_.valid() == 1 && gearYField_.valid() == 1;
    if (!valid) {
        startcmd.setEnabled(false);
        modeframe.setEnabled(false);
        erasecmd.setEnabled(false);
        return;
    }
    if (!f_.Redrawing) {
        f_.TargetCount = 0;
        f_.SegmentIndex = 0;
        RedrawTable();
    }
    const bool idle = f_.Running == 0;
    startcmd.setEnabled(idle && canRun() && !(f_.DemoMode == kDemoAutomatic && f_.TargetCount == 0));
    erasecmd.setEnabled(true);
    if (idle && !IsEncoderType(f_.BoardTypeCode)) modeframe.setEnabled(true);
}

void XyTableDemo::enableSetupBoxes(bool enabled)
{
    for (Control* control : std::initializer_list<Control*>{&bidlist, &xrevsinchtxt, &yrevsinchtxt, &xmintxt, &xmaxtxt,
                                                             &ymintxt, &ymaxtxt, &gearxtxt, &gearytxt, &xaxistxt,
                                                             &yaxistxt})
        control->setEnabled(enabled);
}

void XyTableDemo::modeauto_Click()
{
    f_.DemoMode = kDemoAutomatic;
    if (f_.TargetCount == 0) startcmd.setEnabled(false);
    enableSetupBoxes(false);
}

void XyTableDemo::modemanu_Click()
{
    if (IsEncoderType(f_.BoardTypeCode)) return;
    startcmd.setEnabled(canRun());
    enableSetupBoxes(true);
    modeframe.setEnabled(true);
    f_.TargetCount = 0;
    f_.SegmentIndex = 0;
    f_.DemoMode = kDemoManual;
    RedrawTable();
}

void XyTableDemo::forgetTargets()
{
    f_.TargetCount = 0;
    f_.SegmentIndex = 0;
    RedrawTable();
}

void XyTableDemo::homecmd_Click()
{
    app_.state().XyHomeBoard = f_.BoardId;
    app_.state().XyHomeStarted = false;
    if (!app_.form<XyFindHomePanel>().showModal()) return;
    if (app_.state().XyHomeStarted) forgetTargets();
}

void XyTableDemo::indexcmd_Click()
{
    app_.state().XyIndexBoard = f_.BoardId;
    app_.state().XyIndexStarted = false;
    if (!app_.form<XyFindIndexPanel>().showModal()) return;
    if (app_.state().XyIndexStarted) forgetTargets();
}

} // namespace tarvik
