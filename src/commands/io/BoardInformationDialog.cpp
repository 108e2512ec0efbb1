#include "commands/io/BoardInformationDialog.h"

#include "commands/io/BoardInfoText.h"
#include "driver/StatusText.h"

#include <cstddef>
#include <string>

namespace tarvik {

namespace {

constexpr int kBoardTypeRow = 3;

} // namespace

BoardInformationDialog::BoardInformationDialog(App& app)
    : CommandDialog(app, {.name = "GetBInfo",
                          .caption = "Get Motion Board Info",
                          .helpTopic = 59,
                          .mask = kEveryGroup,
                          .boardLabelName = "Label14",
                          .axis = std::nullopt,
                          .memberAreaHeight = 1320,
                          .call = [this](CommandRun& run) { return readInfo(run); },
                          .loaded = [this] { InfoType.setListIndex(kBoardTypeRow); }}),
      infoTypeLabel(this, "Label1", {.caption = "InfoType"}),
      InfoType(this, "InfoType", {.caption = "Make Selection Here"}, ComboBox::Style::DropDownCombo),
      infoValueLabel(this, "Label2", {.caption = "InfoValue"}),
      InfoValue(this, "InfoValue")
{
    for (const InfoAttributeRow& row : infoAttributeRows()) InfoType.addItem(std::string(row.text));
    InfoValue.onClick = [this] { InfoValue.setText(""); };
    InfoValue.onDblClick = [this] { InfoValue.setText(""); };
    arrange();
}

void BoardInformationDialog::arrange()
{
    const float top = memberAreaTop();
    infoTypeLabel.move(120, top, 2400, 240);
    InfoType.move(120, top + 240, 2655, 315);
    infoValueLabel.move(120, top + 660, 2400, 240);
    InfoValue.move(120, top + 900, 4440, 285);
}

DriverStatus BoardInformationDialog::readInfo(CommandRun& run)
{
    InfoValue.setText("");
    const auto rows = infoAttributeRows();
    const int index = InfoType.listIndex();
    const InfoAttributeRow* row =
        index >= 0 && static_cast<std::size_t>(index) < rows.size() ? &rows[static_cast<std::size_t>(index)] : nullptr;
    std::string result = row ? "" : std::string(kInternalErrorText);
    std::int32_t value = 0;
    const DriverStatus status =
        run.driver.get_motion_board_info(run.board, row ? row->attribute : kNoInfoAttribute, value);
    if (status == ZEVA_noError) result = row ? infoValueText(*row, value) : std::string(kNoRowValueText);
    InfoValue.setText(result);
    return status;
}

} // namespace tarvik
