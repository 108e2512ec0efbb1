#include "panels/xy/XyTableDemo.h"

#include "base/NumberText.h"
#include "common/MotionWaits.h"
#include "driver/StatusText.h"
#include "panels/xy/XyScale.h"
#include "panels/xy/XySegmentMove.h"
#include "program/App.h"
#include "shell/Shell.h"

namespace tarvik {

namespace {

constexpr const char* kTargetsFullMessage = "The maximum number of targets, 500, has been reached.";

} // namespace

void XyTableDemo::box_MouseDown(int, float x, float y)
{
    const float inchX = SnapToGridInches(InchesOf(x, f_.CountsPerInchX), f_.SnapToGrid == 1 ? f_.GridX : 0);
    const float inchY = SnapToGridInches(InchesOf(y, f_.CountsPerInchY), f_.SnapToGrid == 1 ? f_.GridY : 0);
    targxlbl.setCaption(formatNumber(inchX, "#0.00"));
    targylbl.setCaption(formatNumber(inchY, "#0.00"));
}

void XyTableDemo::box_MouseMove(int button, float x, float y)
{
    if (button == LeftButton) box_MouseDown(button, x, y);
}

void XyTableDemo::box_MouseUp(float x, float y)
{
    if (IsEncoderType(f_.BoardTypeCode)) return;
    // Without counts per inch no point of the box is a place on the table.
    if (f_.CountsPerInchX == 0 || f_.CountsPerInchY == 0) return;
    if (f_.DemoMode == kDemoAutomatic)
        recordAutomaticTarget(x, y);
    else
        moveManually(x, y);
}

void XyTableDemo::recordTarget(std::int32_t x, std::int32_t y)
{
    if (f_.TargetCount == 0) {
        f_.TargetsX[0] = f_.PresentX;
        f_.TargetsY[0] = f_.PresentY;
        f_.SegmentVelocity[0] = f_.VectorVelocity;
        f_.TargetCount = 1;
    }
    const auto i = static_cast<std::size_t>(f_.TargetCount);
    f_.TargetsX[i] = x;
    f_.TargetsY[i] = y;
    f_.SegmentVelocity[i] = f_.VectorVelocity;
    ++f_.TargetCount;
}

void XyTableDemo::recordAutomaticTarget(float x, float y)
{
    if (f_.Running == 1) return;
    if (f_.TargetCount >= XyTableFields::kMaxTargets) {
        ShowErrorMessage(app_, kTargetsFullMessage);
        return;
    }
    float inchX = InchesOf(x, f_.CountsPerInchX);
    float inchY = InchesOf(y, f_.CountsPerInchY);
    if (f_.SnapToGrid == 1) {
        inchX = SnapToGridInches(inchX, f_.GridX);
        inchY = SnapToGridInches(inchY, f_.GridY);
        x = inchX * f_.CountsPerInchX;
        y = inchY * f_.CountsPerInchY;
    }
    targxlbl.setCaption(formatNumber(inchX, "#0.00"));
    targylbl.setCaption(formatNumber(inchY, "#0.00"));
    x = LimitTargetCoordinate(x, f_.BoardTypeCode);
    y = LimitTargetCoordinate(y, f_.BoardTypeCode);
    const std::int32_t targetX = CountsOf(x);
    const std::int32_t targetY = CountsOf(y);
    recordTarget(targetX, targetY);
    startcmd.setEnabled(canRun());
    drawMarker(targetX, targetY, f_.PathColorA);
}

void XyTableDemo::moveManually(float x, float y)
{
    if (f_.Running == 0) return;
    if (IsStepperType(f_.BoardTypeCode)) {
        // A stepper takes no new target while it moves: the table is brought to rest first and
        // the path drawn to where it stopped.
        MotionDriver& driver = app_.driver();
        for (std::int16_t axis : {f_.XAxis, f_.YAxis})
            if (const DriverStatus status = driver.stop_motion(f_.BoardId, axis)) {
                ShowErrorMessage(app_, StatusText(status));
                return;
            }
        WaitMoveDone(app_, f_.BoardId, f_.XAxis);
        WaitMoveDone(app_, f_.BoardId, f_.YAxis);
        updatePresentPosition();
        box.line(f_.LastDrawnX, f_.LastDrawnY, f_.PresentX, f_.PresentY, f_.PathColorA);
        f_.LastDrawnX = f_.PresentX;
        f_.LastDrawnY = f_.PresentY;
    }
    f_.TargetInchX = x / f_.CountsPerInchX;
    f_.TargetInchY = y / f_.CountsPerInchY;
    if (f_.SnapToGrid == 1) {
        f_.TargetInchX = SnapToGridInches(f_.TargetInchX, f_.GridX);
        f_.TargetInchY = SnapToGridInches(f_.TargetInchY, f_.GridY);
        x = f_.TargetInchX * f_.CountsPerInchX;
        y = f_.TargetInchY * f_.CountsPerInchY;
    }
    f_.TargetX = CountsOf(LimitTargetCoordinate(x, f_.BoardTypeCode));
    f_.TargetY = CountsOf(LimitTargetCoordinate(y, f_.BoardTypeCode));
    f_.SegmentDx = std::abs(f_.TargetInchX - f_.PresentInchX);
    f_.SegmentDy = std::abs(f_.TargetInchY - f_.PresentInchY);
    MoveSegment(app_, f_, f_.SegmentDx, f_.SegmentDy, f_.VectorVelocity);
    // The move is made in any case; the routine taught by hand keeps its first 500 points.
    if (f_.TargetCount < XyTableFields::kMaxTargets)
        recordTarget(f_.TargetX, f_.TargetY);
    else
        ShowErrorMessage(app_, kTargetsFullMessage);
    drawMarker(f_.PrevTargetX, f_.PrevTargetY, f_.PathColorA);
    drawMarker(f_.TargetX, f_.TargetY, f_.PathColorB);
    f_.PrevTargetX = f_.TargetX;
    f_.PrevTargetY = f_.TargetY;
    targxlbl.setCaption(formatNumber(f_.TargetInchX, "#0.00"));
    targylbl.setCaption(formatNumber(f_.TargetInchY, "#0.00"));
    f_.MovePendingX = 1;
    f_.MovePendingY = 1;
}

void XyTableDemo::erasecmd_Click()
{
    f_.TargetCount = 0;
    f_.SegmentIndex = 0;
    f_.ScaleQuestionPending = 0;
    RedrawTable();
}

} // namespace tarvik
