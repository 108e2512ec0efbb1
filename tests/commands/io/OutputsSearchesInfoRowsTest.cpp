#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// The output, aux I/O, search, count and board-information dialogs, one row per menu item, on
// the built-in boards (1 3-axis servo, 2 3-axis open-loop stepper, 3 3-axis closed-loop stepper,
// 4 4-axis servo, 5 4-axis open-loop stepper, 6 4-axis closed-loop stepper, 7 encoder board).
const std::vector<CommandDialogRow> kOutputsSearchesInfoRows = {
    {.item = "setiooutput", .form = "frm45", .board = 4,
     .steps = {{"bt", "", 1}, {"bt", "", 8}},
     .calls = {"set_io_output(4, 129)"}},
    {.item = "rd24digio", .form = "Frm71", .calls = {"read_gpio(2, &0)"}},
    {.item = "set24digio", .form = "Frm72",
     .steps = {{"bbt", "", 1}, {"cbt", "", 8}},
     .calls = {"set_gpio(2, 8388864)"}},
    {.item = "setportcdir", .form = "Frm72c", .steps = {{"bbt", "", 1}}, .calls = {"set_portc_dir(2, 17)"}},
    {.item = "findhome", .form = "frmfindhmdir", .board = 5,
     .steps = {{"axistxt", "4"}, {"Label5"}},
     .calls = {"find_home(5, 4, -1)"}},
    {.item = "returnindex", .form = "frmFindIndex", .board = 1,
     .steps = {{"axistxt", "2"}, {"indextxt", "-25"}},
     .calls = {"find_index(1, 2, 0, -25, &0)"},
     .status = "Index found."},
    {.item = "storeecl", .form = "frmstoreelc", .board = 7,
     .steps = {{"axistxt", "3"}, {"elctxt", "2048"}},
     .calls = {"store_elc(7, 3, 2048)"}},
    {.item = "LoadRotCountsmu", .form = "frmRotaryCount",
     .steps = {{"axistxt", "4"}, {"rotcnttxt", "16777215"}},
     .calls = {"load_rot_counts(4, 4, 16777215)"}},
    {.item = "GetBoardName", .form = "GetBName", .board = 6,
     .calls = {"get_motion_board_name(6, \"\", &0->7)", "get_motion_board_name(6, \"Board 6\", &8->7)"}},
    {.item = "GetBoardInfo", .form = "GetBInfo", .board = 5,
     .calls = {"get_motion_board_info(5, 1120, &12)"}},
    {.item = "readADC", .form = "frmreadadc", .board = 7,
     .steps = {{"channeltxt", "8"}},
     .calls = {"read_adc(7, 8, &0)"}},
};

using OutputsSearchesInfoRowsTest = CommandDialogRowTest;
TEST_P(OutputsSearchesInfoRowsTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, OutputsSearchesInfoRowsTest, ::testing::ValuesIn(kOutputsSearchesInfoRows),
                         commandRowName);

} // namespace
} // namespace tarvik::testing
