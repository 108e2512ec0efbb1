#pragma once

#include "panels/RunPanel.h"
#include "panels/ServoSpeedBand.h"

#include <cstdint>

namespace tarvik {

// Servo Test Panel: exercises one axis of an initialised servo board (3-axis or 2/4-axis) in
// position mode (absolute or relative) or velocity mode with a direction, with the velocity in
// RPM and the acceleration in RPS/s, and shows the measured speed on a gauge as a share of the
// RPM entered (ServoSpeedBand).
//
// The board list holds the servo boards that an initialisation has at least started (state 1 or
// -1); when a never-initialised board was preselected, the first listed row is selected. With
// no such board the panel closes itself. In velocity mode the speed fields stay enabled during a
// run, and Start pressed again sends the new speed to the moving axis (a run inside the run).
class ServoTestPanel final : public RunPanel {
public:
    explicit ServoTestPanel(App& app);

    RpmHistoryTable RpmHistory{};
    std::int16_t BandUpCount = 0;
    std::int16_t BandDownCount = 0;
    double RpmResolution = 0;
    double GaugeReference = 0;

    TextBox& pos1txt = pos1;
    TextBox& pos2txt = pos2;
    OptionButton& CycleOn = cycleOn;
    OptionButton& CycleOff = cycleOff;
    Label lblRpm;
    TextBox rpmtxt;
    Label lblRpsps;
    TextBox rpspstxt;
    Label lblOperationMode;
    Frame operationModeFrame;
    OptionButton pa;
    Label positionAbsoluteLabel;
    OptionButton pr;
    Label positionRelativeLabel;
    OptionButton vr;
    Label velocityAbsoluteLabel;
    Label lblDirection;
    Frame directionFrame;
    OptionButton forward;
    Label forwardLabel;
    OptionButton rev;
    Label reverseLabel;
    Gauge speedGauge;
    Label lblGaugeZero;
    Label lblGaugeFull;
    Label lblGaugeLegend;


private:
    void loadPanel() override;
    DriverStatus sendSetUp() override;
    bool readBack() override;
    void enablePanelInputs(bool enabled) override;
    void halting() override { RpmHistory.fill(0); }

    void positionMode_Click();
    void vr_Click();
    // RpmResolution and GaugeReference for the selected board and the axis, from `rpm`.
    void computeGaugeScale(double rpm);
    void showSpeed();

    EntryField rpmField_;
    EntryField rpspsField_;
};

} // namespace tarvik
