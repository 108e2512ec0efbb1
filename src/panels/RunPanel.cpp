#include "panels/RunPanel.h"

#include "base/NumberText.h"
#include "common/FocusBackToStart.h"
#include "common/MotionWaits.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"
#include "shell/MainWindowServices.h"
#include "shell/Shell.h"

#include <array>
#include <bit>
#include <stdexcept>
#include <string_view>

namespace tarvik {

namespace {

// The lamps top to bottom: the status bit and its label.
struct LampDesign {
    std::uint16_t bit;
    std::string_view label;
};

constexpr std::array kLamps{
    LampDesign{AxisStatusLimitSwitch, "Limit Switch "},
    LampDesign{AxisStatusHomeSwitch, "Home Switch"},
    LampDesign{AxisStatusMotorOff, "Motor Off"},
    LampDesign{AxisStatusPositionError, "Position Error"},
    LampDesign{AxisStatusRunning, "Running"},
    LampDesign{AxisStatusProfileComplete, "Profile Complete"},
    LampDesign{AxisStatusForward, "Forward"},
};

int bitNumber(std::uint16_t bit) { return std::countr_zero(bit); }

// Layout in twips: the entry column on the left, the buttons beside it, the mode frames, the
// feedback and the lamps on the right.
constexpr float kMargin = 120;
constexpr float kCaptionHeight = 240;
constexpr float kListWidth = 1095;
constexpr float kListHeight = 315;
constexpr float kAxisLeft = 1440;
constexpr float kAxisWidth = 495;
constexpr float kEntryTop = 360;
constexpr float kEntryHeight = 285;
constexpr float kHeadingTop = 840;
constexpr float kFirstRowTop = 1140;
constexpr float kRowStep = 360;
constexpr float kRowLabelWidth = 2175;
constexpr float kBoxLeft = kMargin + kRowLabelWidth + 60;
constexpr float kBoxWidth = 1335;
constexpr float kButtonLeft = kBoxLeft + kBoxWidth + 240;
constexpr float kButtonWidth = 1095;
constexpr float kButtonHeight = 375;
constexpr float kButtonStep = 480;
constexpr float kRightLeft = kButtonLeft + kButtonWidth + 240;
constexpr float kRightWidth = 3255;
constexpr float kDwellRow = 5;
// The cycle frame's caption sits below the dwell row, not over its box.
constexpr float kCycleTop = kFirstRowTop + (kDwellRow + 1) * kRowStep + kCaptionHeight;
constexpr float kCycleWidth = kRowLabelWidth + kBoxWidth;
constexpr float kCycleHeight = 855;
constexpr float kFeedbackTop = 2760;
constexpr float kLampsTop = 4080;
constexpr float kLampStep = 300;
constexpr float kLampSize = 195;
constexpr float kFormWidth = kRightLeft + kRightWidth + 2 * kMargin;

} // namespace

RunPanel::RunPanel(App& app, const RunPanelDesign& design)
    : WatchedMotionPanel(app, design.name,
                         {.caption = design.caption, .width = kFormWidth, .height = design.height,
                          .helpTopic = design.helpTopic}),
      lblBoardId(this, "Label4", {.caption = "Board ID", .left = kMargin, .top = kMargin, .width = kListWidth,
                              .height = kCaptionHeight}),
      bidlist(this, "bidlist", {.left = kMargin, .top = kEntryTop, .width = kListWidth, .height = kListHeight},
              ComboBox::Style::DropDownList),
      lblAxis(this, "Label5", {.caption = "Axis", .left = kAxisLeft, .top = kMargin, .width = kAxisWidth + kMargin,
                              .height = kCaptionHeight}),
      axistxt(this, "axistxt", {.caption = "1", .left = kAxisLeft, .top = kEntryTop, .width = kAxisWidth,
                                .height = kEntryHeight, .maxLength = 1}),
      lblTrajectory(this, "Label1", {.caption = design.trajectoryHeading, .left = kMargin, .top = kHeadingTop,
                                     .width = kCycleWidth, .height = kCaptionHeight}),
      lblPos1(this, "lblPos1", {.caption = "Position 1"}),
      pos1(this, design.position1Name, {.caption = "0", .maxLength = design.positionMaxLength}),
      lblPos2(this, "lblPos2", {.caption = "Position 2"}),
      pos2(this, design.position2Name, {.caption = "0", .maxLength = design.positionMaxLength, .enabled = false}),
      lblDwell(this, "lblDwell", {.caption = "Dwell (Sec)"}),
      dwelltxt(this, "dwelltxt", {.caption = "0", .maxLength = design.dwellMaxLength, .enabled = false}),
      startcmd(this, "startcmd", {.caption = "Start", .left = kButtonLeft, .top = kMargin, .width = kButtonWidth,
                                  .height = kButtonHeight}),
      decelcmd(this, "decelcmd", {.caption = "Decel", .left = kButtonLeft, .top = kMargin + kButtonStep,
                                  .width = kButtonWidth, .height = kButtonHeight}),
      haltcmd(this, "haltcmd", {.caption = "Halt", .left = kButtonLeft, .top = kMargin + 2 * kButtonStep,
                                .width = kButtonWidth, .height = kButtonHeight}),
      killcmd(this, "killcmd", {.caption = "Kill", .left = kButtonLeft, .top = kMargin + 3 * kButtonStep,
                                .width = kButtonWidth, .height = kButtonHeight}),
      resetcmd(this, "resetcmd", {.caption = "Reset", .left = kButtonLeft, .top = kMargin + 4 * kButtonStep,
                                  .width = kButtonWidth, .height = kButtonHeight}),
      lblCycleMode(this, "lblCycleMode", {.caption = "Cycle Mode", .left = kMargin, .top = kCycleTop - kCaptionHeight,
                                          .width = kCycleWidth, .height = kCaptionHeight}),
      cycleFrame(this, "Frame3", {.left = kMargin, .top = kCycleTop, .width = kCycleWidth, .height = kCycleHeight}),
      cycleOn(this, design.cycleOnName, {.left = 120, .top = 120, .width = 255, .height = 255, .container = &cycleFrame}),
      cycleOnLabel(this, design.cycleOnLabelName,
                   {.caption = "On", .left = 420, .top = 135, .width = 615, .height = kCaptionHeight,
                    .container = &cycleFrame}),
      cycleOff(this, design.cycleOffName,
               {.left = 1200, .top = 120, .width = 255, .height = 255, .container = &cycleFrame}),
      cycleOffLabel(this, design.cycleOffLabelName,
                    {.caption = "Off", .left = 1500, .top = 135, .width = 615, .height = kCaptionHeight,
                     .container = &cycleFrame}),
      lblAlternates(this, "lblAlternates", {.caption = "Alternates Between Pos. 1 and 2", .left = 120, .top = 480,
                                            .width = kCycleWidth - 240, .height = kCaptionHeight,
                                            .container = &cycleFrame}),
      lblFeedback(this, "lblFeedback", {.caption = "Feedback:", .left = kRightLeft, .top = kFeedbackTop - kCaptionHeight,
                                        .width = kRightWidth, .height = kCaptionHeight}),
      lblPosition(this, "lblPosition", {.caption = "Position"}),
      readposlbl(this, "readposlbl", {.caption = "0"}),
      pollTimer(this, "Timer1"),
      dwelltimer(this, "dwelltimer", {.enabled = false}),
      boards_(app, bidlist),
      design_(design),
      axisField_(app, axistxt, {.keys = kUnsignedKeys, .check = FieldCheck::ClampInteger, .leaving = FieldLeaving::Keep}),
      pos1Field_(app, pos1, {.keys = kSignedKeys, .check = FieldCheck::ClampLong, .bounds = design.positionBounds}),
      pos2Field_(app, pos2, {.keys = kSignedKeys, .check = FieldCheck::ClampLong, .bounds = design.positionBounds}),
      dwellField_(app, dwelltxt, {.keys = kUnsignedKeys, .check = FieldCheck::ClampDouble,
                                  .bounds = design.dwellBounds, .leaving = design.dwellLeaving})
{
    placeRow(0, lblPos1, pos1);
    placeRow(1, lblPos2, pos2);
    placeRow(static_cast<int>(kDwellRow), lblDwell, dwelltxt);
    lblPosition.move(kRightLeft, feedbackTop(0), 1455, kCaptionHeight);
    readposlbl.move(kRightLeft + 1560, feedbackTop(0), 1455, kCaptionHeight);
    readposlbl.setAlignment(Label::Alignment::Right);
    cycleOff.setValue(true);
    pollTimer.setInterval(kPollIntervalMs);
    makeLamps();
    wireEvents();
    runFields_ = {&axisField_, &pos1Field_};
}

void RunPanel::makeLamps()
{
    float top = kLampsTop;
    for (const LampDesign& design : kLamps) {
        LampRow row{.bit = design.bit,
                    .lamp = std::make_unique<Shape>(this, "b" + std::to_string(bitNumber(design.bit)),
                                                    Design{.left = kRightLeft, .top = top + 30, .width = kLampSize,
                                                           .height = kLampSize},
                                                    Shape::Kind::Square),
                    .label = std::make_unique<Label>(this, "lblb" + std::to_string(bitNumber(design.bit)),
                                                     Design{.caption = std::string(design.label),
                                                            .left = kRightLeft + kLampSize + 120, .top = top,
                                                            .width = kRightWidth - kLampSize - 120,
                                                            .height = kCaptionHeight})};
        makeLamp(*row.lamp);
        lamps_.push_back(std::move(row));
        top += kLampStep;
    }
}

void RunPanel::wireEvents()
{
    bidlist.onClick = [this] { bidlist_Click(); };
    bidlist.onKeyDown = [this](int& keyCode, int) { boards_.pickByKey(keyCode); };
    axisField_.boundsNow = [this] { return axisBounds(); };
    axisField_.checked = [this] {
        // An accepted axis is the panel's axis at once.
        if (axisField_.valid() == 1) AxisNumber = toInt16Saturated(valueOf(axistxt));
        applyStartRule();
    };
    for (EntryField* field : {&pos1Field_, &pos2Field_, &dwellField_}) field->checked = [this] { applyStartRule(); };
    cycleOn.onClick = [this] { cycleOn_Click(); };
    cycleOff.onClick = [this] { cycleOff_Click(); };
    // A caption label selects its option while the option's frame takes input.
    cycleOnLabel.onClick = [this] {
        if (cycleFrame.enabled()) cycleOn.setValue(true);
    };
    cycleOffLabel.onClick = [this] {
        if (cycleFrame.enabled()) cycleOff.setValue(true);
    };
    startcmd.onClick = [this] { startcmd_Click(); };
    decelcmd.onClick = [this] { decelcmd_Click(); };
    haltcmd.onClick = [this] { haltcmd_Click(); };
    killcmd.onClick = [this] { killcmd_Click(); };
    resetcmd.onClick = [this] { resetcmd_Click(); };
    dwelltimer.onTimer = [this] { DwellDone = 1; };
    pollTimer.onTimer = [this] { pollTimer_Timer(); };
}

Shape& RunPanel::lamp(int bit) const
{
    for (const LampRow& row : lamps_)
        if (bitNumber(row.bit) == bit) return *row.lamp;
    throw std::out_of_range(name() + " has no lamp for bit " + std::to_string(bit));
}

void RunPanel::placeRow(int row, Label& label, TextBox& box) const
{
    const float top = kFirstRowTop + static_cast<float>(row) * kRowStep;
    label.move(kMargin, top + 30, kRowLabelWidth, kCaptionHeight);
    box.move(kBoxLeft, top, kBoxWidth, kEntryHeight);
}

float RunPanel::rightColumnLeft() const { return kRightLeft; }

float RunPanel::feedbackTop(int row) const { return kFeedbackTop + static_cast<float>(row) * kRowStep; }

std::int32_t RunPanel::wholeOf(const TextBox& box) { return toInt32Saturated(tarvik::valueOf(box.text())); }

double RunPanel::valueOf(const TextBox& box) { return tarvik::valueOf(box.text()); }

void RunPanel::addRunField(EntryField& field)
{
    runFields_.push_back(&field);
    field.checked = [this] { applyStartRule(); };
}

// ---- life cycle ----

void RunPanel::Form_Load()
{
    move(0, 0);
    app_.state().windows.*design_.openFlag = true;
    LockPrestoreMenus(app_, true);
    RunMode = SingleMove;
    RunStopped = 1;
    NextTarget = 1;
    CloseRequested = 0;
    FirstMove = 0;
    DwellDone = 0;
    AxisNumber = 1;
    loadPanel();
    if (!isLoaded()) return;
    // The texts the window opens with are checked as if typed, so that Start tells the truth.
    for (EntryField* field : runFields_) field->check();
    pos2Field_.check();
    dwellField_.check();
}

void RunPanel::Form_Unload(int&)
{
    app_.state().windows.*design_.openFlag = false;
    LockPrestoreMenus(app_, false);
}

void RunPanel::Form_Resize() { SendBackgroundToBack(app_); }

void RunPanel::Form_Deactivate() { SendBackgroundToBack(app_); }

bool RunPanel::stopWatchedForClosing()
{
    CloseRequested = 1;
    // A run decelerates to its end; a stop already sent leaves nothing more to do. Either way
    // the axis is on its way to rest and the run's loop ends at its next look at the flags.
    if (RunStopped == 0 ? stopAxis(StopModeDecel) : true) runEnded();
    if (killWatched()) return true;
    // The axis may still be moving and nothing could stop it: the panel stays, with its stop
    // buttons.
    CloseRequested = 0;
    return false;
}

// ---- fields and options ----

std::optional<FieldBounds> RunPanel::axisBounds() const
{
    if (!app_.state().boards.isBoard(BoardId)) return std::nullopt;
    const std::optional<int> count = axisCountOf(app_.state().boards.BoardType[static_cast<std::size_t>(BoardId)]);
    if (!count) return std::nullopt;
    return FieldBounds{1, static_cast<double>(*count)};
}

void RunPanel::applyStartRule()
{
    bool ready = boards_.selected().has_value();
    for (const EntryField* field : runFields_) ready = ready && field->valid() == 1;
    if (RunMode == Cyclic) ready = ready && pos2Field_.valid() == 1 && dwellField_.valid() == 1;
    startcmd.setEnabled(ready);
}

void RunPanel::enableCycleFields(bool enabled)
{
    dwelltxt.setEnabled(enabled);
    pos2.setEnabled(enabled);
}

void RunPanel::bidlist_Click()
{
    if (const std::optional<std::int16_t> board = boards_.selected()) BoardId = *board;
    // Another board may have fewer axes: the axis is checked again.
    axisField_.check();
    boardSelected();
}

void RunPanel::cycleOn_Click()
{
    RunMode = Cyclic;
    enableCycleFields(true);
    // The mode asks for other fields: Start follows at once.
    applyStartRule();
}

void RunPanel::cycleOff_Click()
{
    RunMode = SingleMove;
    enableCycleFields(false);
    applyStartRule();
}

// ---- the run ----

void RunPanel::startcmd_Click()
{
    const std::optional<std::int16_t> board = boards_.selected();
    if (!board) return;
    // A new run only once nothing is left moving from an earlier one; a Start inside a run acts
    // on the run's own axis, which stays watched.
    if (runDepth_ == 0 && !killWatched()) return;
    BoardId = *board;
    ++runDepth_;
    enableRunInputs(false);
    AxisNumber = toInt16Saturated(valueOf(axistxt));
    if (const DriverStatus status = sendSetUp()) {
        endRun(status);
        return;
    }
    DwellMs = valueOf(dwelltxt) * 1000.0;
    RunStopped = 0;
    if (RunMode == Cyclic)
        runCycles();
    else
        runSingle();
}

DriverStatus RunPanel::sendMove(std::int32_t target)
{
    MotionDriver& driver = app_.driver();
    if (const DriverStatus status = driver.load_target_pos(BoardId, AxisNumber, target)) return status;
    if (const DriverStatus status = driver.start_motion(BoardId, AxisNumber)) return status;
    motionStarted({.board = BoardId, .axes = {AxisNumber}, .name = "test move", .shortName = "move"});
    return ZEVA_noError;
}

void RunPanel::runSingle()
{
    if (const DriverStatus status = sendMove(wholeOf(pos1))) {
        endRun(status);
        return;
    }
    const MoveWaitEnd end =
        WaitMoveDoneEvents(app_, BoardId, AxisNumber, [this] { return CloseRequested == 1 || !isLoaded(); });
    if (end.kind == MoveWaitEnd::Kind::ReadFailed || end.kind == MoveWaitEnd::Kind::TimedOut)
        reportWaitEnd(end);
    // The program ending under the wait: nothing may be left moving with nobody watching it.
    else if (end.kind == MoveWaitEnd::Kind::Stopped && app_.runtime().endRequested())
        killWatched();
    endRun(std::nullopt);
}

void RunPanel::runCycles()
{
    FirstMove = 1;
    bool moveDone = true;
    std::int64_t moveSentMicros = 0;
    // The run sleeps until events arrive (the poll timer's tick, a stop, a close), and at most
    // until the move is due to be looked at again.
    std::int64_t pollDue = app_.clock().nowMicros();
    for (;;) {
        if (!letEventsRunUntil(pollDue)) break;
        if (RunStopped == 1 || CloseRequested == 1) break;
        if (moveDone) {
            if (DwellMs == 0 || FirstMove != 0)
                FirstMove = 0;
            else if (!dwell())
                break;
            if (RunStopped == 1 || CloseRequested == 1) break;
            std::int32_t target = 0;
            if (NextTarget == 1) {
                target = wholeOf(pos1);
                NextTarget = 2;
            } else {
                target = wholeOf(pos2);
                NextTarget = 1;
            }
            if (const DriverStatus status = sendMove(target)) {
                endRun(status);
                return;
            }
            moveSentMicros = app_.clock().nowMicros();
        }
        DriverStatus readStatus = ZEVA_noError;
        const std::int16_t state = CheckMoveState(app_, BoardId, AxisNumber, readStatus);
        if (state == MoveEndedFaulted) break;
        // A move whose status cannot be read, or that does not end in time, ends the run.
        if (state == MoveReadFailed) {
            reportWaitEnd({MoveWaitEnd::Kind::ReadFailed, readStatus});
            break;
        }
        moveDone = state == MoveEndedClean;
        if (moveDone) continue;
        if (app_.clock().nowMicros() - moveSentMicros >= kMoveDoneTimeoutMicros) {
            reportWaitEnd({MoveWaitEnd::Kind::TimedOut, ZEVA_boardTimeoutError});
            break;
        }
        pollDue = app_.clock().nowMicros() + kEventPollIntervalMicros;
    }
    endRun(std::nullopt);
}

void RunPanel::reportWaitEnd(const MoveWaitEnd& end)
{
    // A move the panel can no longer follow is stopped, and the user told so.
    ShowErrorMessage(app_, abandonMotion(MoveWaitReport(BoardId, AxisNumber, end)));
}

bool RunPanel::dwell()
{
    DwellDone = 0;
    if (DwellMs > kDwellCapMs) DwellMs = kDwellCapMs;
    dwelltimer.setInterval(static_cast<int>(roundHalfEven(DwellMs)));
    dwelltimer.setEnabled(true);
    bool goOn = true;
    while (RunStopped != 1) {
        if (DwellDone != 0) break;
        // The dwell timer's tick wakes the sleep; a close request ends the dwell as it ends the run.
        if (!letEventsRunUntil(app_.clock().nowMicros() + kEventPollIntervalMicros) || CloseRequested == 1) {
            goOn = false;
            break;
        }
    }
    if (isLoaded()) dwelltimer.setEnabled(false);
    return goOn;
}

void RunPanel::endRun(std::optional<DriverStatus> failure)
{
    if (failure) reportFailure(*failure);
    RunStopped = 1;
    --runDepth_;
    if (runDepth_ == 0) runEnded();
    if (CloseRequested == 1 || !isLoaded()) return;
    const FocusBackToStart focus(startcmd, {&decelcmd, &haltcmd, &killcmd});
    enableRunInputs(true);
    focus.apply();
}

void RunPanel::enableRunInputs(bool enabled)
{
    startcmd.setEnabled(enabled);
    bidlist.setEnabled(enabled);
    axistxt.setEnabled(enabled);
    cycleFrame.setEnabled(enabled);
    pos1.setEnabled(enabled);
    enableCycleFields(enabled && RunMode == Cyclic);
    enablePanelInputs(enabled);
    if (enabled) applyStartRule();
}

// ---- stop buttons ----

bool RunPanel::stopAxis(std::int16_t mode)
{
    // A stop asked for ends the run whatever the board answers: no further move is sent.
    RunStopped = 1;
    MotionDriver& driver = app_.driver();
    const DriverStatus modeStatus = driver.set_stop_mode(BoardId, AxisNumber, mode);
    // The stop goes out even when the mode could not be set: the axis stops in the mode it has.
    const DriverStatus stopStatus = driver.stop_motion(BoardId, AxisNumber);
    if (const DriverStatus first = modeStatus != ZEVA_noError ? modeStatus : stopStatus) {
        stopRefused();
        reportFailure(first);
        return false;
    }
    return true;
}

void RunPanel::decelcmd_Click()
{
    if (boards_.selected()) stopAxis(StopModeDecel);
}

void RunPanel::haltcmd_Click()
{
    if (!boards_.selected()) return;
    halting();
    stopAxis(StopModeHalt);
}

void RunPanel::killcmd_Click()
{
    if (!boards_.selected()) return;
    RunStopped = 1;
    if (const DriverStatus status = app_.driver().kill_motion(BoardId, AxisNumber)) {
        stopRefused();
        reportFailure(status);
    }
}

void RunPanel::resetcmd_Click()
{
    if (!boards_.selected()) return;
    if (const DriverStatus status = app_.driver().reset_pos(BoardId, AxisNumber)) reportFailure(status);
}

void RunPanel::reportFailure(DriverStatus status) const { ShowErrorMessage(app_, StatusText(status)); }

void RunPanel::reportPollFailure(DriverStatus status) const
{
    if (!app_.state().errors.ErrorWindowOpen) reportFailure(status);
}

// ---- poll ----

void RunPanel::pollTimer_Timer()
{
    if (axisField_.valid() == 0 || !boards_.selected()) return;
    std::int32_t position = 0;
    if (const DriverStatus status = app_.driver().read_pos(BoardId, AxisNumber, position)) {
        reportPollFailure(status);
        return;
    }
    readposlbl.setCaption(strTrimmed(position));
    if (!readBack()) return;
    std::int16_t word = 0;
    if (const DriverStatus status = app_.driver().read_axis_stat(BoardId, AxisNumber, word)) {
        reportPollFailure(status);
        return;
    }
    light(word);
}

void RunPanel::light(std::int16_t word)
{
    for (LampRow& row : lamps_) lightLamp(*row.lamp, word, row.bit);
}

} // namespace tarvik
