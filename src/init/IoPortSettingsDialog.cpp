#include "init/IoPortSettingsDialog.h"

#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "program/SettingsMasks.h"

#include <array>
#include <string>

namespace tarvik {

namespace {

constexpr int kMaxBits = 8;
// gridLabels holds the four row labels at 0..3 and the bit numbers 1..8 at 4..11.
constexpr int kBitNumberBase = 3;

// Where the columns stand for a number of shown bits (twips).
struct ColumnLayout {
    int bits;
    float frameLeft;     // frames of column 1
    float numberLeft;    // bit number 1
    float pitch;         // from one column to the next
    float rowLabelLeft;  // "Invert", "Non-Invert", "Input", "Output"
};

constexpr std::array<ColumnLayout, 3> kColumnLayouts{{
    {8, 1020, 1140, 360, 3900},
    {4, 1520, 1640, 440, 3300},
    {6, 1020, 1140, 400, 3600},
}};

// Boards of any other bit count (none: a code without a group) take the six-column layout.
const ColumnLayout& layoutOf(int bits)
{
    for (const ColumnLayout& layout : kColumnLayouts)
        if (layout.bits == bits) return layout;
    return kColumnLayouts.back();
}

constexpr float kHeaderTop = 660;
constexpr float kPolarityTop = 900;
constexpr float kDirectionTop = 1620;
constexpr float kFrameWidth = 300;
constexpr float kFrameHeight = 600;
constexpr float kUpperRowOffset = 90;
constexpr float kLowerRowOffset = 360;

const SetupDialogDesign kDesign{
    .form = {.caption = "Set IO Port Polarity And Direction", .width = 5400, .height = 3900, .helpTopic = 321},
    .menuMask = kEveryGroup,
    .runOrder = RunOrder::StoreThenSend,
    .boardLabel = {120, 180, 855, 255},
    .boardList = {1020, 120, kBoardListWidth, kDropDownHeight},
    .setButton = {720, 2460, kCommandButtonWidth, kCommandButtonHeight},
    .runButton = {2040, 2460, kCommandButtonWidth, kCommandButtonHeight},
    .cancelButton = {3360, 2460, kCommandButtonWidth, kCommandButtonHeight},
    .statusBox = {120, 3000, 4995, 315},
    .runTakesSetPlaceInMenuMode = true,
    .clearStatusOnFormClick = false,
    .clearStatusWhenRunLosesFocus = true,
    .backgroundToBackOnDeactivate = false,
};

} // namespace

IoPortSettingsDialog::IoPortSettingsDialog(App& app) : SetupDialog(app, "frmIOSettings", kDesign)
{
    const auto heading = [this](int index, const char* caption, float top) {
        headings.add(index, {.caption = caption, .left = 120, .top = top, .width = 855, .height = 255});
    };
    heading(0, "I/O Port", kHeaderTop);
    heading(2, "Polarity", kPolarityTop + kUpperRowOffset + 90);
    heading(1, "Direction", kDirectionTop + kUpperRowOffset + 90);

    const auto rowLabel = [this](int index, const char* caption, float top) {
        gridLabels.add(index, {.caption = caption, .top = top, .width = 1095, .height = 255});
    };
    rowLabel(0, "Invert", kPolarityTop + kUpperRowOffset);
    rowLabel(1, "Non-Invert", kPolarityTop + kLowerRowOffset);
    rowLabel(2, "Input", kDirectionTop + kUpperRowOffset);
    rowLabel(3, "Output", kDirectionTop + kLowerRowOffset);

    for (int bit = 1; bit <= kMaxBits; ++bit) buildColumn(bit);
    arrangeColumns(kMaxBits);
}

void IoPortSettingsDialog::buildColumn(int bit)
{
    gridLabels.add(kBitNumberBase + bit,
                   {.caption = std::to_string(bit), .top = kHeaderTop, .width = 240, .height = 255});
    Frame& polarity = polarityFrames.add(bit, {.top = kPolarityTop, .width = kFrameWidth, .height = kFrameHeight});
    Frame& direction = directionFrames.add(bit, {.top = kDirectionTop, .width = kFrameWidth, .height = kFrameHeight});
    const auto pairOf = [this, bit](ControlArray<OptionButton>& upper, ControlArray<OptionButton>& lower,
                                    Frame& frame) {
        OptionButton& set = upper.add(bit, {.left = 30, .top = 60, .width = 240, .height = 240, .container = &frame});
        OptionButton& clear = lower.add(bit, {.left = 30, .top = 330, .width = 240, .height = 240, .container = &frame});
        clear.setValue(true);
        set.onClick = [this] { choiceClicked(); };
        clear.onClick = [this] { choiceClicked(); };
    };
    pairOf(pbi, pbni, polarity);
    pairOf(dbi, dbo, direction);
}

void IoPortSettingsDialog::arrangeColumns(int bits)
{
    const ColumnLayout& layout = layoutOf(bits);
    for (int bit = 1; bit <= kMaxBits; ++bit) {
        const bool shown = bit <= layout.bits;
        const float step = layout.pitch * static_cast<float>(bit - 1);
        polarityFrames(bit).setVisible(shown);
        directionFrames(bit).setVisible(shown);
        gridLabels(kBitNumberBase + bit).setVisible(shown);
        polarityFrames(bit).setLeft(layout.frameLeft + step);
        directionFrames(bit).setLeft(layout.frameLeft + step);
        gridLabels(kBitNumberBase + bit).setLeft(layout.numberLeft + step);
    }
    for (int row = 0; row <= 3; ++row) gridLabels(row).setLeft(layout.rowLabelLeft);
}

bool IoPortSettingsDialog::keepsSettingsFor(std::int16_t typeCode) const
{
    return groupOf(typeCode).has_value();
}

void IoPortSettingsDialog::layoutFor(std::int16_t typeCode)
{
    arrangeColumns(ioBitCountOf(typeCode));
}

// Any non-zero entry shows as set: the records hold -1 for "set" as often as 1, and the word
// sent to the board counts every non-zero entry, so a store without a click changes nothing.
void IoPortSettingsDialog::loadSettings(std::int16_t typeCode, std::int16_t board)
{
    const int bits = ioBitCountOf(typeCode);
    visitRecord(app().state().Settings, typeCode, board, [&](const auto& record) {
        for (int bit = 1; bit <= bits && bit <= static_cast<int>(record.IoInverted.size()); ++bit) {
            const auto entry = static_cast<std::size_t>(bit - 1);
            (record.IoInverted[entry] != 0 ? pbi(bit) : pbni(bit)).setValue(true);
            (record.IoInput[entry] != 0 ? dbi(bit) : dbo(bit)).setValue(true);
        }
    });
}

void IoPortSettingsDialog::storeSettings(std::int16_t typeCode, std::int16_t board)
{
    const int bits = ioBitCountOf(typeCode);
    visitRecord(app().state().Settings, typeCode, board, [&](auto& record) {
        for (int bit = 1; bit <= bits && bit <= static_cast<int>(record.IoInverted.size()); ++bit) {
            const auto entry = static_cast<std::size_t>(bit - 1);
            record.IoInverted[entry] = pbi(bit).value() ? 1 : 0;
            record.IoInput[entry] = dbi(bit).value() ? 1 : 0;
        }
    });
}

DriverStatus IoPortSettingsDialog::sendSettings(std::int16_t typeCode, std::int16_t board)
{
    return app().driver().set_io_pol(board, BuildIoPolarityMask(app().state().Settings, typeCode, board));
}

} // namespace tarvik
