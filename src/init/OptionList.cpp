#include "init/OptionList.h"

#include "program/App.h"
#include "program/OptionFiles.h"
#include "runtime/ListControls.h"
#include "shell/Shell.h"

namespace tarvik {

void FillOptionList(App& app, ListBox& list, std::int16_t board)
{
    if (!app.state().boards.isBoard(board)) return;
    const FileResult<std::vector<FixedName>> names = readOptionNames(app.state().boards.typeOf(board));
    if (!names) {
        ShowErrorMessage(app, names.error());
        return;
    }
    for (const FixedName& name : names.value()) list.addItem(std::string(name.text()));
}

} // namespace tarvik
