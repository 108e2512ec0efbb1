#include "panels/ServoTestPanel.h"

#include "common/KeyFilter.h"
#include "driver/BoardRanges.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"
#include "program/AxisSettings.h"

namespace tarvik {

namespace {

constexpr double kGaugeFullScale = 100;

// Layout in twips of the panel's own controls (the rows of the entry column are RunPanel's).
constexpr float kFrameWidth = 3255;
constexpr float kOptionSize = 255;
constexpr float kOptionLeft = 120;
constexpr float kOptionLabelLeft = 420;
constexpr float kOptionLabelWidth = 2655;
constexpr float kCaption = 240;
constexpr float kModeTop = 360;
constexpr float kModeHeight = 1095;
// The direction frame ends above the feedback caption.
constexpr float kDirectionTop = 1740;
constexpr float kDirectionHeight = 735;
constexpr float kGaugeLeft = 600;
constexpr float kGaugeTop = 4560;
constexpr float kGaugeSize = 1560;
constexpr float kGaugeWidth = 2400;

const RunPanelDesign kDesign{
    .name = "frmservtest",
    .caption = "Servo Test Panel",
    .helpTopic = 202,
    .openFlag = &OpenWindows::ServoTestOpen,
    .trajectoryHeading = "Trajectory Inputs (Position in Counts)",
    .position1Name = "pos1txt",
    .position2Name = "pos2txt",
    .positionBounds = {kPositionMin, kPositionMax},
    .positionMaxLength = 11,
    .dwellBounds = {0, 100},
    .dwellMaxLength = 3,
    .dwellLeaving = FieldLeaving::Keep,
    .cycleOnName = "CycleOn",
    .cycleOnLabelName = "Label12",
    .cycleOffName = "CycleOff",
    .cycleOffLabelName = "Label20",
    .height = 7080,
};

// The speed fields: decimal RPM and RPS/s, 0 to 100000, up to ten characters ("99999.9999").
const FieldRule kSpeedRule{.keys = kDecimalKeys,
                           .check = FieldCheck::ClampDouble,
                           .bounds = {0, 100000},
                           .leaving = FieldLeaving::Decimal};
constexpr int kSpeedMaxLength = 10;

Design optionAt(Frame& frame, int row)
{
    return {.left = kOptionLeft, .top = 120 + 300 * static_cast<float>(row), .width = kOptionSize,
            .height = kOptionSize, .container = &frame};
}

Design optionLabelAt(Frame& frame, int row, std::string caption)
{
    return {.caption = std::move(caption), .left = kOptionLabelLeft, .top = 135 + 300 * static_cast<float>(row),
            .width = kOptionLabelWidth, .height = kCaption, .container = &frame};
}

} // namespace

ServoTestPanel::ServoTestPanel(App& app)
    : RunPanel(app, kDesign),
      lblRpm(this, "lblRpm", {.caption = "Velocity (in RPM)"}),
      rpmtxt(this, "rpmtxt", {.caption = "100", .maxLength = kSpeedMaxLength}),
      lblRpsps(this, "lblRpsps", {.caption = "Acceleration (in RPS/Sec)"}),
      rpspstxt(this, "rpspstxt", {.caption = "100", .maxLength = kSpeedMaxLength}),
      lblOperationMode(this, "lblOperationMode", {.caption = "Operation Mode", .left = rightColumnLeft(),
                                                  .top = kModeTop - kCaption, .width = kFrameWidth,
                                                  .height = kCaption}),
      operationModeFrame(this, "Frame2", {.left = rightColumnLeft(), .top = kModeTop, .width = kFrameWidth, .height = kModeHeight}),
      pa(this, "pa", optionAt(operationModeFrame, 0)),
      positionAbsoluteLabel(this, "Label26", optionLabelAt(operationModeFrame, 0, "Pos - Absolute")),
      pr(this, "pr", optionAt(operationModeFrame, 1)),
      positionRelativeLabel(this, "Label25", optionLabelAt(operationModeFrame, 1, "Pos - Relative")),
      vr(this, "vr", optionAt(operationModeFrame, 2)),
      velocityAbsoluteLabel(this, "Label2", optionLabelAt(operationModeFrame, 2, "Vel - Absolute")),
      lblDirection(this, "lblDirection", {.caption = "Direction", .left = rightColumnLeft(),
                                          .top = kDirectionTop - kCaption, .width = kFrameWidth, .height = kCaption}),
      directionFrame(this, "Frame1", {.left = rightColumnLeft(), .top = kDirectionTop, .width = kFrameWidth,
                              .height = kDirectionHeight}),
      forward(this, "forward", optionAt(directionFrame, 0)),
      forwardLabel(this, "Label7", optionLabelAt(directionFrame, 0, "Forward")),
      rev(this, "rev", optionAt(directionFrame, 1)),
      reverseLabel(this, "Label8", optionLabelAt(directionFrame, 1, "Reverse")),
      speedGauge(this, "Gauge1", {.left = kGaugeLeft, .top = kGaugeTop, .width = kGaugeWidth, .height = kGaugeSize}),
      lblGaugeZero(this, "lblGaugeZero", {.caption = "0", .left = kGaugeLeft - 360, .top = kGaugeTop + kGaugeSize - kCaption,
                                          .width = 360, .height = kCaption}),
      lblGaugeFull(this, "lblGaugeFull", {.caption = "100%", .left = kGaugeLeft + kGaugeWidth,
                                          .top = kGaugeTop + kGaugeSize - kCaption, .width = 615, .height = kCaption}),
      lblGaugeLegend(this, "lblGaugeLegend", {.caption = "% of RPM entered", .left = kGaugeLeft,
                                              .top = kGaugeTop + kGaugeSize + 60, .width = kGaugeWidth,
                                              .height = kCaption}),
      rpmField_(app, rpmtxt, kSpeedRule),
      rpspsField_(app, rpspstxt, kSpeedRule)
{
    placeRow(2, lblRpm, rpmtxt);
    placeRow(3, lblRpsps, rpspstxt);
    pa.setValue(true);
    forward.setValue(true);
    speedGauge.setMax(static_cast<int>(kGaugeFullScale));
    addRunField(rpmField_);
    addRunField(rpspsField_);

    // Enter in the RPM field checks it again, so Start can come back without leaving the field.
    rpmtxt.onKeyPress = [this, filter = rpmtxt.onKeyPress](int& keyAscii) {
        filter(keyAscii);
        if (keyAscii == kKeyEnter) rpmField_.check();
    };
    pa.onClick = [this] { positionMode_Click(); };
    pr.onClick = [this] { positionMode_Click(); };
    vr.onClick = [this] { vr_Click(); };
    const auto selectWhileEnabled = [](Frame& frame, OptionButton& option) {
        return [&frame, &option] {
            if (frame.enabled()) option.setValue(true);
        };
    };
    positionAbsoluteLabel.onClick = selectWhileEnabled(operationModeFrame, pa);
    positionRelativeLabel.onClick = selectWhileEnabled(operationModeFrame, pr);
    velocityAbsoluteLabel.onClick = selectWhileEnabled(operationModeFrame, vr);
    forwardLabel.onClick = selectWhileEnabled(directionFrame, forward);
    reverseLabel.onClick = selectWhileEnabled(directionFrame, rev);
}

void ServoTestPanel::loadPanel()
{
    BoardId = -1;
    boards_.fill(kServoGroups);
    // Boards never initialised are not offered; one whose initialisation did not finish is.
    for (int row = bidlist.listCount() - 1; row >= 0; --row) {
        const std::int16_t board = boards_.rows()[static_cast<std::size_t>(row)];
        if (app().state().boards.isBoard(board) && app().state().boards.BoardInitState[static_cast<std::size_t>(board)] == 0)
            boards_.removeRow(row);
    }
    if (!boards_.listed()) {
        unload();
        return;
    }
    // The preselected row may have gone: the first remaining one takes its place.
    if (!boards_.selected()) bidlist.setListIndex(0);
    directionFrame.setEnabled(false);
    enableCycleFields(false);
    computeGaugeScale(wholeOf(rpmtxt));
}

void ServoTestPanel::positionMode_Click()
{
    directionFrame.setEnabled(false);
    cycleFrame.setEnabled(true);
    forward.setValue(false);
    rev.setValue(false);
    pos1.setEnabled(true);
    pos2.setEnabled(true);
    dwelltxt.setEnabled(true);
}

void ServoTestPanel::vr_Click()
{
    directionFrame.setEnabled(true);
    CycleOff.setValue(true);
    cycleFrame.setEnabled(false);
    forward.setValue(true);
    pos1.setEnabled(false);
    pos2.setEnabled(false);
    dwelltxt.setEnabled(false);
}

void ServoTestPanel::computeGaugeScale(double rpm)
{
    const std::int16_t type = app().state().boards.typeOf(BoardId);
    const double lines =
        axisSetting(app().state().Settings, type, BoardId, AxisNumber, AxisField::EncoderLines).value_or(0);
    RpmResolution = RpmResolutionOf(lines);
    GaugeReference = GaugeReferenceOf(rpm, RpmResolution);
}

DriverStatus ServoTestPanel::sendSetUp()
{
    MotionDriver& driver = app().driver();
    const std::int16_t mode = pa.value() ? PosModeAbsolute : (pr.value() ? PosModeRelative : PosModeVelocity);
    if (const DriverStatus status = driver.set_pos_mode(BoardId, AxisNumber, mode)) return status;
    const std::int16_t direction = forward.value() ? DirectionForward : DirectionReverse;
    if (const DriverStatus status = driver.set_direction(BoardId, AxisNumber, direction)) return status;
    const double rpm = valueOf(rpmtxt);
    computeGaugeScale(rpm);
    if (const DriverStatus status = driver.load_rpm(BoardId, AxisNumber, rpm)) return status;
    return driver.load_rpsps(BoardId, AxisNumber, valueOf(rpspstxt));
}

void ServoTestPanel::enablePanelInputs(bool enabled)
{
    directionFrame.setEnabled(enabled && vr.value());
    operationModeFrame.setEnabled(enabled);
    // In velocity mode the speed can be changed while the axis runs.
    const bool speedFields = enabled || vr.value();
    rpmtxt.setEnabled(speedFields);
    rpspstxt.setEnabled(speedFields);
}

bool ServoTestPanel::readBack()
{
    MotionDriver& driver = app().driver();
    for (const std::size_t entry : {kFirstReading, kSecondReading}) {
        if (const DriverStatus status = driver.read_rpm(BoardId, AxisNumber, RpmHistory[entry])) {
            reportPollFailure(status);
            return false;
        }
    }
    UpdateSpeedBand(RpmHistory, BandUpCount, BandDownCount, RpmResolution);
    showSpeed();
    return true;
}

void ServoTestPanel::showSpeed()
{
    if (!(GaugeReference > 0)) return;
    speedGauge.setMax(static_cast<int>(kGaugeFullScale));
    speedGauge.setValue(GaugePercent(RpmHistory, GaugeReference));
}

} // namespace tarvik
