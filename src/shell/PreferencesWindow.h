#pragma once

#include "program/PreferenceFile.h"
#include "runtime/FormRuntime.h"

#include <array>

namespace tarvik {

class App;

// File > Preferences: per board ID 1..7 the option its settings are loaded from (1..10) and
// whether it is initialised at start-up. Save writes the records of the boards whose row the
// user changed, changing only the fields changed; every other byte of the preference file stays
// as it was read. Close leaves it as it was. Rows of IDs without a board are disabled.
// Without a preference file (a folder where none could be made) the window opens with the
// defaults the program goes on with, and Save tries to write them, edits included, as a new file.
// A save that cannot be written says so and leaves the file as it was.
class PreferencesWindow : public Form {
public:
    explicit PreferencesWindow(App& app);

    ControlArray<Label> lblboard{this, "lblboard"};
    ControlArray<ComboBox> cbooption{this, "cbooption"};
    ControlArray<CheckBox> chkautoinit{this, "chkautoinit"};
    CommandButton cmdsave{this, "cmdsave", {.caption = "Save", .left = 3832, .top = 3000, .width = 1215, .height = 375}};
    CommandButton cmdclose{this, "cmdclose", {.caption = "Close", .left = 5272, .top = 3000, .width = 1215, .height = 375}};

private:
    // What a row shows: the option picked and whether the check box is checked.
    struct RowState {
        int option = 0;
        bool autoInit = false;
        friend bool operator==(const RowState&, const RowState&) = default;
    };

    void Form_Load() override;
    void Form_Resize() override;
    void Form_Deactivate() override;
    void cmdsave_Click();
    RowState rowState(int id) const;

    // The board's record as read, with the fields its row changed.
    PreferenceRecord editedRecord(int id) const;

    App& app_;
    Preferences preferences_{};                          // the records as read, by board ID
    std::array<RowState, Preferences{}.size()> shown_{}; // the rows as those records filled them
};

} // namespace tarvik
