#include "commands/motion/LoadStepsAndLinesDialog.h"

#include "commands/motion/CountsPerRev.h"

#include <cstdint>

namespace tarvik {

namespace {

// The counts as load_steps_lines takes them: the lines in bits 31..16, the steps in bits 15..0.
// The checks hold the steps to 1..32767 and the lines to 1..16383, so the packed value lies
// between 65537 and 1073709055; it is formed in 64 bits all the same, so that the arithmetic
// itself can never overflow.
std::int32_t packCounts(std::int16_t steps, std::int16_t lines)
{
    return static_cast<std::int32_t>(std::int64_t{lines} * 65536 + steps);
}

} // namespace

LoadStepsAndLinesDialog::LoadStepsAndLinesDialog(App& app)
    : CommandDialog(app, {.name = "frm57",
                          .caption = "Load Steps and Lines / Rev",
                          .helpTopic = 364,
                          .mask = kClosedLoopStepperGroups,
                          .axis = CommandAxisField{.sharedAxis = true},
                          .fields = {countPerRevField("stepsrevtxt", "Label3", "Steps/Rev", 32767),
                                     countPerRevField("linesrevtxt", "Label1", "Lines/Rev", 16383)},
                          .call = [](CommandRun& run) {
                              const std::int32_t packed =
                                  packCounts(run.value<std::int16_t>(0), run.value<std::int16_t>(1));
                              return run.driver.load_steps_lines(run.board, run.axis, packed);
                          },
                          .kept = {{.field = AxisField::StepsPerRev, .index = 0, .shownAtLoad = true},
                                   {.field = AxisField::LinesPerRev, .index = 1, .shownAtLoad = true}}})
{
}

} // namespace tarvik
