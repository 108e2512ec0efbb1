#include "commands/motion/MultiAxisStartDialog.h"

#include <bit>

namespace tarvik {

MultiAxisStartDialog::MultiAxisStartDialog(App& app)
    : CommandDialog(app, {.name = "frm5C",
                          .caption = "Multi-Axis Start",
                          .helpTopic = 344,
                          .mask = kMotionGroups,
                          .axis = std::nullopt,
                          .axisChecks = CommandAxisChecks{.frameCaption = "Start:",
                                                          .boxes = {{.caption = "Axis #1", .checked = true},
                                                                    {.caption = "Axis #2", .checked = true},
                                                                    {.caption = "Axis #3"},
                                                                    {.caption = "Axis #4"}}},
                          .call = [](CommandRun& run) {
                              return run.driver.multi_start(run.board, startMask(run.type, run.axisSet));
                          },
                          .runRule = [this] { return UpdateMultiStartRun(); }})
{
}

std::int16_t MultiAxisStartDialog::startMask(std::int16_t typeCode, std::int16_t axisSet)
{
    if (typeCode > 2) return axisSet;
    switch (axisSet & 0b111) {
    case 0b011: return 1;
    case 0b110: return 2;
    case 0b101: return 3;
    case 0b111: return 4;
    default: return 0;
    }
}

// checkedAxes() counts only the boxes the selected board shows.
bool MultiAxisStartDialog::UpdateMultiStartRun()
{
    const bool enough = std::popcount(static_cast<std::uint16_t>(checkedAxes())) >= 2;
    msgtxt.setText(enough ? "" : "You must start at least two axes.");
    return enough;
}

} // namespace tarvik
