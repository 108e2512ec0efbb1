#include "init/FindIndexPanel.h"

#include "base/NumberText.h"
#include "common/IndexSearch.h"
#include "common/MotionWaits.h"
#include "driver/StatusText.h"
#include "program/App.h"

namespace tarvik {

namespace {

// The wizard's search: the 3-axis boards are given time to carry out the search command before
// the axis is polled, and the axis is left to settle on the index before its position is reset.
const IndexSearchStyle kSearchStyle{
    .runningText = [](int axis) { return "Axis" + strSigned(axis) + " is running. Cannot find index."; },
    .outcomeText = [](int, bool found) { return std::string(found ? "Index was found." : "Index not found."); },
    .startDelayMicros = 40'000,
    .endTimeoutMicros = kIndexSearchTimeoutMicros,
    .overdue = "did not stop",
    .settleMicros = 200'000,
};

const HomingPanelLayout kLayout{
    .name = "frmfindindx",
    .caption = "Find Index",
    .helpTopic = 323,
    .searchName = "index search",
    .axisLefts = {120, 1200, 2280, 3360},
    .axisTop = 180,
    .axisWidth = 852,
    .axisHeight = 492,
    .quit = {.caption = "Done", .left = 1860, .top = 900, .width = 612, .height = 372, .tabIndex = 4},
    .status = {.left = 60, .top = 1440, .width = 4215, .height = 855, .tabIndex = 5},
};

// The wizard whose Closed Loop option buttons tell which axes of a closed-loop stepper board may
// search for their index.
const char* loopModeWizardOf(BoardGroup group)
{
    switch (group) {
    case BoardGroup::ClosedLoop3: return "frminitstcl";
    case BoardGroup::ClosedLoop4: return "frminitstcl4a";
    default: return nullptr;
    }
}

} // namespace

FindIndexPanel::FindIndexPanel(App& app) : HomingPanel(app, kLayout) {}

void FindIndexPanel::cmdaxis_Click(int axis)
{
    if (!mayRunOn(axis)) return;
    enableAxisButtons(axisCount(), false);
    cmdquit.setEnabled(false);
    FindIndexOnAxis(axis);
    runEnded();
    enableAxisButtonsByLoopMode();
    cmdquit.setEnabled(true);
}

void FindIndexPanel::FindIndexOnAxis(int axis)
{
    const auto a = static_cast<std::int16_t>(axis);
    RunIndexSearch(app_, board_, axis, kSearchStyle,
                   {.statusBox = msgtxt,
                    .values = [this, axis]() -> std::optional<IndexSearchValues> {
                        if (classOf(boardType()) == BoardClass::OpenLoopStepper) {
                            showStatus(ZEVA_closedLoopOnlyError);
                            return std::nullopt;
                        }
                        const std::optional<SearchSettings> settings = searchSettings(axis);
                        if (!settings) return std::nullopt;
                        return IndexSearchValues{.findRpm = settings->findRpm,
                                                 .reverse = settings->indexReverse,
                                                 .offset = settings->refOffset};
                    },
                    .started = [this, a] { searchStarted(a); },
                    .abandon = [this](const std::string& reason) { return abandonMotion(reason); }});
}

void FindIndexPanel::enableAxisButtonsByLoopMode()
{
    const std::optional<BoardClass> boardClass = classOf(boardType());
    if (boardClass == BoardClass::Servo) {
        enableAxisButtons(axisCount(), true);
    } else if (boardClass == BoardClass::ClosedLoopStepper) {
        for (int axis = 1; axis <= axisCount(); ++axis) cmdaxis(axis).setEnabled(wizardHasClosedLoop(axis));
    }
}

bool FindIndexPanel::wizardHasClosedLoop(int axis) const
{
    const std::optional<BoardGroup> group = boardGroup();
    const char* wizardName = group ? loopModeWizardOf(*group) : nullptr;
    const Form* wizard = wizardName ? app_.runtime().findForm(wizardName) : nullptr;
    if (!wizard) return false;
    const auto* option = dynamic_cast<const OptionButton*>(wizard->findControl("btnClosedLoop", axis));
    return option && option->value();
}

} // namespace tarvik
