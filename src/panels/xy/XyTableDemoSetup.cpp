#include "panels/xy/XyTableDemo.h"

#include "common/KeyFilter.h"
#include "common/NormalizeField.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "panels/xy/XyFindHomePanel.h"
#include "panels/xy/XyFindIndexPanel.h"
#include "panels/xy/XySegmentMove.h"
#include "program/App.h"
#include "shell/Shell.h"

#include <optional>

namespace tarvik {

namespace {

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

void XyTableDemo::bidlist_Click()
{
    const std::optional<std::int16_t> board = boards_.selected();
    if (!board) return;
    f_.BoardId = *board;
    f_.BoardTypeCode = app_.state().boards.BoardType[static_cast<std::size_t>(f_.BoardId)];
    setControlsForBoard();
    writeBoardDefaults();
    // The axis boxes keep their texts, brought within the axes of this board.
    xAxisField_.check();
    yAxisField_.check();
    f_.TargetCount = 0;
    f_.FindIndexAllowed = 0;
    setFindIndexForBoard();
    const auto b = static_cast<std::size_t>(f_.BoardId);
    f_.CountsPerRevX = app_.state().xy.XCountsPerRev[b];
    f_.CountsPerRevY = app_.state().xy.YCountsPerRev[b];
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
        allowed = app_.state().xy.XClosedLoop[b] != 1 && app_.state().xy.YClosedLoop[b] != 1;
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
    // A search moves the table's axes away from the routine, so its targets are dropped.
    if (app_.form<XyFindHomePanel>().showFor(f_.BoardId)) forgetTargets();
}

void XyTableDemo::indexcmd_Click()
{
    if (app_.form<XyFindIndexPanel>().showFor(f_.BoardId)) forgetTargets();
}

} // namespace tarvik
