#include "panels/XyTableDemo.h"

#include "base/NumberText.h"
#include "driver/StatusWords.h"
#include "forms/common/MotionWaits.h"
#include "panels/XyScale.h"
#include "panels/XySegmentMove.h"
#include "program/App.h"
#include "program/Shell.h"

#include <string>

namespace tarvik {

namespace {

constexpr Color kLampGreen = 0x00FF00;
constexpr Color kLampRed = 0x0000FF;

// How a move that ended is reported, first match wins; the axis is named #1 (X) or #2 (Y).
struct AxisFailure {
    bool (*matches)(std::int16_t word);
    const char* text;
};
constexpr AxisFailure kAxisFailures[] = {
    {[](std::int16_t w) { return hasBits(w, AxisStatusPositionError); }, "Following error occurred on axis #"},
    {[](std::int16_t w) { return hasBits(w, AxisStatusHomeSwitch); }, "Home limit condition occurred on axis #"},
    {[](std::int16_t w) { return hasBits(w, AxisStatusLimitSwitch); }, "Limit switch condition occurred on axis #"},
    {[](std::int16_t w) { return !hasBits(w, AxisStatusProfileComplete) && hasBits(w, AxisStatusMotorOff); },
     "Profile did not complete on axis #"},
};

} // namespace

void XyTableDemo::startcmd_Click()
{
    if (f_.DemoMode == kDemoAutomatic) {
        vectveltxt.setEnabled(false);
        if (f_.TargetCount == 0) return;
    }
    f_.Running = 1;
    runlight.setFillColor(kLampGreen);
    // STOP comes on before START goes grey, so that the focus passes from START to STOP.
    stopcmd.setEnabled(!IsEncoderType(f_.BoardTypeCode));
    startcmd.setEnabled(false);
    modeframe.setEnabled(false);
    erasecmd.setEnabled(false);
    homecmd.setEnabled(false);
    indexcmd.setEnabled(false);
    if (f_.DemoMode == kDemoManual) enableSetupBoxes(false);
}

void XyTableDemo::stopcmd_Click()
{
    MotionDriver& driver = app_.driver();
    driver.stop_motion(f_.BoardId, f_.XAxis);
    driver.stop_motion(f_.BoardId, f_.YAxis);
    WaitMoveDone(app_, f_.BoardId, f_.XAxis);
    WaitMoveDone(app_, f_.BoardId, f_.YAxis);
    readPresentPosition(false);
    showPresentPosition();
    box.line(f_.LastDrawnX, f_.LastDrawnY, f_.PresentX, f_.PresentY);
    drawMarker(f_.PrevTargetX, f_.PrevTargetY, f_.PathColorA);
    drawMarker(f_.PresentX, f_.PresentY, f_.PathColorB);
    f_.PrevTargetX = f_.PresentX;
    f_.PrevTargetY = f_.PresentY;
    if (f_.DemoMode == kDemoAutomatic) {
        f_.ScaleQuestionPending = -1;
        // The next START runs the interrupted segment again.
        f_.SegmentIndex = static_cast<std::int16_t>(f_.SegmentIndex == 0 ? f_.TargetCount - 1 : f_.SegmentIndex - 1);
    } else {
        enableSetupBoxes(true);
    }
    runlight.setFillColor(kLampRed);
    f_.Running = 0;
    startcmd.setEnabled(canRun());
    f_.MovePendingX = 0;
    f_.MovePendingY = 0;
    modeframe.setEnabled(true);
    if (!IsEncoderType(f_.BoardTypeCode)) {
        vectveltxt.setEnabled(true);
        homecmd.setEnabled(true);
        if (f_.FindIndexAllowed == 1) indexcmd.setEnabled(true);
    }
    stopcmd.setEnabled(false);
    erasecmd.setEnabled(true);
}

bool XyTableDemo::checkAxis(std::int16_t axis, std::int16_t otherAxis, std::int16_t& movePending, int axisNumber, bool& done)
{
    std::int16_t word = 0;
    if (const DriverStatus status = app_.driver().read_axis_stat(f_.BoardId, axis, word)) {
        done = false;
        // A move whose status cannot be read is stopped with the run, once, with a word to
        // the user; outside a move the tick goes by.
        if (movePending != 1) return false;
        movePending = 0;
        ShowErrorMessage(app_, MoveWaitReport(f_.BoardId, axis, {MoveWaitEnd::Kind::ReadFailed, status}));
        return true;
    }
    done = AxisMoveDone(word);
    if (!done || movePending != 1) return false;
    movePending = 0;
    for (const AxisFailure& failure : kAxisFailures) {
        if (!failure.matches(word)) continue;
        MotionDriver& driver = app_.driver();
        driver.kill_motion(f_.BoardId, axis);
        WaitMoveDone(app_, f_.BoardId, axis);
        driver.stop_motion(f_.BoardId, otherAxis);
        WaitMoveDone(app_, f_.BoardId, otherAxis);
        ShowErrorMessage(app_, failure.text + std::to_string(axisNumber) + ".");
        return true;
    }
    return false;
}

void XyTableDemo::readtimer_Timer()
{
    if (f_.PathColor == 0) {
        f_.PathColorA = kPathBlue;
        f_.PathColorB = kPathRed;
        f_.PathColor = f_.PathColorA;
    }
    // A tick that falls inside another one's message, or inside a redraw's, waits for the next:
    // no segment goes out before a failure's STOP has run.
    if (polling_ || f_.Redrawing || app_.state().ErrorWindowOpen) return;
    const bool encoder = IsEncoderType(f_.BoardTypeCode);
    if (f_.Running == 0 && !encoder) return;
    if (!app_.state().isBoard(f_.BoardId) || !axesValid()) return;
    polling_ = true;
    bool doneX = false;
    bool doneY = false;
    const bool failedX = checkAxis(f_.XAxis, f_.YAxis, f_.MovePendingX, 1, doneX);
    const bool failedY = checkAxis(f_.YAxis, f_.XAxis, f_.MovePendingY, 2, doneY);
    if (failedX || failedY) {
        stopcmd_Click();
        polling_ = false;
        return;
    }
    readPresentPosition(false);
    showPresentPosition();
    box.setDrawWidth(2);
    box.line(f_.LastDrawnX, f_.LastDrawnY, f_.PresentX, f_.PresentY, f_.PathColor);
    f_.LastDrawnX = f_.PresentX;
    f_.LastDrawnY = f_.PresentY;
    if (f_.DemoMode == kDemoAutomatic && f_.Running != 0 && doneX && doneY) nextSegment();
    polling_ = false;
}

void XyTableDemo::nextSegment()
{
    ++f_.SegmentIndex;
    if (f_.SegmentIndex >= f_.TargetCount) f_.SegmentIndex = 0;
    if (f_.SegmentIndex == 1) {
        RedrawTable();
        f_.PathColor = f_.PathColor == f_.PathColorA ? f_.PathColorB : f_.PathColorA;
        DrawTargetMarkers(f_.PathColor);
    }
    const auto i = static_cast<std::size_t>(f_.SegmentIndex);
    f_.TargetX = f_.TargetsX[i];
    f_.TargetY = f_.TargetsY[i];
    f_.VectorVelocity = f_.SegmentVelocity[i];
    f_.VectorAccel = f_.VectorVelocity * (IsServoType(f_.BoardTypeCode) ? 10.0F : 4.0F);
    drawMarker(f_.PrevTargetX, f_.PrevTargetY, f_.PathColorB);
    drawMarker(f_.TargetX, f_.TargetY, f_.PathColorB);
    f_.PrevTargetX = f_.TargetX;
    f_.PrevTargetY = f_.TargetY;
    f_.TargetInchX = InchesOf(static_cast<float>(f_.TargetX), f_.CountsPerInchX);
    f_.TargetInchY = InchesOf(static_cast<float>(f_.TargetY), f_.CountsPerInchY);
    f_.SegmentDx = std::abs(f_.TargetInchX - f_.PresentInchX);
    f_.SegmentDy = std::abs(f_.TargetInchY - f_.PresentInchY);
    MoveSegment(app_, f_, f_.SegmentDx, f_.SegmentDy, f_.VectorVelocity);
    targxlbl.setCaption(formatNumber(f_.TargetInchX, "#0.00"));
    targylbl.setCaption(formatNumber(f_.TargetInchY, "#0.00"));
    vectveltxt.setText(formatNumber(f_.VectorVelocity, "#0.00"));
    f_.MovePendingX = 1;
    f_.MovePendingY = 1;
}

void XyTableDemo::DrawTargetMarkers(Color color)
{
    for (int i = 1; i < f_.TargetCount; ++i) {
        const auto t = static_cast<std::size_t>(i);
        f_.TargetX = f_.TargetsX[t];
        f_.TargetY = f_.TargetsY[t];
        drawMarker(f_.TargetX, f_.TargetY, color);
    }
}

} // namespace tarvik
