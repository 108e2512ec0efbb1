#include "panels/StepperTestPanel.h"

#include "base/NumberText.h"
#include "driver/BoardRanges.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"

namespace tarvik {

namespace {

constexpr float kFrameWidth = 3255;
constexpr float kCaption = 240;
constexpr float kPositionModeTop = 360;
// The loop-mode caption sits below the position frame.
constexpr float kLoopModeTop = 1380;
constexpr float kFrameHeight = 735;

const RunPanelDesign kDesign{
    .name = "frmsteptest",
    .caption = "Stepper Test",
    .helpTopic = 202,
    .openFlag = &OpenWindows::StepperTestOpen,
    .trajectoryHeading = "Trajectory Inputs (Position in Steps)",
    .position1Name = "postxt1",
    .position2Name = "postxt2",
    .positionBounds = {kPosition32Min, kPosition32Max},
    .positionMaxLength = 11,
    .dwellBounds = {0, 64},
    .dwellMaxLength = 2,
    .dwellLeaving = FieldLeaving::Decimal,
    .cycleOnName = "modedouble",
    .cycleOnLabelName = "Label8",
    .cycleOffName = "modesingle",
    .cycleOffLabelName = "Label9",
    .height = 6600,
};

Design optionAt(Frame& frame, int row)
{
    return {.left = 120, .top = 120 + 300 * static_cast<float>(row), .width = 255, .height = 255, .container = &frame};
}

Design optionLabelAt(Frame& frame, int row, std::string caption)
{
    return {.caption = std::move(caption), .left = 420, .top = 135 + 300 * static_cast<float>(row), .width = 2655,
            .height = kCaption, .container = &frame};
}

bool isBoardOf(BoardClass boardClass, std::int16_t type) { return classOf(type) == boardClass; }

} // namespace

StepperTestPanel::StepperTestPanel(App& app)
    : RunPanel(app, kDesign),
      lblStepsSec(this, "lblStepsSec", {.caption = "Velocity (Steps/Sec)"}),
      stepssectxt(this, "stepssectxt", {.caption = "1000", .maxLength = 7}),
      lblAccel(this, "lblAccel", {.caption = "Acceleration (Steps/Sec^2)"}),
      acceltxt(this, "acceltxt", {.caption = "1000", .maxLength = 7}),
      lblAccelFactor(this, "lblAccelFactor", {.caption = "Accel Factor"}),
      accelftxt(this, "accelftxt", {.caption = "1", .maxLength = 2}),
      lblPositionMode(this, "lblPositionMode", {.caption = "Position Mode", .left = rightColumnLeft(),
                                                .top = kPositionModeTop - kCaption, .width = kFrameWidth,
                                                .height = kCaption}),
      positionModeFrame(this, "Frame2", {.left = rightColumnLeft(), .top = kPositionModeTop, .width = kFrameWidth,
                              .height = kFrameHeight}),
      pa(this, "pa", optionAt(positionModeFrame, 0)),
      absoluteLabel(this, "Label26", optionLabelAt(positionModeFrame, 0, "Absolute")),
      pr(this, "pr", optionAt(positionModeFrame, 1)),
      relativeLabel(this, "Label25", optionLabelAt(positionModeFrame, 1, "Relative")),
      lblLoopMode(this, "lblLoopMode", {.caption = "Loop Mode", .left = rightColumnLeft(),
                                        .top = kLoopModeTop - kCaption, .width = kFrameWidth, .height = kCaption}),
      loopModeFrame(this, "Frame1", {.left = rightColumnLeft(), .top = kLoopModeTop, .width = kFrameWidth,
                              .height = kFrameHeight}),
      lmo(this, "lmo", optionAt(loopModeFrame, 0)),
      openLoopLabel(this, "Label23", optionLabelAt(loopModeFrame, 0, "Open")),
      lmc(this, "lmc", optionAt(loopModeFrame, 1)),
      closedLoopLabel(this, "Label20", optionLabelAt(loopModeFrame, 1, "Closed")),
      lblEncoder(this, "lblEncoder", {.caption = "Encoder Pos"}),
      readenclbl(this, "readenclbl", {.caption = "0"}),
      lblStepRate(this, "lblStepRate", {.caption = "Steps/Sec"}),
      lblstepssec(this, "lblstepssec", {.caption = "0.0"}),
      velocityField_(app, stepssectxt,
                     {.keys = kUnsignedKeys, .check = FieldCheck::ClampLong, .bounds = {1, 1048576}}),
      accelField_(app, acceltxt, {.keys = kUnsignedKeys, .check = FieldCheck::ClampLong, .bounds = {1, kAccelerationMax}}),
      accelFactorField_(app, accelftxt, {.keys = kUnsignedKeys, .check = FieldCheck::ClampInteger, .bounds = {1, 10}})
{
    placeRow(2, lblStepsSec, stepssectxt);
    placeRow(3, lblAccel, acceltxt);
    placeRow(4, lblAccelFactor, accelftxt);
    lblEncoder.move(rightColumnLeft(), feedbackTop(1), 1455, kCaption);
    readenclbl.move(rightColumnLeft() + 1560, feedbackTop(1), 1455, kCaption);
    readenclbl.setAlignment(Label::Alignment::Right);
    lblStepRate.move(rightColumnLeft(), feedbackTop(2), 1455, kCaption);
    lblstepssec.move(rightColumnLeft() + 1560, feedbackTop(2), 1455, kCaption);
    lblstepssec.setAlignment(Label::Alignment::Right);
    pa.setValue(true);
    lmo.setValue(true);
    addRunField(velocityField_);
    addRunField(accelField_);
    addRunField(accelFactorField_);
    const auto selectWhileEnabled = [](Frame& frame, OptionButton& option) {
        return [&frame, &option] {
            if (frame.enabled()) option.setValue(true);
        };
    };
    absoluteLabel.onClick = selectWhileEnabled(positionModeFrame, pa);
    relativeLabel.onClick = selectWhileEnabled(positionModeFrame, pr);
    openLoopLabel.onClick = selectWhileEnabled(loopModeFrame, lmo);
    closedLoopLabel.onClick = selectWhileEnabled(loopModeFrame, lmc);
}

void StepperTestPanel::loadPanel()
{
    const ConfiguredBoards& boards = app().state().boards;
    for (std::int16_t id = 0; id < kBoardIdCount; ++id) {
        const auto b = static_cast<std::size_t>(id);
        if (maskAdmits(kStepperGroups, boards.BoardType[b]) && boards.BoardInitState[b] == 1) boards_.addRow(id);
    }
    if (!boards_.listed()) {
        // Nothing to act on: the panel closes itself, as the servo panel does.
        unload();
        return;
    }
    // The board of a stepper wizard is preselected; a later row overrides an earlier one.
    int row = -1;
    for (int r = 0; r < bidlist.listCount(); ++r) {
        const std::int16_t board = boards_.rows()[static_cast<std::size_t>(r)];
        for (const BoardGroup group :
             {BoardGroup::ClosedLoop3, BoardGroup::ClosedLoop4, BoardGroup::OpenLoop3, BoardGroup::OpenLoop4})
            if (board == app().state().wizards.WizardBoard[group]) row = r;
    }
    bidlist.setListIndex(row >= 0 ? row : bidlist.listCount() - 1);
    app().driver().end_prestore(BoardId);
    enableCycleFields(false);
}

void StepperTestPanel::boardSelected()
{
    const std::int16_t type = app().state().boards.BoardType[static_cast<std::size_t>(BoardId)];
    if (isBoardOf(BoardClass::OpenLoopStepper, type))
        showNoEncoder();
    else if (isBoardOf(BoardClass::ClosedLoopStepper, type))
        readenclbl.setForeColor(kWindowTextColor);
}

void StepperTestPanel::showNoEncoder()
{
    readenclbl.setCaption("0");
    readenclbl.setForeColor(kNoEncoderColor);
}

DriverStatus StepperTestPanel::sendSetUp()
{
    MotionDriver& driver = app().driver();
    const DriverStatus loop = driver.set_loop_mode(BoardId, AxisNumber, lmo.value() ? LoopModeOpen : LoopModeClosed);
    // An open-loop board has no loop to set and says so: that is no reason to stop.
    if (loop != ZEVA_noError && loop != ZEVA_closedLoopStepperOnlyError) return loop;
    if (const DriverStatus status =
            driver.set_pos_mode(BoardId, AxisNumber, pa.value() ? PosModeAbsolute : PosModeRelative))
        return status;
    StepperVelocity = wholeOf(stepssectxt);
    if (const DriverStatus status = driver.load_vel(BoardId, AxisNumber, StepperVelocity)) return status;
    if (const DriverStatus status = driver.load_accel(BoardId, AxisNumber, wholeOf(acceltxt))) return status;
    return driver.load_accel_fact(BoardId, AxisNumber, toInt16Saturated(valueOf(accelftxt)));
}

void StepperTestPanel::enablePanelInputs(bool enabled)
{
    resetcmd.setEnabled(enabled);
    loopModeFrame.setEnabled(enabled);
    positionModeFrame.setEnabled(enabled);
    stepssectxt.setEnabled(enabled);
    acceltxt.setEnabled(enabled);
    accelftxt.setEnabled(enabled);
}

bool StepperTestPanel::readBack()
{
    MotionDriver& driver = app().driver();
    std::int32_t encoder = 0;
    const DriverStatus encoderStatus = driver.read_encoder(BoardId, AxisNumber, encoder);
    if (encoderStatus == ZEVA_noError) {
        readenclbl.setCaption(strTrimmed(encoder));
        // A board that reads its encoder again shows it in the usual colour.
        readenclbl.setForeColor(kWindowTextColor);
    } else if (encoderStatus == ZEVA_closedLoopStepperOnlyError) {
        showNoEncoder();
    } else {
        reportPollFailure(encoderStatus);
        return false;
    }
    std::int32_t first = 0;
    std::int32_t second = 0;
    for (std::int32_t* reading : {&first, &second}) {
        if (const DriverStatus status = driver.read_steps_vel(BoardId, AxisNumber, *reading)) {
            reportPollFailure(status);
            return false;
        }
    }
    const double average = (static_cast<double>(first) + static_cast<double>(second)) / 2.0;
    lblstepssec.setCaption(formatNumber(average, "######0.0"));
    return true;
}

} // namespace tarvik
