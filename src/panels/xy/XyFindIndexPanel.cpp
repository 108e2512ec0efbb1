#include "panels/xy/XyFindIndexPanel.h"

#include "base/NumberText.h"
#include "common/IndexSearch.h"
#include "program/App.h"
#include "program/SettingsRecords.h"

#include <string>

namespace tarvik {

XyFindIndexPanel::XyFindIndexPanel(App& app)
    : XyHomingPanel(app, "frmxyindex", "Find Index", 56, "Hit continue to find index on x and y axes.")
{
    quitcmd.onClick = [this] { unload(); };
}

void XyFindIndexPanel::contcmd_Click()
{
    for (int axis : {1, 2}) {
        const bool goOn = FindIndexOnAxis(axis);
        runEnded();
        if (!goOn) return;
    }
}

bool XyFindIndexPanel::FindIndexOnAxis(int axis)
{
    // The demo's search names the axis in its outcome and gives the table's travel its own bound.
    const IndexSearchStyle style{
        .runningText = [](int n) { return "Axis #" + strTrimmed(n) + " is running. Cannot find index."; },
        .outcomeText =
            [](int n, bool found) {
                return (found ? "Index was found on axis " : "Index was not found on axis ") + strTrimmed(n) + ".";
            },
        .endTimeoutMicros = kSearchTimeoutMicros,
        .overdue = kSearchOverdue,
        .settleMicros = kSettleMicros,
    };
    const auto b = static_cast<std::size_t>(board_);
    const auto a = static_cast<std::int16_t>(axis);
    return RunIndexSearch(
        app_, board_, axis, style,
        {.statusBox = msgtxt,
         .values =
             [this, axis, b] {
                 if (axis == 1) searchStarted_ = true;
                 const std::int16_t reverse = axis == 1 ? app_.state().xy.XIndexReverse[b] : app_.state().xy.YIndexReverse[b];
                 const std::int16_t offset = axis == 1 ? app_.state().xy.XRefOffset[b] : app_.state().xy.YRefOffset[b];
                 return std::optional<IndexSearchValues>(IndexSearchValues{
                     .findRpm = findRpm(axis), .reverse = booleanArgument(reverse), .offset = offset});
             },
         .started =
             [this, a] {
                 motionStarted({.board = board_, .axes = {a}, .name = "index search", .shortName = "search"});
             },
         .abandon = [this](const std::string& reason) { return abandonMotion(reason); }});
}

} // namespace tarvik
