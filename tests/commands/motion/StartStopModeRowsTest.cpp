#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// One row per menu item of the start, stop, kill, reset, multi-axis start, mode, master/slave
// and scale factor dialogs, in menu order.
const std::vector<CommandDialogRow> kStartStopModeRows = {
    {.item = "startmotion", .form = "frm61", .board = 4, .steps = {{"axistxt", "4"}},
     .calls = {"start_motion(4, 4)"}},
    {.item = "multistart", .form = "frm5C", .board = 5, .steps = {{"chkAx", "", 3}},
     .calls = {"multi_start(5, 7)"}},
    {.item = "killmotion", .form = "frm4D", .board = 2, .steps = {{"axistxt", "3"}},
     .calls = {"kill_motion(2, 3)"}},
    {.item = "killall", .form = "frmkillall",
     .calls = {"kill_motion(1, 1)", "kill_motion(1, 2)", "kill_motion(1, 3)"}},
    {.item = "stopmotion", .form = "frm4C", .board = 6, .steps = {{"axistxt", "2"}},
     .calls = {"stop_motion(6, 2)"}},
    {.item = "resetpos", .form = "frm50", .board = 7, .steps = {{"axistxt", "4"}},
     .calls = {"reset_pos(7, 4)"}},
    {.item = "setposmode", .form = "frm64s", .board = 3, .steps = {{"Label2"}},
     .calls = {"set_pos_mode(3, 1, -256)"}},
    {.item = "setdirection", .form = "frm63s", .board = 4, .steps = {{"axistxt", "3"}, {"rev"}},
     .calls = {"set_direction(4, 3, -1)"}},
    {.item = "setscaleseq1", .form = "frm6A", .board = 1, .steps = {{"Label8"}},
     .calls = {"set_scale_seq(1, 1, -1)"}},
    {.item = "setscaleseq2", .form = "frm6A", .board = 6, .steps = {{"axistxt", "4"}},
     .calls = {"set_scale_seq(6, 4, 0)"}},
    {.item = "masterSlaveConfigure", .form = "mstrslav", .board = 4, .steps = {{"axistxt", "2"}},
     .calls = {"master_slave_cfg(4, 2, -1)"}},
    {.item = "loadposscale1", .form = "frm69", .board = 4,
     .steps = {{"axistxt", "4"}, {"numertxt", "3"}, {"denomtxt", "2"}},
     .calls = {"load_pos_scale(4, 4, 196610)"}},
    {.item = "loadposscale2", .form = "frm69", .board = 3, .steps = {{"numertxt", "32767"}, {"denomtxt", "32767"}},
     .calls = {"load_pos_scale(3, 1, 2147450879)"}},
};

using StartStopModeRowsTest = CommandDialogRowTest;
TEST_P(StartStopModeRowsTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, StartStopModeRowsTest, ::testing::ValuesIn(kStartStopModeRows), commandRowName);

} // namespace
} // namespace tarvik::testing
