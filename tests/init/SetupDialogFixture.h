#pragma once

#include "kit/ProgramTest.h"

#include "init/SetupDialog.h"
#include "program/SettingsRecords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvik::testing {

// The program started on its built-in boards (IDs 1..7: type codes 0, 1, 2, 11, 12, 13, 14),
// with the start-up's driver calls already consumed, and the two ways a set-up dialog opens.
class SetupDialogFixture : public ProgramTest {
protected:
    SetupDialogFixture() = default;
    explicit SetupDialogFixture(std::vector<SimBoardSpec> boards) : ProgramTest(HeadlessProgram::Options{.boards = std::move(boards)}) {}

    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    // As a wizard opens it: for the wizard's board, which the wizard's activation made the
    // current board.
    template <class Dialog>
    Dialog& fromWizard(std::int16_t board)
    {
        app().state().selection.CurrentBoard = board;
        Dialog& dialog = app().form<Dialog>();
        dialog.showFor(board);
        return dialog;
    }

    // True while the dialog is loaded and serves a wizard.
    template <class Dialog>
    bool servesWizard()
    {
        const Dialog* dialog = app().loaded<Dialog>();
        return dialog && dialog->mode() == SetupMode::Wizard;
    }

    template <class Dialog>
    Dialog& fromMenu(std::string_view item)
    {
        chooseMenu(item);
        return *app().loaded<Dialog>();
    }

    // The board's settings record in its packed form, to tell whether anything in it changed.
    RecordBytes recordOf(std::int16_t board)
    {
        RecordBytes bytes;
        visitRecord(app().state().Settings, app().state().boards.BoardType[static_cast<std::size_t>(board)], board,
                    [&](const auto& record) { bytes = packRecord(record); });
        return bytes;
    }

    std::int16_t settingsChanged(std::int16_t board)
    {
        return app().state().boards.SettingsChanged[static_cast<std::size_t>(board)];
    }
};

} // namespace tarvik::testing
