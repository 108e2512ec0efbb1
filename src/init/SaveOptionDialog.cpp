#include "init/SaveOptionDialog.h"

#include "base/NumberText.h"
#include "init/OptionList.h"
#include "init/SaveOption.h"
#include "program/App.h"
#include "shell/Shell.h"

#include <string>

namespace tarvik {

namespace {

bool isControlCharacter(char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }

} // namespace

SaveOptionDialog::SaveOptionDialog(App& app)
    : Form(app.runtime(), "frmsaveopt",
           {.caption = "Save Initialization Option",
            .width = 4425,
            .height = 4080,
            .mdiChild = false,
            .helpTopic = 318}),
      app_(app)
{
    savecmd.setDefault(true);
    cancelcmd.setCancel(true);
    savelist.onClick = [this] { savelist_Click(); };
    nametxt.onGotFocus = [this] {
        nametxt.setSelStart(0);
        nametxt.setSelLength(static_cast<int>(nametxt.text().size()));
    };
    nametxt.onChange = [this] { nametxt_Change(); };
    savecmd.onClick = [this] { savecmd_Click(); };
    cancelcmd.onClick = [this] { unload(); };
}

void SaveOptionDialog::Form_Load()
{
    PlaceOverMainWindow(app_, *this, kOptionWindowOffset);
}

bool SaveOptionDialog::showFor(std::int16_t board)
{
    board_ = board;
    FillOptionList(app_, savelist, board_);
    return showModal();
}

void SaveOptionDialog::savelist_Click()
{
    const int row = savelist.listIndex();
    savecmd.setEnabled(row >= 0);
    if (row >= 0) nametxt.setText(trim(savelist.list(row)));
}

// Control characters (a pasted line end, an escape) edit nothing, as they do when typed: an
// option name never holds them.
void SaveOptionDialog::nametxt_Change()
{
    std::string name = nametxt.text();
    if (std::erase_if(name, isControlCharacter) > 0) nametxt.setText(std::move(name));
}

void SaveOptionDialog::savecmd_Click()
{
    const int row = savelist.listIndex();
    if (row < 0 || !app_.state().boards.isBoard(board_)) return;
    if (FileStatus saved = SaveOption(app_, board_, nametxt.text(), row + 1); !saved) {
        ShowErrorMessage(app_, saved.error());
        return;
    }
    unload();
}

} // namespace tarvik
