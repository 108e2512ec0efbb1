#include "commands/motion/AxisStatusDialog.h"

#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"

#include <array>
#include <bit>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvik {

namespace {

// The rows top to bottom; the two 4-axis rows come last, so that hiding them leaves no gap.
struct LampRowDesign {
    std::uint16_t mask;
    std::string_view descriptionName;
    std::string_view description;
    bool fourAxisOnly = false;
};

constexpr std::array kLampRows{
    LampRowDesign{AxisStatusLimitSwitch, "lblLimitSwitch", "Limit Switch Active"},
    LampRowDesign{AxisStatusHomeSwitch, "lblHomeSwitch", "Home Switch Active"},
    LampRowDesign{AxisStatusMotorOff, "lblMotorOff", "Motor Off"},
    LampRowDesign{AxisStatusWraparound, "lblWraparound", "Wraparound Error"},
    LampRowDesign{AxisStatusPositionError, "lblPositionError", "Position Error"},
    LampRowDesign{AxisStatusRunning, "lblRunning", "Running"},
    LampRowDesign{AxisStatusProfileComplete, "lblProfileComplete", "Profile Complete"},
    LampRowDesign{AxisStatusVelocityMode, "lblVelocityMode", "Velocity Mode (Servo Only)"},
    LampRowDesign{AxisStatusForward, "lblForward", "Forward"},
    LampRowDesign{AxisStatusIndexFound, "lblIndexFound", "Index Found", true},
    LampRowDesign{AxisStatusLastCmdNotExecuted, "lblLastCmd", "Last Command Not Executed", true},
};

int bitOf(std::uint16_t mask) { return std::countr_zero(mask); }

// Layout in twips.
constexpr float kRowsTop = 240;
constexpr float kRowStep = 300;
constexpr float kRowHeight = 255;
constexpr float kNumberWidth = 375;
constexpr float kLampLeft = kDialogMargin + kNumberWidth + 60;
constexpr float kLampSize = 195;
constexpr float kLampInset = (kRowHeight - kLampSize) / 2;
constexpr float kDescriptionLeft = kLampLeft + kLampSize + 120;
constexpr float kDescriptionWidth = 2535;
constexpr float kRightLeft = kDescriptionLeft + kDescriptionWidth + 120;
constexpr float kAxisLeft = kRightLeft + kBoardListWidth + 120;
constexpr float kRunTop = 840;
constexpr float kFormWidth = kAxisLeft + kAxisFieldWidth + 3 * kDialogMargin;

} // namespace

AxisStatusDialog::AxisStatusDialog(App& app)
    : CommandDialog(app, {.name = "frmaxstat",
                          .caption = "Read Per Axis H/W Status",
                          .helpTopic = 338,
                          .mask = kMotionGroups,
                          .call = [this](CommandRun& run) { return readStatus(run); },
                          .boardChanged = [this] { showRowsOfBoard(); }}),
      lblBit(this, "lblBit", {.caption = "Bit"})
{
    makeRows();
    arrange();
}

void AxisStatusDialog::makeRows()
{
    for (const LampRowDesign& design : kLampRows) {
        const std::string bit = std::to_string(bitOf(design.mask));
        LampRow row{.mask = design.mask,
                    .fourAxisOnly = design.fourAxisOnly,
                    .number = std::make_unique<Label>(this, "lbl" + bit, Design{.caption = bit}),
                    .lamp = std::make_unique<Shape>(this, "b" + bit, Design{}, Shape::Kind::Circle),
                    .description = std::make_unique<Label>(this, std::string(design.descriptionName),
                                                           Design{.caption = std::string(design.description)})};
        makeLamp(*row.lamp);
        rows_.push_back(std::move(row));
    }
}

void AxisStatusDialog::arrange()
{
    lblBit.move(kDialogMargin, 0, kNumberWidth, kRowsTop);
    float top = kRowsTop;
    for (LampRow& row : rows_) {
        row.number->move(kDialogMargin, top, kNumberWidth, kRowHeight);
        row.lamp->move(kLampLeft, top + kLampInset, kLampSize, kLampSize);
        row.description->move(kDescriptionLeft, top, kDescriptionWidth, kRowHeight);
        top += kRowStep;
    }

    boardLabel.move(kRightLeft, kFieldCaptionTop, kBoardListWidth, kFieldTop - kFieldCaptionTop);
    bidlist.move(kRightLeft, kFieldTop, kBoardListWidth, kDropDownHeight);
    // The axis field's caption label is the frame's own; it is reached by its name.
    axisLabel().move(kAxisLeft, kFieldCaptionTop, kAxisFieldWidth + kDialogMargin, kFieldTop - kFieldCaptionTop);
    axistxt().move(kAxisLeft, kFieldTop, kAxisFieldWidth, kTextBoxHeight);
    runcmd.move(kRightLeft, kRunTop, kCommandButtonWidth, kCommandButtonHeight);

    placeStatusBox(top + kDialogMargin, kFormWidth);
}

const AxisStatusDialog::LampRow& AxisStatusDialog::row(int bit) const
{
    for (const LampRow& row : rows_) {
        if (bitOf(row.mask) == bit) return row;
    }
    throw std::out_of_range(name() + " has no lamp for bit " + std::to_string(bit));
}

void AxisStatusDialog::showRowsOfBoard()
{
    const bool fourAxisBoard = state().AxisCount == 4;
    for (LampRow& row : rows_) {
        if (!row.fourAxisOnly) continue;
        row.number->setVisible(fourAxisBoard);
        row.lamp->setVisible(fourAxisBoard);
        row.description->setVisible(fourAxisBoard);
    }
}

DriverStatus AxisStatusDialog::readStatus(CommandRun& run)
{
    std::int16_t word = 0;
    const DriverStatus status = run.driver.read_axis_stat(run.board, run.axis, word);
    // A failed read shows no bit set: every lamp it may change turns white.
    light(status == ZEVA_noError ? word : std::int16_t{0}, axisCountOf(run.type) == 4);
    return status;
}

void AxisStatusDialog::light(std::int16_t word, bool fourAxisBoard)
{
    for (LampRow& row : rows_) {
        // The 4-axis rows are hidden on a 3-axis board and keep the colour they had.
        if (row.fourAxisOnly && !fourAxisBoard) continue;
        lightLamp(*row.lamp, word, row.mask);
    }
}

} // namespace tarvik
