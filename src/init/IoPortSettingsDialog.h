#pragma once

#include "init/SetupDialog.h"

namespace tarvik {

// Set IO Port Polarity And Direction: per I/O bit of the board its polarity (inverting or not)
// and direction (input or output). "Set" keeps the choice in the board's settings record; "RUN"
// keeps it and sends the I/O configuration word (set_io_pol). One column per bit: eight on the
// 2/4-axis servo and encoder boards, four on the 2/4-axis steppers, six otherwise.
class IoPortSettingsDialog : public SetupDialog {
public:
    explicit IoPortSettingsDialog(App& app);

    ControlArray<Label> headings{this, "Label1"};
    ControlArray<Label> gridLabels{this, "Label2"};
    ControlArray<Frame> polarityFrames{this, "Frame1"};
    ControlArray<Frame> directionFrames{this, "Frame2"};
    ControlArray<OptionButton> pbi{this, "pbi"};
    ControlArray<OptionButton> pbni{this, "pbni"};
    ControlArray<OptionButton> dbi{this, "dbi"};
    ControlArray<OptionButton> dbo{this, "dbo"};

private:
    bool keepsSettingsFor(std::int16_t typeCode) const override;
    void layoutFor(std::int16_t typeCode) override;
    void loadSettings(std::int16_t typeCode, std::int16_t board) override;
    void storeSettings(std::int16_t typeCode, std::int16_t board) override;
    DriverStatus sendSettings(std::int16_t typeCode, std::int16_t board) override;

    void buildColumn(int bit);
    // Places the columns and row labels for `bits` shown columns.
    void arrangeColumns(int bits);
};

} // namespace tarvik
