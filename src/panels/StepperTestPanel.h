#pragma once

#include "panels/RunPanel.h"

#include <cstdint>

namespace tarvik {

// Stepper Test: exercises one axis of an initialised open-loop or closed-loop stepper board in
// open or closed loop, absolute or relative position mode, with the velocity in steps/s, the
// acceleration in steps/s² and an acceleration factor; shows the encoder position (grey "0" on
// an open-loop board, which has no encoder) and the measured step rate.
//
// The board list holds the stepper boards whose initialisation finished; the board of a stepper
// wizard is preselected, else the last row. With no such board the panel closes itself.
class StepperTestPanel final : public RunPanel {
public:
    static constexpr Color kNoEncoderColor = rgb(128, 128, 128);
    // The system's window-text colour.
    static constexpr Color kWindowTextColor = static_cast<Color>(0x80000008u);

    explicit StepperTestPanel(App& app);

    std::int32_t StepperVelocity = 0;

    TextBox& postxt1 = pos1;
    TextBox& postxt2 = pos2;
    OptionButton& modedouble = cycleOn;
    OptionButton& modesingle = cycleOff;
    Label lblStepsSec;
    TextBox stepssectxt;
    Label lblAccel;
    TextBox acceltxt;
    Label lblAccelFactor;
    TextBox accelftxt;
    Label lblPositionMode;
    Frame positionModeFrame;
    OptionButton pa;
    Label absoluteLabel;
    OptionButton pr;
    Label relativeLabel;
    Label lblLoopMode;
    Frame loopModeFrame;
    OptionButton lmo;
    Label openLoopLabel;
    OptionButton lmc;
    Label closedLoopLabel;
    Label lblEncoder;
    Label readenclbl;
    Label lblStepRate;
    Label lblstepssec;

private:
    void loadPanel() override;
    DriverStatus sendSetUp() override;
    bool readBack() override;
    void enablePanelInputs(bool enabled) override;
    void boardSelected() override;
    void showNoEncoder();

    EntryField velocityField_;
    EntryField accelField_;
    EntryField accelFactorField_;
};

} // namespace tarvik
