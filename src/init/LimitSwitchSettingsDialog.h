#pragma once

#include "init/SetupDialog.h"

#include <array>

namespace tarvik {

// Set Limit Switch Input Polarity: per axis the polarity of the reverse-limit, home and
// forward-limit inputs and which of them are enabled. "Set" keeps the choice in the board's
// settings record; "RUN" keeps it and sends the polarity word (set_lim_pol), then, when the
// board took it, the enable word (enable_limits). Four axis frames in a two-by-two grid; the
// 3-axis boards hide the fourth and centre the third, encoder boards hide the enable boxes.
class LimitSwitchSettingsDialog : public SetupDialog {
public:
    explicit LimitSwitchSettingsDialog(App& app);

    Label titleLabel{this, "Label13",
                     {.caption = "LIMIT SWITCHES", .left = 4680, .top = 300, .width = 1455, .height = 255}};
    ControlArray<Frame> axisFrames{this, "Frame4"};
    ControlArray<Label> reverseHeads{this, "Label10"};
    ControlArray<Label> homeHeads{this, "Label11"};
    ControlArray<Label> forwardHeads{this, "Label12"};
    ControlArray<Frame> pairFrames{this, "Frame1"};
    ControlArray<OptionButton> BtnlimRi{this, "BtnlimRi"};
    ControlArray<OptionButton> btnlimRni{this, "btnlimRni"};
    ControlArray<OptionButton> BtnlimHi{this, "BtnlimHi"};
    ControlArray<OptionButton> btnlimHni{this, "btnlimHni"};
    ControlArray<OptionButton> BtnlimFi{this, "BtnlimFi"};
    ControlArray<OptionButton> btnlimFni{this, "btnlimFni"};
    ControlArray<CheckBox> ChkRevEn{this, "ChkRevEn"};
    ControlArray<CheckBox> chkHomeEn{this, "chkHomeEn"};
    ControlArray<CheckBox> chkFwdEn{this, "chkFwdEn"};
    ControlArray<Label> invertingLegend{this, "Label1"};
    ControlArray<Label> nonInvertingLegend{this, "Label4"};
    ControlArray<Label> lblEnable{this, "lblEnable"};
    ControlArray<Label> label{this, "label"};

private:
    // One limit input of an axis: its column head, its polarity pair and its enable box.
    struct InputColumn {
        ControlArray<Label>& head;
        ControlArray<OptionButton>& inverting;
        ControlArray<OptionButton>& nonInverting;
        ControlArray<CheckBox>& enable;
        std::int16_t enableBit;
    };

    bool keepsSettingsFor(std::int16_t typeCode) const override;
    void layoutFor(std::int16_t typeCode) override;
    void loadSettings(std::int16_t typeCode, std::int16_t board) override;
    void storeSettings(std::int16_t typeCode, std::int16_t board) override;
    DriverStatus sendSettings(std::int16_t typeCode, std::int16_t board) override;

    void buildAxisFrame(int axis);
    void buildLegends();

    // Reverse limit, home, forward limit, left to right.
    std::array<InputColumn, 3> columns_;
};

} // namespace tarvik
