#include "panels/xy/XyTableRun.h"

#include "common/MotionWaits.h"
#include "driver/StatusWords.h"
#include "panels/xy/XyScale.h"
#include "panels/xy/XySegmentMove.h"
#include "program/App.h"
#include "shell/Shell.h"

#include <cmath>
#include <string>

namespace tarvik {

namespace {

constexpr int kTravelWidth = 2;

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

XyTableRun::XyTableRun(App& app, XyTableFields& fields, XyRunWindow& window) : app_(app), f_(fields), window_(window) {}

bool XyTableRun::start()
{
    if (f_.DemoMode == kDemoAutomatic && f_.TargetCount == 0) return false;
    f_.Running = 1;
    return true;
}

void XyTableRun::stop()
{
    MotionDriver& driver = app_.driver();
    driver.stop_motion(f_.BoardId, f_.XAxis);
    driver.stop_motion(f_.BoardId, f_.YAxis);
    WaitMoveDone(app_, f_.BoardId, f_.XAxis);
    WaitMoveDone(app_, f_.BoardId, f_.YAxis);
    window_.updatePresentPosition();
    window_.drawTravel();
    window_.drawMarker(f_.PrevTargetX, f_.PrevTargetY, f_.PathColorA);
    window_.drawMarker(f_.PresentX, f_.PresentY, f_.PathColorB);
    f_.PrevTargetX = f_.PresentX;
    f_.PrevTargetY = f_.PresentY;
    if (f_.DemoMode == kDemoAutomatic) {
        f_.ScaleQuestionPending = -1;
        // The next START runs the interrupted segment again.
        f_.SegmentIndex = static_cast<std::int16_t>(f_.SegmentIndex == 0 ? f_.TargetCount - 1 : f_.SegmentIndex - 1);
    }
    f_.Running = 0;
    f_.MovePendingX = 0;
    f_.MovePendingY = 0;
}

bool XyTableRun::checkAxis(std::int16_t axis, std::int16_t otherAxis, std::int16_t& movePending, int axisNumber, bool& done)
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

void XyTableRun::poll()
{
    if (f_.PathColor == 0) {
        f_.PathColorA = kPathBlue;
        f_.PathColorB = kPathRed;
        f_.PathColor = f_.PathColorA;
    }
    // A tick that falls inside another one's message, or inside a redraw's, waits for the next:
    // no segment goes out before a failure's STOP has run.
    if (polling_ || f_.Redrawing || app_.state().errors.ErrorWindowOpen) return;
    // An encoder board is watched without a run.
    if (f_.Running == 0 && !IsEncoderType(f_.BoardTypeCode)) return;
    if (!app_.state().boards.isBoard(f_.BoardId) || !window_.axesValid()) return;
    polling_ = true;
    bool doneX = false;
    bool doneY = false;
    const bool failedX = checkAxis(f_.XAxis, f_.YAxis, f_.MovePendingX, 1, doneX);
    const bool failedY = checkAxis(f_.YAxis, f_.XAxis, f_.MovePendingY, 2, doneY);
    if (failedX || failedY) {
        window_.stopRun();
        polling_ = false;
        return;
    }
    window_.updatePresentPosition();
    window_.drawTravel(kTravelWidth, f_.PathColor);
    f_.LastDrawnX = f_.PresentX;
    f_.LastDrawnY = f_.PresentY;
    if (f_.DemoMode == kDemoAutomatic && f_.Running != 0 && doneX && doneY) nextSegment();
    polling_ = false;
}

void XyTableRun::nextSegment()
{
    ++f_.SegmentIndex;
    if (f_.SegmentIndex >= f_.TargetCount) f_.SegmentIndex = 0;
    // A new lap: the table is drawn afresh and the lap's path takes the other colour.
    if (f_.SegmentIndex == 1) {
        window_.RedrawTable();
        f_.PathColor = f_.PathColor == f_.PathColorA ? f_.PathColorB : f_.PathColorA;
        drawTargetMarkers(f_.PathColor);
    }
    const auto i = static_cast<std::size_t>(f_.SegmentIndex);
    f_.TargetX = f_.TargetsX[i];
    f_.TargetY = f_.TargetsY[i];
    f_.VectorVelocity = f_.SegmentVelocity[i];
    f_.VectorAccel = f_.VectorVelocity * (IsServoType(f_.BoardTypeCode) ? 10.0F : 4.0F);
    window_.drawMarker(f_.PrevTargetX, f_.PrevTargetY, f_.PathColorB);
    window_.drawMarker(f_.TargetX, f_.TargetY, f_.PathColorB);
    f_.PrevTargetX = f_.TargetX;
    f_.PrevTargetY = f_.TargetY;
    f_.TargetInchX = InchesOf(static_cast<float>(f_.TargetX), f_.CountsPerInchX);
    f_.TargetInchY = InchesOf(static_cast<float>(f_.TargetY), f_.CountsPerInchY);
    f_.SegmentDx = std::abs(f_.TargetInchX - f_.PresentInchX);
    f_.SegmentDy = std::abs(f_.TargetInchY - f_.PresentInchY);
    MoveSegment(app_, f_, f_.SegmentDx, f_.SegmentDy, f_.VectorVelocity);
    window_.showSegment(f_.TargetInchX, f_.TargetInchY, f_.VectorVelocity);
    f_.MovePendingX = 1;
    f_.MovePendingY = 1;
}

void XyTableRun::drawTargetMarkers(Color color)
{
    for (int i = 1; i < f_.TargetCount; ++i) {
        const auto t = static_cast<std::size_t>(i);
        f_.TargetX = f_.TargetsX[t];
        f_.TargetY = f_.TargetsY[t];
        window_.drawMarker(f_.TargetX, f_.TargetY, color);
    }
}

} // namespace tarvik
