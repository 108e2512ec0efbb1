#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// One row per menu item of the stop mode, servo gain and following error dialogs, in menu order.
const std::vector<CommandDialogRow> kGainRows = {
    {.item = "setstopmode", .form = "frm55", .board = 5, .steps = {{"axistxt", "4"}, {"Label5"}},
     .calls = {"set_stop_mode(5, 4, 3)"}},
    {.item = "loadpropgain", .form = "frm58", .board = 4, .steps = {{"axistxt", "2"}, {"propgaintxt", "250"}},
     .calls = {"load_prop_gain(4, 2, 250)"}},
    {.item = "loadintggain", .form = "frm59s", .board = 1, .steps = {{"axistxt", "3"}, {"intgaintxt", "20"}},
     .calls = {"load_intg_gain(1, 3, 20)"}},
    {.item = "loadderivgain", .form = "frm5As", .board = 4, .steps = {{"axistxt", "4"}, {"dergaintxt", "1200"}},
     .calls = {"load_deriv_gain(4, 4, 1200)"}},
    {.item = "loadintglim", .form = "frm5Bs", .board = 1, .steps = {{"intlimtxt", "32767"}},
     .calls = {"load_intg_lim(1, 1, 32767)"}},
    {.item = "loadderivper", .form = "frm57s", .board = 4, .steps = {{"axistxt", "3"}, {"samppertxt", "5x"}},
     .calls = {"load_deriv_per(4, 3, 5)"}},
    {.item = "loadfolerr1", .form = "frm56s", .board = 4, .steps = {{"axistxt", "4"}, {"follerrtxt", "32767"}},
     .calls = {"load_fol_err(4, 4, 32767)"}},
    {.item = "loadfolerr2", .form = "frm56s", .board = 6, .steps = {{"follerrtxt", "40000"}},
     .calls = {"load_fol_err(6, 1, 40000)"}},
};

using GainRowsTest = CommandDialogRowTest;
TEST_P(GainRowsTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, GainRowsTest, ::testing::ValuesIn(kGainRows), commandRowName);

} // namespace
} // namespace tarvik::testing
