#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// Trigger, breakpoints and read-backs: one row per dialog in menu order, each on a board of
// another class; the number fields at the top of their range, the Trigger Buffer entry sent as
// typed, the Enable columns packed into one map.
const std::vector<CommandDialogRow> kTriggerBreakpointRows = {
    {.item = "returnlimstat", .form = "frm42ret", .board = 4, .calls = {"read_lim_stat(4, &0)"}},
    {.item = "returnioport", .form = "frm47ret", .board = 1, .calls = {"read_io_port(1, &0)"}},
    {.item = "beginprestore", .form = "frm5F", .steps = {{"tnumtxt", "6"}}, .calls = {"begin_prestore(1, 6)"}},
    {.item = "endprestore", .form = "frm60", .calls = {"end_prestore(1)"},
     .status = "status 27: ZEVA_prestoreInactiveError. No trigger buffer prestore is in progress."},
    {.item = "trigbuffdelim", .form = "frm5D", .board = 5, .calls = {"trig_buff_delim(5)"},
     .status = "status 27: ZEVA_prestoreInactiveError. No trigger buffer prestore is in progress."},
    {.item = "triggerio", .form = "frm48", .board = 6, .steps = {{"pnumtxt", "4"}}, .calls = {"trigger_io(6, 4)"}},
    {.item = "enableiotrig", .form = "frm46", .board = 2, .steps = {{"be", "", 1}, {"be", "", 6}},
     .calls = {"enable_io_trig(2, 33)"}},
    {.item = "loadposbrk", .form = "frm65", .board = 7, .steps = {{"axistxt", "4"}, {"brkpostxt", "-1073741824"}},
     .calls = {"load_pos_brk(7, 4, -1073741824)"}},
    {.item = "BreakMod", .form = "frmbreakmod", .board = 6, .steps = {{"axistxt", "3"}, {"brkmodtxt", "1073741823"}},
     .calls = {"load_break_mod(6, 3, 1073741823)"}},
    {.item = "enablebrk", .form = "frm66", .board = 3, .steps = {{"axistxt", "3"}, {"Label6"}},
     .calls = {"enable_brk(3, 3, -1)"}},
    {.item = "postotrig", .form = "frmPosToTrig", .board = 5, .steps = {{"axistxt", "4"}, {"porttxt", "3"}},
     .calls = {"enable_pos_trig(5, 4, 3)"}},
    {.item = "returncsr", .form = "frmrtcostat", .board = 7, .calls = {"read_csr(7, &33)"}},
};

using TriggerBreakpointRowsTest = CommandDialogRowTest;
TEST_P(TriggerBreakpointRowsTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, TriggerBreakpointRowsTest, ::testing::ValuesIn(kTriggerBreakpointRows),
                         commandRowName);

} // namespace
} // namespace tarvik::testing
