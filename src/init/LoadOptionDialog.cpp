#include "init/LoadOptionDialog.h"

#include "init/InitializeBoardMenu.h"
#include "init/OptionList.h"
#include "init/SaveOption.h"
#include "init/SettingsRanges.h"
#include "program/App.h"
#include "shell/Shell.h"

namespace tarvik {

LoadOptionDialog::LoadOptionDialog(App& app)
    : Form(app.runtime(), "frmloadopt",
           {.caption = "Load Initialization Option",
            .width = 4425,
            .height = 3720,
            .mdiChild = false,
            .helpTopic = 317}),
      app_(app)
{
    loadcmd.setDefault(true);
    cancelcmd.setCancel(true);
    loadlist.onClick = [this] { loadlist_Click(); };
    loadlist.onDblClick = [this] { LoadSelectedOption(); };
    loadcmd.onClick = [this] { LoadSelectedOption(); };
    cancelcmd.onClick = [this] { unload(); };
}

void LoadOptionDialog::Form_Load()
{
    PlaceOverMainWindow(app_, *this, kOptionWindowOffset);
    loadlist.setListIndex(-1);
    loadcmd.setEnabled(false);
}

bool LoadOptionDialog::showFor(std::int16_t board)
{
    board_ = board;
    FillOptionList(app_, loadlist, board_);
    return showModal();
}

void LoadOptionDialog::loadlist_Click()
{
    loadcmd.setEnabled(loadlist.listIndex() >= 0);
}

// Reads the picked option into the board's record and the group's wizard, then closes. An
// option that cannot be read is reported and changes nothing; one holding a value out of range
// is reported and loaded, so that the wizard shows it to be mended.
void LoadOptionDialog::LoadSelectedOption()
{
    const int row = loadlist.listIndex();
    if (row < 0) return;
    if (app_.state().boards.isBoard(board_)) {
        const int option = row + 1;
        if (FileStatus read = LoadOption(app_, board_, option); read) {
            OptionOf(app_, *groupOf(app_.state().boards.typeOf(board_))) = static_cast<std::int16_t>(option);
            if (std::string report = OutOfRangeReport(app_, board_, option); !report.empty())
                ShowErrorMessage(app_, report);
            RecordToForm(app_, board_);
        } else {
            ShowErrorMessage(app_, read.error());
        }
    }
    unload();
}

} // namespace tarvik
