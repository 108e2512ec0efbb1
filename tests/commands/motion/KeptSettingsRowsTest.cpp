#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// The dialogs that keep what they send in the settings record, one row per menu item. The
// values sit where a wrong conversion would show: the offset at both ends of what is sent, the
// counts packed at their largest, the loop mode's closed value negative.
const std::vector<CommandDialogRow> kKeptSettingsRows = {
    {.item = "loadposref1", .form = "frm68", .board = 4,
     .steps = {{"axistxt", "4"}, {"offsettxt", "-32767"}},
     .calls = {"load_pos_ref(4, 4, -32767)"}},
    {.item = "loadposref2", .form = "frm68", .board = 3,
     .steps = {{"axistxt", "2"}, {"offsettxt", "+32766"}},
     .calls = {"load_pos_ref(3, 2, 32766)"}},
    {.item = "storestepsperrevmu", .form = "frmstorespr", .board = 5,
     .steps = {{"axistxt", "4"}, {"sprtxt", "400"}},
     .calls = {"store_steps_rev(5, 4, 400)"}},
    {.item = "loadstepslines", .form = "frm57", .board = 6,
     .steps = {{"axistxt", "3"}, {"stepsrevtxt", "32767"}, {"linesrevtxt", "16383"}},
     .calls = {"load_steps_lines(6, 3, 1073709055)"}},
    {.item = "setloopmode", .form = "frm5A", .board = 3,
     .steps = {{"axistxt", "3"}, {"Label8"}},
     .calls = {"set_loop_mode(3, 3, -1)"}},
};

using KeptSettingsRowsTest = CommandDialogRowTest;
TEST_P(KeptSettingsRowsTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, KeptSettingsRowsTest, ::testing::ValuesIn(kKeptSettingsRows), commandRowName);

} // namespace
} // namespace tarvik::testing
