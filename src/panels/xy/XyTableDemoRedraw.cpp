#include "panels/xy/XyTableDemo.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"
#include "panels/xy/XyScale.h"
#include "program/App.h"
#include "shell/Shell.h"

namespace tarvik {

namespace {

constexpr const char* kLimitsMessage = "Invalid scale settings. Max and min values must be different.";
constexpr const char* kAspectMessage = "Invalid scale settings. Aspect ratio must be less than or equal to 100.";
constexpr const char* kNoCountsMessage =
    "Invalid scale settings. The board's counts per inch are 0 on an axis: check its counts per revolution.";
// Present positions this far out are off any table the demo draws.
constexpr std::int32_t kPresentMarkerLimit = 500000;
constexpr double kMarkerDivisor = 200.0;

} // namespace

void XyTableDemo::restoreLastGoodLimits()
{
    xmintxt.setText(strTrimmed(f_.LastGoodMinX));
    xmaxtxt.setText(strTrimmed(f_.LastGoodMaxX));
    ymintxt.setText(strTrimmed(f_.LastGoodMinY));
    ymaxtxt.setText(strTrimmed(f_.LastGoodMaxY));
    readLimits();
}

void XyTableDemo::readLimits()
{
    f_.MaxX = static_cast<float>(valueOf(xmaxtxt.text()));
    f_.MinX = static_cast<float>(valueOf(xmintxt.text()));
    f_.MaxY = static_cast<float>(valueOf(ymaxtxt.text()));
    f_.MinY = static_cast<float>(valueOf(ymintxt.text()));
}

void XyTableDemo::drawMarker(std::int32_t x, std::int32_t y, Color color)
{
    box.setFillColor(color);
    box.circle(x, y, f_.MarkerRadius, color);
}

void XyTableDemo::drawTravel(int width, Color color)
{
    box.setDrawWidth(width);
    box.line(f_.LastDrawnX, f_.LastDrawnY, f_.PresentX, f_.PresentY, color);
}

void XyTableDemo::drawTravel() { box.line(f_.LastDrawnX, f_.LastDrawnY, f_.PresentX, f_.PresentY); }

void XyTableDemo::readPresentPosition(bool reportFailures)
{
    MotionDriver& driver = app_.driver();
    const DriverStatus statusX = driver.read_pos(f_.BoardId, f_.XAxis, f_.PresentX);
    if (reportFailures && statusX != ZEVA_noError) ShowErrorMessage(app_, StatusText(statusX));
    const DriverStatus statusY = driver.read_pos(f_.BoardId, f_.YAxis, f_.PresentY);
    if (reportFailures && statusY != ZEVA_noError) ShowErrorMessage(app_, StatusText(statusY));
}

void XyTableDemo::showPresentPosition()
{
    f_.PresentInchX = InchesOf(static_cast<float>(f_.PresentX), f_.CountsPerInchX);
    f_.PresentInchY = InchesOf(static_cast<float>(f_.PresentY), f_.CountsPerInchY);
    Presxlbl.setCaption(formatNumber(f_.PresentInchX, "#0.00"));
    presylbl.setCaption(formatNumber(f_.PresentInchY, "#0.00"));
}

void XyTableDemo::updatePresentPosition()
{
    readPresentPosition(false);
    showPresentPosition();
}

void XyTableDemo::RedrawTable()
{
    f_.Redrawing = true;
    if (f_.DemoMode == kDemoAutomatic) startcmd.setEnabled(false);
    if (f_.PathColorA == 0 && f_.PathColorB == 0) {
        f_.PathColorA = kPathBlue;
        f_.PathColorB = kPathRed;
    }
    const auto b = static_cast<std::size_t>(f_.BoardId);
    f_.CountsPerRevX = app_.state().xy.XCountsPerRev[b];
    f_.CountsPerRevY = app_.state().xy.YCountsPerRev[b];
    f_.PitchX = static_cast<float>(valueOf(xrevsinchtxt.text()));
    f_.PitchY = static_cast<float>(valueOf(yrevsinchtxt.text()));
    readLimits();
    f_.VectorVelocity = static_cast<float>(valueOf(vectveltxt.text()));
    // An axis box that holds no valid axis leaves the axis as it was.
    if (xAxisField_.valid() == 1) f_.XAxis = toInt16Saturated(valueOf(xaxistxt.text()));
    if (yAxisField_.valid() == 1) f_.YAxis = toInt16Saturated(valueOf(yaxistxt.text()));
    const bool servo = IsServoType(f_.BoardTypeCode);
    f_.VectorAccel = f_.VectorVelocity * (servo ? 10.0F : 4.0F);
    f_.CountsPerInchX = CountsPerInch(f_.CountsPerRevX, f_.PitchX, f_.GearX, servo);
    f_.CountsPerInchY = CountsPerInch(f_.CountsPerRevY, f_.PitchY, f_.GearY, servo);

    if (!LimitsOrdered(f_.MinX, f_.MaxX, f_.MinY, f_.MaxY)) {
        ShowErrorMessage(app_, kLimitsMessage);
        restoreLastGoodLimits();
    }
    ScaleSpans spans = SpansOf(f_.MinX, f_.MaxX, f_.MinY, f_.MaxY, f_.CountsPerInchX, f_.CountsPerInchY);
    if (SpansUsable(spans) && AspectTooWide(spans)) {
        ShowErrorMessage(app_, kAspectMessage);
        restoreLastGoodLimits();
        spans = SpansOf(f_.MinX, f_.MaxX, f_.MinY, f_.MaxY, f_.CountsPerInchX, f_.CountsPerInchY);
    }
    // A scale without extent (no counts per inch, or no last good limits to go back to) cannot
    // be drawn on: the box keeps what it shows.
    scaleUsable_ = SpansUsable(spans) && !AspectTooWide(spans);
    if (!scaleUsable_) {
        if (f_.CountsPerInchX == 0 || f_.CountsPerInchY == 0) ShowErrorMessage(app_, kNoCountsMessage);
        f_.Redrawing = false;
        return;
    }

    f_.RangeX = std::abs(f_.MaxX - f_.MinX);
    f_.RangeY = std::abs(f_.MaxY - f_.MinY);
    const BoxGeometry geometry = BoxGeometryOf(f_.RangeX, f_.RangeY);
    box.setTop(geometry.top);
    box.setWidth(geometry.width);
    box.setHeight(geometry.height);
    box.scale(spans.left, spans.top, spans.right, spans.bottom);
    f_.LastGoodMaxX = valueOf(xmaxtxt.text());
    f_.LastGoodMinX = valueOf(xmintxt.text());
    f_.LastGoodMaxY = valueOf(ymaxtxt.text());
    f_.LastGoodMinY = valueOf(ymintxt.text());
    f_.MarkerRadius = static_cast<float>(static_cast<double>(f_.RangeX * f_.CountsPerInchX) / kMarkerDivisor);

    if (axesValid()) readPresentPosition(true);
    f_.LastDrawnX = f_.PrevTargetX = f_.PresentX;
    f_.LastDrawnY = f_.PrevTargetY = f_.PresentY;

    box.cls();
    box.setDrawWidth(1);
    for (std::int32_t x : VerticalGridLines(f_.MinX, f_.MaxX, f_.CountsPerInchX))
        box.line(x, spans.bottom, x, spans.top, kGridGrey);
    for (std::int32_t y : HorizontalGridLines(f_.MinY, f_.MaxY, f_.CountsPerInchY))
        box.line(spans.left, y, spans.right, y, kGridGrey);
    if (f_.PresentX < kPresentMarkerLimit && f_.PresentY < kPresentMarkerLimit)
        drawMarker(f_.PresentX, f_.PresentY, f_.PathColorB);
    f_.Redrawing = false;
}

} // namespace tarvik
