#include "init/LimitSwitchSettingsDialog.h"

#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "program/SettingsMasks.h"

namespace tarvik {

namespace {

constexpr int kMaxAxes = 4;
constexpr std::array<const char*, 3> kColumnHeads{"Rev", "Home", "Fwd"};

// Axis frames in a two-by-two grid: axis 1 top left, 2 top right, 3 bottom left, 4 bottom right.
constexpr float kLeftColumn = 180;
constexpr float kRightColumn = 1800;
constexpr float kUpperRow = 300;
constexpr float kLowerRow = 1860;
constexpr float kAxisFrameWidth = 1500;
constexpr float kAxisFrameHeight = 1500;
// The third axis frame of a 3-axis board stands centred under the first two.
constexpr float kCentredThirdAxis = 950;

// Inside an axis frame: one column per input.
constexpr float kFirstColumn = 180;
constexpr float kColumnPitch = 420;
constexpr float kPairTop = 480;
constexpr float kEnableTop = 1140;

// Row legends at the right of each row of axis frames.
constexpr float kLegendLeft = 3480;
constexpr float kLegendLeftThreeAxes = 2700;
constexpr float kLegendWidth = 1095;
constexpr float kLegendHeight = 255;
constexpr float kInvertingLegendOffset = 540;
constexpr float kNonInvertingLegendOffset = 810;
constexpr float kEnableLegendOffset = 1140;

const SetupDialogDesign kDesign{
    .form = {.caption = "Set Limit Switch Input Polarity", .width = 6360, .height = 4380, .helpTopic = 319},
    .menuMask = kEveryGroup,
    .runOrder = RunOrder::StoreThenSend,
    .boardLabel = {4680, 720, 1215, 255},
    .boardList = {4680, 990, kBoardListWidth, kDropDownHeight},
    .setButton = {4680, 1560, 1215, kCommandButtonHeight},
    .runButton = {4680, 2040, 1215, kCommandButtonHeight},
    .cancelButton = {4680, 2520, 1215, kCommandButtonHeight},
    .statusBox = {180, 3480, 5715, 315},
    .clearStatusOnFormClick = true,
    .backgroundToBackOnDeactivate = true,
};

// The polarity fields of an axis sub-record in column order: reverse, home, forward.
template <class AxisSettings>
auto polarityFields(AxisSettings& axis)
{
    return std::array{&axis.ReverseLimitInverted, &axis.HomeInverted, &axis.ForwardLimitInverted};
}

} // namespace

LimitSwitchSettingsDialog::LimitSwitchSettingsDialog(App& app)
    : SetupDialog(app, "frmLimSwSettings", kDesign),
      columns_{{{reverseHeads, BtnlimRi, btnlimRni, ChkRevEn, LimitEnableReverse},
                {homeHeads, BtnlimHi, btnlimHni, chkHomeEn, LimitEnableHome},
                {forwardHeads, BtnlimFi, btnlimFni, chkFwdEn, LimitEnableForward}}}
{
    for (int axis = 1; axis <= kMaxAxes; ++axis) buildAxisFrame(axis);
    buildLegends();
}

void LimitSwitchSettingsDialog::buildAxisFrame(int axis)
{
    const bool rightColumn = axis % 2 == 0;
    const bool lowerRow = axis > 2;
    Frame& frame = axisFrames.add(axis, {.caption = "Axis #" + std::to_string(axis),
                                     .left = rightColumn ? kRightColumn : kLeftColumn,
                                     .top = lowerRow ? kLowerRow : kUpperRow,
                                     .width = kAxisFrameWidth,
                                     .height = kAxisFrameHeight});
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        const InputColumn& column = columns_[c];
        const float left = kFirstColumn + kColumnPitch * static_cast<float>(c);
        column.head.add(axis - 1, {.caption = kColumnHeads[c], .left = left, .top = 240, .width = kColumnPitch,
                                   .height = 195, .container = &frame});
        Frame& pair = pairFrames.add((axis - 1) * 3 + static_cast<int>(c),
                                 {.left = left, .top = kPairTop, .width = 330, .height = 600, .container = &frame});
        OptionButton& inverting =
            column.inverting.add(axis, {.left = 45, .top = 60, .width = 240, .height = 240, .container = &pair});
        OptionButton& nonInverting =
            column.nonInverting.add(axis, {.left = 45, .top = 330, .width = 240, .height = 240, .container = &pair});
        CheckBox& enable = column.enable.add(
            axis, {.left = left + 45, .top = kEnableTop, .width = 240, .height = 240, .container = &frame});
        inverting.setValue(true);
        enable.setValue(CheckBox::Checked);
        inverting.onClick = [this] { choiceClicked(); };
        nonInverting.onClick = [this] { choiceClicked(); };
        enable.onClick = [this] { choiceClicked(); };
    }
}

void LimitSwitchSettingsDialog::buildLegends()
{
    const auto legend = [](ControlArray<Label>& array, int index, const char* caption, float top) {
        array.add(index, {.caption = caption, .left = kLegendLeft, .top = top, .width = kLegendWidth,
                          .height = kLegendHeight});
    };
    legend(invertingLegend, 0, "Inverting", kUpperRow + kInvertingLegendOffset);
    legend(nonInvertingLegend, 0, "Non-inverting", kUpperRow + kNonInvertingLegendOffset);
    legend(lblEnable, 1, "Enable", kUpperRow + kEnableLegendOffset);
    legend(label, 0, "Inverting", kLowerRow + kInvertingLegendOffset);
    legend(label, 1, "Non-inverting", kLowerRow + kNonInvertingLegendOffset);
    legend(label, 2, "Enable", kLowerRow + kEnableLegendOffset);
}

bool LimitSwitchSettingsDialog::keepsSettingsFor(std::int16_t typeCode) const
{
    return groupOf(typeCode).has_value();
}

// Four axis frames for every 4-axis code (2-axis models included), three otherwise; the
// encoder boards have no enable inputs to show.
void LimitSwitchSettingsDialog::layoutFor(std::int16_t typeCode)
{
    const bool fourAxes = axisCountOf(typeCode).value_or(3) == kMaxAxes;
    const bool encoder = groupOf(typeCode) == BoardGroup::Encoder;
    axisFrames(4).setVisible(fourAxes);
    axisFrames(3).setLeft(fourAxes ? kLeftColumn : kCentredThirdAxis);
    lblEnable(1).setVisible(!encoder);
    label(2).setVisible(!encoder);
    for (int axis = 1; axis <= kMaxAxes; ++axis)
        for (const InputColumn& column : columns_) column.enable(axis).setVisible(!encoder);
    label.each([fourAxes](int, Label& legend) { legend.setLeft(fourAxes ? kLegendLeft : kLegendLeftThreeAxes); });
}

// The hidden enable boxes of an encoder board are loaded too, so that a store keeps the
// record's enables instead of taking over those of the board shown before.
void LimitSwitchSettingsDialog::loadSettings(std::int16_t typeCode, std::int16_t board)
{
    const int axes = axisCountOf(typeCode).value_or(0);
    for (int axis = 1; axis <= axes; ++axis) {
        visitAxis(app().state().Settings, typeCode, board, axis, [&](const auto& settings) {
            const auto fields = polarityFields(settings);
            for (std::size_t c = 0; c < columns_.size(); ++c) {
                const InputColumn& column = columns_[c];
                (*fields[c] != 0 ? column.inverting(axis) : column.nonInverting(axis)).setValue(true);
                const bool enabled = (settings.LimitEnableBits & column.enableBit) != 0;
                column.enable(axis).setValue(enabled ? CheckBox::Checked : CheckBox::Unchecked);
            }
        });
    }
}

void LimitSwitchSettingsDialog::storeSettings(std::int16_t typeCode, std::int16_t board)
{
    const int axes = axisCountOf(typeCode).value_or(0);
    for (int axis = 1; axis <= axes; ++axis) {
        visitAxis(app().state().Settings, typeCode, board, axis, [&](auto& settings) {
            const auto fields = polarityFields(settings);
            std::int16_t enableBits = 0;
            for (std::size_t c = 0; c < columns_.size(); ++c) {
                const InputColumn& column = columns_[c];
                *fields[c] = column.inverting(axis).value() ? -1 : 0;
                if (column.enable(axis).value() == CheckBox::Checked) enableBits |= column.enableBit;
            }
            settings.LimitEnableBits = enableBits;
        });
    }
}

DriverStatus LimitSwitchSettingsDialog::sendSettings(std::int16_t typeCode, std::int16_t board)
{
    MotionDriver& driver = app().driver();
    const DriverStatus status =
        driver.set_lim_pol(board, BuildLimitPolarityMask(app().state().Settings, typeCode, board));
    if (status != 0) return status;
    return driver.enable_limits(board, BuildLimitEnableMask(app().state().Settings, typeCode, board));
}

} // namespace tarvik
