#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// The read-back and hardware status dialogs, one row each in menu order, on the last axis of a
// 4-axis board where the board allows it; Read Present Velocity on a 3-axis stepper, which
// reads steps per second; In Position with both values at the ends of their range.
const std::vector<CommandDialogRow> kReadBackRows = {
    {.item = "returnpos", .form = "frm53ret", .board = 4, .steps = {{"axistxt", "4"}},
     .calls = {"read_pos(4, 4, &0)"}},
    {.item = "returnvel", .form = "frm54rets", .board = 3, .steps = {{"axistxt", "3"}},
     .calls = {"read_steps_vel(3, 3, &0)"}},
    {.item = "retrpm", .form = "frmretrpm", .board = 6, .steps = {{"axistxt", "2"}},
     .calls = {"read_rpm(6, 2, &0)"}},
    {.item = "returnaxisstat", .form = "frmaxstat", .board = 5, .steps = {{"axistxt", "4"}},
     .calls = {"read_axis_stat(5, 4, &5120)"}},
    {.item = "inpos", .form = "frminpos", .board = 7,
     .steps = {{"axistxt", "3"}, {"postxt", "-1073741824"}, {"dbtxt", "1073741823"}},
     .calls = {"in_pos(7, 3, -1073741824, 1073741823, &0)"}},
    {.item = "returnencoder", .form = "frm59ret", .board = 6, .steps = {{"axistxt", "4"}},
     .calls = {"read_encoder(6, 4, &0)"}},
    {.item = "readencoder", .form = "frm59", .board = 3, .steps = {{"axistxt", "2"}},
     .calls = {"read_encoder_rdb(3, 2)"}},
};

using ReadBackRowsTest = CommandDialogRowTest;
TEST_P(ReadBackRowsTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, ReadBackRowsTest, ::testing::ValuesIn(kReadBackRows), commandRowName);

} // namespace
} // namespace tarvik::testing
