#include "init/OptionList.h"

#include "program/App.h"
#include "program/OptionFiles.h"
#include "runtime/ListControls.h"
#include "shell/Shell.h"

namespace tarvik {

void FillOptionList(App& app, ListBox& list)
{
    if (!app.state().boards.isBoard(app.state().selection.CurrentBoard)) return;
    const FileResult<std::vector<FixedName>> names =
        readOptionNames(app.state().boards.BoardType[static_cast<std::size_t>(app.state().selection.CurrentBoard)]);
    if (!names) {
        ShowErrorMessage(app, names.error());
        return;
    }
    for (const FixedName& name : names.value()) list.addItem(std::string(name.text()));
}

} // namespace tarvik
