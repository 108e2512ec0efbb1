#include "commands/motion/SetLoopModeDialog.h"

#include "commands/motion/AxisCommandDesign.h"
#include "driver/StatusWords.h"
#include "program/App.h"
#include "program/AxisSettings.h"

#include <functional>
#include <optional>
#include <utility>

namespace tarvik {

namespace {

// The stored mode is shown by the dialog rather than by the frame, which selects the option of
// the stored value and would leave none selected for a flag other than 0 and -1.
CommandDesign setLoopMode(std::function<void()> showStoredMode)
{
    CommandDesign design = axisChoiceDesign(&MotionDriver::set_loop_mode,
                                            {.name = "frm5A", .caption = "Set Loop Mode", .helpTopic = 365, .mask = kClosedLoopStepperGroups},
                                            {.heading = "Loop Mode",
                                             .options = {{"lmo", "Label7", "Open Loop", LoopModeOpen},
                                                         {"lmc", "Label8", "Closed Loop", LoopModeClosed}}});
    design.choices->frameName = "Frame1";
    design.runStartsEnabled = true;
    design.kept = {{.field = AxisField::ClosedLoop, .from = KeptFrom::Choice}};
    design.showStored = std::move(showStoredMode);
    return design;
}

} // namespace

SetLoopModeDialog::SetLoopModeDialog(App& app) : CommandDialog(app, setLoopMode([this, &app] { showStoredMode(app); })) {}

// One of the two modes is always selected: any non-zero flag reads as closed loop.
void SetLoopModeDialog::showStoredMode(const App& app)
{
    const std::int16_t board = state().BoardId;
    if (!app.state().boards.isBoard(board)) return;
    const std::optional<double> closed =
        axisSetting(app.state().Settings, app.state().boards.BoardType[static_cast<std::size_t>(board)], board, 1,
                    AxisField::ClosedLoop);
    if (closed) (*closed != 0 ? lmc : lmo).setValue(true);
}

} // namespace tarvik
