#include "shell/PreferencesWindow.h"

#include "program/App.h"
#include "program/HelpTopics.h"
#include "shell/MainWindowServices.h"
#include "shell/PreferencesAsking.h"
#include "shell/Shell.h"

#include <string>

namespace tarvik {

namespace {

constexpr int kFirstBoard = 1;
constexpr int kLastBoard = 7;
constexpr int kOptions = 10;
constexpr float kRowTop = 240;
constexpr float kRowHeight = 375;
// The board's caption takes one line, long enough for an initialised board's
// "ID n: <board>, <address> -- Initialized using Option 10"; the option list and the check box follow it.
constexpr float kBoardCaptionWidth = 5760;
constexpr float kOptionLeft = 120 + kBoardCaptionWidth + 105;
constexpr float kAutoInitLeft = kOptionLeft + 855 + 225;

} // namespace

PreferencesWindow::PreferencesWindow(App& app)
    : Form(app.runtime(), "frmprefs",
           {.caption = "Preferences", .left = 600, .top = 600, .width = 9345, .height = 3900,
            .helpTopic = kHelpPreferences}),
      app_(app)
{
    for (int id = kFirstBoard; id <= kLastBoard; ++id) {
        const float top = kRowTop + static_cast<float>(id - kFirstBoard) * kRowHeight;
        lblboard.add(id, {.left = 120, .top = top + 45, .width = kBoardCaptionWidth, .height = 255});
        ComboBox& options =
            cbooption.add(id, {.left = kOptionLeft, .top = top, .width = 855, .height = 315}, ComboBox::Style::DropDownList);
        for (int option = 1; option <= kOptions; ++option) options.addItem(std::to_string(option));
        chkautoinit.add(id, {.caption = "Initialize at start-up", .left = kAutoInitLeft, .top = top, .width = 2055, .height = 315});
    }
    cmdsave.setDefault(true);
    cmdclose.setCancel(true);
    cmdsave.onClick = [this] { cmdsave_Click(); };
    cmdclose.onClick = [this] { unload(); };
}

void PreferencesWindow::Form_Load()
{
    // Nothing is created here: files that could not be made were reported at start-up.
    std::optional<Preferences> loaded = PreferenceFile::exists() ? ReadPreferencesAsking(app_) : Preferences{};
    if (!loaded) {
        unload();
        return;
    }
    preferences_ = *loaded;
    for (int id = kFirstBoard; id <= kLastBoard; ++id) {
        const PreferenceRecord& record = preferences_[static_cast<std::size_t>(id)];
        const bool board = app_.state().boards.isBoard(id);
        lblboard(id).setCaption(InitializeBoardCaption(app_, id));
        cbooption(id).setListIndex(record.option() - 1);
        chkautoinit(id).setValue(record.initialisesAtStartUp() ? CheckBox::Checked : CheckBox::Unchecked);
        for (Control* control : {static_cast<Control*>(&lblboard(id)), static_cast<Control*>(&cbooption(id)),
                                 static_cast<Control*>(&chkautoinit(id))})
            control->setEnabled(board);
        shown_[static_cast<std::size_t>(id)] = rowState(id);
    }
}

void PreferencesWindow::Form_Resize() { SendBackgroundToBack(app_); }

void PreferencesWindow::Form_Deactivate() { SendBackgroundToBack(app_); }

// A row the user changed writes its board's record: the field changed as the row shows it, the
// other as it was read. Rows left as shown write nothing, so that a value the window cannot show
// (an AutoInit of -1, an option outside 1..10) survives a save of another board.
void PreferencesWindow::cmdsave_Click()
{
    // Without a file (a folder where none could be made) every record goes into a new one.
    if (!PreferenceFile::exists()) {
        Preferences all = preferences_;
        for (int id = kFirstBoard; id <= kLastBoard; ++id) all[static_cast<std::size_t>(id)] = editedRecord(id);
        if (FileStatus written = PreferenceFile::replace(all); !written)
            ShowErrorMessage(app_, written.error());
        else
            unload();
        return;
    }
    for (int id = kFirstBoard; id <= kLastBoard; ++id) {
        const auto i = static_cast<std::size_t>(id);
        if (rowState(id) == shown_[i]) continue;
        const PreferenceRecord edited = editedRecord(id);
        if (FileStatus stored = PreferenceFile::store(id, edited); !stored) {
            ShowErrorMessage(app_, stored.error());
            return;
        }
        preferences_[i] = edited;
        shown_[i] = rowState(id);
    }
    unload();
}

PreferenceRecord PreferencesWindow::editedRecord(int id) const
{
    const auto i = static_cast<std::size_t>(id);
    const RowState now = rowState(id);
    PreferenceRecord edited = preferences_[i];
    if (now.option != shown_[i].option) edited.LoadOption = static_cast<std::int16_t>(now.option);
    if (now.autoInit != shown_[i].autoInit) edited.AutoInit = now.autoInit ? 1 : 0;
    return edited;
}

PreferencesWindow::RowState PreferencesWindow::rowState(int id) const
{
    return {.option = cbooption(id).listIndex() + 1, .autoInit = chkautoinit(id).value() == CheckBox::Checked};
}

} // namespace tarvik
