#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// The initialisation family's dialogs opened from the Functions menu. The set-up dialogs send
// the board's settings as its record holds them (the defaults); Load PID All sends every gain of
// every axis, the typed ones included ("7.5" reaches the box as "75": the point is no key of it).
const CommandDialogRow kInitRows[] = {
    {.item = "setiopol", .form = "frmIOSettings", .board = 2, .calls = {"set_io_pol(2, 16191)"}, .run = "cmdRun"},
    {.item = "setlimpol", .form = "frmLimSwSettings", .board = 4,
     .calls = {"set_lim_pol(4, 4095)", "enable_limits(4, 4095)"}, .run = "cmdRun"},
    {.item = "setstepmodepol1", .form = "frmStepOutMode", .board = 5, .calls = {"set_step_mode_pol(5, 7)"},
     .run = "cmdRun"},
    {.item = "loadpidallmu", .form = "frmldpid", .board = 1,
     .steps = {{.control = "proptxt", .text = "120", .index = 2}, {.control = "samppertxt", .text = "7.5", .index = 3}},
     .calls = {"load_prop_gain(1, 1, 100)", "load_intg_gain(1, 1, 20)", "load_deriv_gain(1, 1, 1000)",
               "load_deriv_per(1, 1, 2)", "load_intg_lim(1, 1, 1000)", "load_prop_gain(1, 2, 120)",
               "load_intg_gain(1, 2, 20)", "load_deriv_gain(1, 2, 1000)", "load_deriv_per(1, 2, 2)",
               "load_intg_lim(1, 2, 1000)", "load_prop_gain(1, 3, 100)", "load_intg_gain(1, 3, 20)",
               "load_deriv_gain(1, 3, 1000)", "load_deriv_per(1, 3, 75)", "load_intg_lim(1, 3, 1000)"}},
};

using InitDialogRowsTest = CommandDialogRowTest;
TEST_P(InitDialogRowsTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, InitDialogRowsTest, ::testing::ValuesIn(kInitRows), commandRowName);

} // namespace
} // namespace tarvik::testing
