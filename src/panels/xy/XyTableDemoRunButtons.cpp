#include "panels/xy/XyTableDemo.h"

#include "base/NumberText.h"
#include "common/FocusBackToStart.h"

namespace tarvik {

namespace {

constexpr Color kLampGreen = 0x00FF00;
constexpr Color kLampRed = 0x0000FF;

} // namespace

void XyTableDemo::startcmd_Click()
{
    if (f_.DemoMode == kDemoAutomatic) vectveltxt.setEnabled(false);
    if (!run_.start()) return;
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
    const FocusBackToStart focus(startcmd, {&stopcmd});
    run_.stop();
    if (f_.DemoMode != kDemoAutomatic) enableSetupBoxes(true);
    runlight.setFillColor(kLampRed);
    startcmd.setEnabled(canRun());
    modeframe.setEnabled(true);
    if (!IsEncoderType(f_.BoardTypeCode)) {
        vectveltxt.setEnabled(true);
        homecmd.setEnabled(true);
        if (f_.FindIndexAllowed == 1) indexcmd.setEnabled(true);
    }
    stopcmd.setEnabled(false);
    erasecmd.setEnabled(true);
    focus.apply();
}

void XyTableDemo::stopRun() { stopcmd_Click(); }

void XyTableDemo::showSegment(float targetInchX, float targetInchY, float velocity)
{
    targxlbl.setCaption(formatNumber(targetInchX, "#0.00"));
    targylbl.setCaption(formatNumber(targetInchY, "#0.00"));
    vectveltxt.setText(formatNumber(velocity, "#0.00"));
}

} // namespace tarvik
