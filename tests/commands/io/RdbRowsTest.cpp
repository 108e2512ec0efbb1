#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// The Return Data Buffer dialogs and Send Command, one row each in menu order (General, then
// Advanced RDB Functions), on the last axis of a board where the dialog takes an axis. The
// board-level requests take no digit keys in their list and run on the preselected first board.
const std::vector<CommandDialogRow> kRdbRows = {
    {.item = "flushrdb", .form = "frmfrdb", .calls = {"flush_rdb(1)"}},
    {.item = "returnrdb", .form = "frmrdbret", .board = 4, .steps = {{"numptxt", "5"}},
     .calls = {"read_rdb(4, &5->0, [])"}},
    {.item = "sendcommand", .form = "frmsendcmd", .board = 5,
     .steps = {{"axistxt", "4"}, {"cmdtxt", "4c"}, {"wcounttxt", "2"}, {"cmddatatxt", "0"}},
     .calls = {"send_command(5, 4, 76, 2, 0)"}},
    {.item = "readvel", .form = "frm54s", .board = 4, .steps = {{"axistxt", "4"}}, .calls = {"read_vel_rdb(4, 4)"}},
    {.item = "readioport", .form = "frm47", .calls = {"read_io_port_rdb(1)"}},
    {.item = "readaxisstat", .form = "frm49", .board = 6, .steps = {{"axistxt", "4"}},
     .calls = {"read_axis_stat_rdb(6, 4)"}},
    {.item = "readpos", .form = "frm53", .board = 7, .steps = {{"axistxt", "3"}}, .calls = {"read_pos_rdb(7, 3)"}},
    {.item = "readlimstat", .form = "frm42", .calls = {"read_lim_stat_rdb(1)"}},
};

using RdbRowsTest = CommandDialogRowTest;
TEST_P(RdbRowsTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, RdbRowsTest, ::testing::ValuesIn(kRdbRows), commandRowName);

} // namespace
} // namespace tarvik::testing
