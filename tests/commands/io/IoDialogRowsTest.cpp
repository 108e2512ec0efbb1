#include "kit/CommandDialogRows.h"

namespace tarvik::testing {
namespace {

// One row per io command dialog, in menu order.
const std::vector<CommandDialogRow> kIoRows = {};

using IoDialogTest = CommandDialogRowTest;
TEST_P(IoDialogTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
INSTANTIATE_TEST_SUITE_P(Rows, IoDialogTest, ::testing::ValuesIn(kIoRows), commandRowName);
// Until the first dialog of the family is built its table is empty.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(IoDialogTest);

} // namespace
} // namespace tarvik::testing
