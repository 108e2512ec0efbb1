#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// The trajectory load and stepper velocity dialogs, one row each in menu order. The values sit
// at the ends of their ranges, where a wrong conversion would show: the 32-bit values beyond 16
// bits, the RPM unrounded, the RPSPS rounded to even on leaving its field.
const std::vector<CommandDialogRow> kTrajectoryRows = {
    {.item = "loadtargetpos", .form = "frm4E", .board = 4,
     .steps = {{"axistxt", "4"}, {"postxt", "-2147483648"}},
     .calls = {"load_target_pos(4, 4, -2147483648)"}},
    {.item = "loadvel", .form = "frm4Fs", .board = 2,
     .steps = {{"velotxt", "16777215"}},
     .calls = {"load_vel(2, 1, 16777215)"}},
    {.item = "loadrpm", .form = "frmldrpm", .board = 1,
     .steps = {{"axistxt", "3"}, {"rpmtxt", "12.50"}},
     .calls = {"load_rpm(1, 3, 12.5)"}},
    {.item = "loadaccel", .form = "frm62", .board = 6,
     .steps = {{"axistxt", "2"}, {"acceltxt", "5242879"}},
     .calls = {"load_accel(6, 2, 5242879)"}},
    {.item = "loadrpsps", .form = "frmldrpsps", .board = 3,
     .steps = {{"rpspstxt", "13.5"}},
     .calls = {"load_rpsps(3, 1, 14)"}},
    {.item = "loadtimebrk", .form = "frm67", .board = 4,
     .steps = {{"axistxt", "4"}, {"atimetxt", "65535"}},
     .calls = {"load_time_brk(4, 4, 65535)"}},
    {.item = "setbasevel1", .form = "frm5b", .board = 5,
     .steps = {{"basevtxt", "00"}},
     .calls = {"set_base_vel(5, 1, 0)"}},
    {.item = "Veladjmu", .form = "frmAdjustVel", .board = 2,
     .steps = {{"axistxt", "3"}, {"adjveltxt", "+150"}},
     .calls = {"load_vel_change(2, 3, 150)"}},
    {.item = "loadaccelfact1", .form = "frm63", .board = 6,
     .steps = {{"axistxt", "4"}, {"accelftxt", "10"}},
     .calls = {"load_accel_fact(6, 4, 10)"}},
};

using TrajectoryRowsTest = CommandDialogRowTest;
TEST_P(TrajectoryRowsTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, TrajectoryRowsTest, ::testing::ValuesIn(kTrajectoryRows), commandRowName);

} // namespace
} // namespace tarvik::testing
