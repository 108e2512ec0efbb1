#pragma once

#include "kit/ProgramTest.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::testing {

// One thing the user does in a dialog before RUN: types `text` over the whole text of the
// control (array element `index`), or clicks it when `text` is empty.
struct DialogStep {
    std::string_view control;
    std::string_view text{};
    int index = -1;
};

// A single-command dialog as a user meets it, in one row: the menu item that opens it, the board
// picked with its digit key, what is typed or clicked, then RUN; the driver calls RUN makes as
// the call log prints them ("load_accel(2, 1, 1000)") and the text the status box shows.
struct CommandDialogRow {
    std::string_view item;       // the menu item's control name
    std::string_view form;       // the window it opens
    int board = -1;              // picked by its digit key in `bidlist`; -1 keeps the preselected one
    std::vector<DialogStep> steps{};
    std::vector<std::string> calls{};
    std::string_view status = "status 0: ZEVA_noError. No error.";
    std::string_view run = "runcmd"; // the RUN button
};

inline std::ostream& operator<<(std::ostream& out, const CommandDialogRow& row) { return out << row.item; }

// The test name of a row: its menu item.
inline std::string commandRowName(const ::testing::TestParamInfo<CommandDialogRow>& info)
{
    return std::string(info.param.item);
}

// Runs each row against the program with the built-in boards (1 3-axis servo, 2 3-axis
// open-loop stepper, 3 3-axis closed-loop stepper, 4 4-axis servo, 5 4-axis open-loop stepper,
// 6 4-axis closed-loop stepper, 7 encoder board). A family's test names the fixture for itself
// and instantiates it with its rows:
//   using MotionDialogTest = CommandDialogRowTest;
//   TEST_P(MotionDialogTest, RunsItsCommandFromTheMenu) { runRow(GetParam()); }
//   INSTANTIATE_TEST_SUITE_P(Rows, MotionDialogTest, ::testing::ValuesIn(kMotionRows), commandRowName);
class CommandDialogRowTest : public ProgramTest, public ::testing::WithParamInterface<CommandDialogRow> {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    // Opens the row's dialog from its menu item, picks the board, does the steps and runs.
    void runRow(const CommandDialogRow& row)
    {
        Form& dialog = openFromMenu(row.item, row.form);
        if (row.board >= 0) type(control<Control>(dialog, "bidlist"), std::to_string(row.board));
        for (const DialogStep& step : row.steps) {
            if (step.text.empty()) click(control<Control>(dialog, step.control, step.index));
            else retype(control<TextBox>(dialog, step.control, step.index), step.text);
        }
        takeCalls();
        click(control<Control>(dialog, row.run));
        EXPECT_EQ(takeCalls(), row.calls);
        EXPECT_EQ(control<TextBox>(dialog, "msgtxt").text(), row.status);
    }
};

} // namespace tarvik::testing
