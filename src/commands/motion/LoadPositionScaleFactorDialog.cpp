#include "commands/motion/LoadPositionScaleFactorDialog.h"

#include <string>
#include <utility>

namespace tarvik {

namespace {

CommandField scalePart(std::string name, std::string labelName, std::string label)
{
    return {.name = std::move(name), .labelName = std::move(labelName), .label = std::move(label), .maxLength = 5,
            .rule = {.check = FieldCheck::ValidateInteger, .bounds = {1, 32767}},
            .conversion = FieldConversion::Int32};
}

} // namespace

LoadPositionScaleFactorDialog::LoadPositionScaleFactorDialog(App& app)
    : CommandDialog(app, {.name = "frm69",
                          .caption = "Load Position Scale Factor",
                          .helpTopic = 355,
                          .mask = kClosedLoopCapableGroups,
                          .axis = CommandAxisField{.sharedAxis = true},
                          .fields = {scalePart("numertxt", "Label3", "Numerator"),
                                     scalePart("denomtxt", "Label1", "Denominator")},
                          .call = [](CommandRun& run) {
                              return run.driver.load_pos_scale(
                                  run.board, run.axis, packScale(run.value<std::int32_t>(0), run.value<std::int32_t>(1)));
                          }})
{
}

// The checks hold both parts to 1..32767, so the packed value lies between 65537 and 2147450879;
// the product is formed in 64 bits so that the arithmetic itself can never overflow.
std::int32_t LoadPositionScaleFactorDialog::packScale(std::int32_t numerator, std::int32_t denominator)
{
    return static_cast<std::int32_t>(std::int64_t{numerator} * 65536 + denominator);
}

} // namespace tarvik
