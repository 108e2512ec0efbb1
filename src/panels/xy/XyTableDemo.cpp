#include "panels/xy/XyTableDemo.h"

#include "base/NumberText.h"
#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "program/App.h"
#include "shell/MainWindowServices.h"
#include "shell/Shell.h"

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

// Tall enough for the grey run panel on the left (its bottom at 6060) below a title bar, within
// a window manager's borders.
constexpr float kFormHeight = 6060 + kTitleBarHeight + 120;
constexpr float kFormWidth = 9435;

} // namespace

XyTableDemo::XyTableDemo(App& app)
    : Form(app.runtime(), "frmxytable", {.caption = "XY Table Demo", .width = kFormWidth, .height = kFormHeight, .helpTopic = 218}),
      app_(app),
      boards_(app, bidlist),
      run_(app, f_, *this),
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
    for (Shape* panel : {&setupPanelShape, &positionPanelShape, &gridPanelShape, &runPanelShape}) {
        panel->setFillStyle(Shape::SolidFill);
        panel->setFillColor(kPanelGrey);
    }
    // The captions on the grey panels take the panels' grey.
    for (Control* control : controls())
        if (control->kind() == ControlKind::Label && control->left() + control->width() <= setupPanelShape.width())
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

    const auto runRule = [this] {
        if (f_.Loaded == 1) UpdateRunButtons();
    };
    // The axis boxes reach only the axes the board has.
    const auto axisBounds = [this]() -> std::optional<FieldBounds> {
        const int axes = app_.state().boards.isBoard(f_.BoardId) ? axisCountOf(f_.BoardTypeCode).value_or(kMaxAxes) : kMaxAxes;
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
    gridXField_.checked = [this, positiveChecked] { positiveChecked(gridXField_, f_.GridX); };
    gridYField_.checked = [this, positiveChecked] { positiveChecked(gridYField_, f_.GridY); };
    const auto pitchChecked = [runRule](EntryField& field, float& value) {
        if (field.valid() == 1) value = static_cast<float>(valueOf(field.box().text()));
        runRule();
    };
    pitchXField_.checked = [this, pitchChecked] { pitchChecked(pitchXField_, f_.PitchX); };
    pitchYField_.checked = [this, pitchChecked] { pitchChecked(pitchYField_, f_.PitchY); };
    vectveltxt.onLostFocus = [this] { vectveltxt_LostFocus(); };
    for (EntryField* scale : {&maxXField_, &minXField_, &maxYField_, &minYField_}) {
        scale->box().onKeyDown = [this, scale](int& keyCode, int) { scaleBox_KeyDown(*scale, keyCode); };
        scale->box().onLostFocus = [this, scale] { scaleBox_LostFocus(scale->box()); };
    }

    bidlist.onClick = [this] { bidlist_Click(); };
    bidlist.onKeyDown = [this](int& keyCode, int) { boards_.pickByKey(keyCode); };
    modemanu.onClick = [this] { modemanu_Click(); };
    modeauto.onClick = [this] { modeauto_Click(); };
    gridon.onClick = [this] { f_.SnapToGrid = 1; };
    gridoff.onClick = [this] { f_.SnapToGrid = 0; };
    const auto optionLabel = [](Frame& frame, OptionButton& option) {
        return [&frame, &option] {
            if (frame.enabled()) option.setValue(true);
        };
    };
    manualLabel.onClick = optionLabel(modeframe, modemanu);
    automaticLabel.onClick = optionLabel(modeframe, modeauto);
    gridOnLabel.onClick = optionLabel(gridframe, gridon);
    gridOffLabel.onClick = optionLabel(gridframe, gridoff);

    homecmd.onClick = [this] { homecmd_Click(); };
    indexcmd.onClick = [this] { indexcmd_Click(); };
    startcmd.onClick = [this] { startcmd_Click(); };
    stopcmd.onClick = [this] { stopcmd_Click(); };
    erasecmd.onClick = [this] { erasecmd_Click(); };
    readtimer.onTimer = [this] { run_.poll(); };
    box.onMouseDown = [this](int button, int, float x, float y) { box_MouseDown(button, x, y); };
    box.onMouseMove = [this](int button, int, float x, float y) { box_MouseMove(button, x, y); };
    box.onMouseUp = [this](int, int, float x, float y) { box_MouseUp(x, y); };
}

void XyTableDemo::Form_Load()
{
    move(0, 0);
    setHeight(kFormHeight);
    setWidth(kFormWidth);
    LockPrestoreMenus(app_, true);
    app_.state().windows.XyDemoOpen = true;
    runlight.setFillColor(kLampRed);
    stopcmd.setEnabled(false);
    f_.Running = 0;
    f_.DemoMode = kDemoManual;
    f_.XAxis = 1;
    f_.SnapToGrid = 0;
    f_.YAxis = 2;
    // The axis boxes' design texts are checked as if typed, so that their valid flags say they
    // hold an axis: selecting the board below sets both axes to absolute mode.
    xAxisField_.check();
    yAxisField_.check();

    // The initialised boards, in ID order, the first selected.
    for (std::int16_t id = 0; id < kBoardIdCount; ++id)
        if (app_.state().boards.BoardInitState[static_cast<std::size_t>(id)] == 1 && app_.state().boards.isBoard(id)) boards_.addRow(id);
    if (boards_.listed()) {
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
    app_.state().windows.XyDemoOpen = false;
    LockPrestoreMenus(app_, false);
}

void XyTableDemo::Form_Resize() { SendBackgroundToBack(app_); }

void XyTableDemo::Form_Deactivate() { SendBackgroundToBack(app_); }

void XyTableDemo::Form_Click()
{
    CommandButton& target = IsEncoderType(f_.BoardTypeCode) ? erasecmd : f_.Running == 1 ? stopcmd : startcmd;
    if (target.enabled()) target.setFocus();
}

} // namespace tarvik
