#pragma once

#include "init/SetupDialog.h"

#include <array>

namespace tarvik {

// Set Step Output Mode and Polarity, for stepper boards: step-and-direction or CW/CCW pulse
// outputs, the polarity of the step outputs and that of the inhibit output, for the whole
// board. "Set" keeps the choice in the board's settings record; "RUN" sends it as a step-mode
// word (set_step_mode_pol) and keeps it only when the board accepted it. The label beside each
// option button selects it too.
class StepOutputModeDialog : public SetupDialog {
public:
    explicit StepOutputModeDialog(App& app);

    Label inhibitHeading{this, "Label13",
                         {.caption = "Inhibit Polarity", .left = 120, .top = 600, .width = 1575, .height = 255}};
    Frame inhibitFrame{this, "Frame1", {.left = 120, .top = 900, .width = 375, .height = 660}};
    OptionButton ipi{this, "ipi", {.left = 60, .top = 120, .width = 255, .height = 255, .container = &inhibitFrame}};
    OptionButton ipn{this, "ipn", {.left = 60, .top = 390, .width = 255, .height = 255, .container = &inhibitFrame}};
    Label inhibitInvertingLabel{this, "Label7",
                                {.caption = "Inverting", .left = 540, .top = 1050, .width = 1215, .height = 255}};
    Label inhibitNonInvertingLabel{this, "Label8",
                                   {.caption = "Non-inverting", .left = 540, .top = 1320, .width = 1215, .height = 255}};

    Label outputPolarityHeading{this, "Label12",
                                {.caption = "Output Polarity", .left = 1920, .top = 600, .width = 1575, .height = 255}};
    Frame outputPolarityFrame{this, "Frame2", {.left = 1920, .top = 900, .width = 375, .height = 660}};
    OptionButton opi{this, "opi",
                     {.left = 60, .top = 120, .width = 255, .height = 255, .container = &outputPolarityFrame}};
    OptionButton opn{this, "opn",
                     {.left = 60, .top = 390, .width = 255, .height = 255, .container = &outputPolarityFrame}};
    Label outputInvertingLabel{this, "Label9",
                               {.caption = "Inverting", .left = 2340, .top = 1050, .width = 1215, .height = 255}};
    Label outputNonInvertingLabel{this, "Label10",
                                  {.caption = "Non-inverting", .left = 2340, .top = 1320, .width = 1215, .height = 255}};

    Label outputModeHeading{this, "Label5",
                            {.caption = "Output Mode", .left = 3720, .top = 600, .width = 1575, .height = 255}};
    Frame outputModeFrame{this, "Frame3", {.left = 3720, .top = 900, .width = 375, .height = 660}};
    OptionButton omsd{this, "omsd",
                      {.left = 60, .top = 120, .width = 255, .height = 255, .container = &outputModeFrame}};
    OptionButton omcw{this, "omcw",
                      {.left = 60, .top = 390, .width = 255, .height = 255, .container = &outputModeFrame}};
    Label stepAndDirLabel{this, "Label2",
                          {.caption = "Step and Dir", .left = 4140, .top = 1050, .width = 1215, .height = 255}};
    Label cwCcwLabel{this, "Label4", {.caption = "CW/CCW", .left = 4140, .top = 1320, .width = 1215, .height = 255}};

private:
    // An option button with the label that names it; inhibit choices also clear the status box.
    struct Choice {
        OptionButton& button;
        Label& caption;
        bool clearsStatus;
    };

    bool keepsSettingsFor(std::int16_t typeCode) const override;
    void loadSettings(std::int16_t typeCode, std::int16_t board) override;
    void storeSettings(std::int16_t typeCode, std::int16_t board) override;
    DriverStatus sendSettings(std::int16_t typeCode, std::int16_t board) override;

    void choice_Click(const Choice& choice);
    void caption_Click(const Choice& choice);

    std::array<Choice, 6> choices_;
};

} // namespace tarvik
