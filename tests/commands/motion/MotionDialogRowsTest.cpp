#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// One row per motion command dialog, in menu order.
const std::vector<CommandDialogRow> kMotionRows = {};

using MotionDialogTest = CommandDialogRowTest;
TEST_P(MotionDialogTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, MotionDialogTest, ::testing::ValuesIn(kMotionRows), commandRowName);
// Until the first dialog of the family is built its table is empty.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(MotionDialogTest);

} // namespace
} // namespace tarvik::testing
