#include "init/InitializeBoardMenu.h"

#include "base/NumberText.h"
#include "init/ClosedLoopStepper4Wizard.h"
#include "init/ClosedLoopStepperWizard.h"
#include "init/EncoderWizard.h"
#include "init/OpenLoopStepper4Wizard.h"
#include "init/OpenLoopStepperWizard.h"
#include "init/SaveOption.h"
#include "init/Servo4Wizard.h"
#include "init/ServoWizard.h"
#include "init/SettingsRanges.h"
#include "init/Wizard.h"
#include "program/App.h"
#include "program/PreferenceFile.h"
#include "runtime/MenuItem.h"
#include "shell/Shell.h"

#include <string>

namespace tarvik {

namespace {

template <class Visit>
decltype(auto) visitWizardClass(BoardGroup group, Visit&& visit)
{
    switch (group) {
    case BoardGroup::Servo3:
        return visit.template operator()<ServoWizard>();
    case BoardGroup::OpenLoop3:
        return visit.template operator()<OpenLoopStepperWizard>();
    case BoardGroup::ClosedLoop3:
        return visit.template operator()<ClosedLoopStepperWizard>();
    case BoardGroup::Servo4:
        return visit.template operator()<Servo4Wizard>();
    case BoardGroup::OpenLoop4:
        return visit.template operator()<OpenLoopStepper4Wizard>();
    case BoardGroup::ClosedLoop4:
        return visit.template operator()<ClosedLoopStepper4Wizard>();
    case BoardGroup::Encoder:
        break;
    }
    return visit.template operator()<EncoderWizard>();
}

std::optional<BoardGroup> groupOfBoard(const App& app, std::int16_t board)
{
    if (!app.state().boards.isBoard(board)) return std::nullopt;
    return groupOf(app.state().boards.BoardType[static_cast<std::size_t>(board)]);
}

// The option a board's preference record names; option 1 when the preference file cannot be
// read (start-up has reported that already).
int preferredOption(std::int16_t board)
{
    const FileResult<Preferences> preferences = PreferenceFile::load();
    return preferences ? preferences.value()[static_cast<std::size_t>(board)].option() : 1;
}

// Asks whether the unsaved edits of the board a group's wizard shows go into its current
// option. False when the user cancelled, or the save failed (reported; nothing is lost).
bool settleUnsavedEdits(App& app, BoardGroup group)
{
    const std::int16_t shown = BoardShownOf(app, group);
    if (!isBoardId(shown) || app.state().boards.SettingsChanged[static_cast<std::size_t>(shown)] == 0) return true;
    Wizard* wizard = LoadedWizardOf(app, group);
    const std::int16_t option = OptionOf(app, group);
    const std::string boardText(wizard ? wizard->kind().boardText
                                       : modelNameOf(app.state().boards.BoardType[static_cast<std::size_t>(shown)]));
    const std::int16_t answer =
        AskSaveSettings(app, "Save " + boardText + strSigned(shown) + ", with Option" + strSigned(option) + "?");
    if (answer == AnswerCancel) return false;
    if (answer != AnswerYes) {
        app.state().boards.SettingsChanged[static_cast<std::size_t>(shown)] = 0;
        return true;
    }
    if (wizard) wizard->FormToRecord(shown);
    if (FileStatus saved = SaveOption(app, shown, "", option); !saved) {
        ShowErrorMessage(app, saved.error());
        return false;
    }
    return true;
}

} // namespace

Wizard& WizardOf(App& app, BoardGroup group)
{
    return visitWizardClass(group, [&]<class W>() -> Wizard& { return app.form<W>(); });
}

Wizard* LoadedWizardOf(App& app, BoardGroup group)
{
    return visitWizardClass(group, [&]<class W>() -> Wizard* { return app.loaded<W>(); });
}

void RecordToForm(App& app, std::int16_t board)
{
    if (auto group = groupOfBoard(app, board)) WizardOf(app, *group).RecordToForm(board);
}

bool LoadBoardIntoWizard(App& app, std::int16_t board, int option, OptionSource source)
{
    const auto group = groupOfBoard(app, board);
    if (!group) return false;
    if (option < 1 || option > 10) option = 1;
    BoardOf(app, *group) = board;
    BoardShownOf(app, *group) = board;
    app.state().selection.CurrentBoard = board;
    // The option number follows the record: an option that cannot be read leaves both as they
    // were, so that neither the caption nor a later save names an option the record never held.
    FileStatus read = source == OptionSource::File ? LoadOption(app, board, option) : fileOk();
    if (!read) {
        ShowErrorMessage(app, read.error());
    } else {
        OptionOf(app, *group) = static_cast<std::int16_t>(option);
        // Start-up reports the records it reads itself.
        const std::string report = source == OptionSource::File ? OutOfRangeReport(app, board, option) : "";
        if (!report.empty()) ShowErrorMessage(app, report);
    }
    WizardOf(app, *group).RecordToForm(board);
    ShowInitState(app, board);
    return true;
}

void ShowInitState(App& app, std::int16_t board)
{
    const auto group = groupOfBoard(app, board);
    if (!group) return;
    Wizard& wizard = WizardOf(app, *group);
    wizard.enableFindButtons(app.state().boards.BoardInitState[static_cast<std::size_t>(board)] == 1);
    wizard.setCaption(
        InitStateCaption(app, board, modelNameOf(app.state().boards.BoardType[static_cast<std::size_t>(board)])));
}

void PickBoardToInitialize(App& app, int pick)
{
    if (!app.state().boards.isBoard(pick)) return;
    const auto board = static_cast<std::int16_t>(pick);
    const BoardGroup group = *groupOfBoard(app, board);
    if (board != BoardShownOf(app, group) && ConfirmBoardSelection(app, board) != ConfirmContinue) return;
    if (!settleUnsavedEdits(app, group)) return;
    if (!LoadBoardIntoWizard(app, board, preferredOption(board))) return;
    WizardOf(app, group).show();
}

void ShowInitStateInMenu(App& app, std::int16_t board)
{
    if (!app.state().boards.isBoard(board)) return;
    if (MenuBar* bar = app.menuBar())
        if (MenuItem* item = bar->boardItem(board))
            item->setCaption(
                InitStateCaption(app, board, modelNameOf(app.state().boards.BoardType[static_cast<std::size_t>(board)])));
}

} // namespace tarvik
