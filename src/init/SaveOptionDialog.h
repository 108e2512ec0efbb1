#pragma once

#include "runtime/FormRuntime.h"

#include <cstdint>

namespace tarvik {

class App;

// The Save Initialization Option window (modal, from a wizard's Save button): the ten option
// names of the wizard's board's option file; picking a row puts its name into `nametxt` for editing
// (control characters, typed or pasted, never stay in it), and Save writes the board's settings
// record as that option under the name (SaveOption). Save needs a picked row; the group's GroupOption
// slot is left as it is. A file that cannot be read or written is reported, naming it, and the
// window stays open.
class SaveOptionDialog : public Form {
public:
    explicit SaveOptionDialog(App& app);

    // Lists the option names of `board`'s option file and shows the window modally for it; the
    // result is showModal()'s. The window is shown once per load: it unloads as it closes.
    bool showFor(std::int16_t board);

    ListBox savelist{this, "savelist", {.left = 240, .top = 240, .width = 3855, .height = 2370}};
    Label lblname{this, "lblname", {.caption = "Option Name", .left = 240, .top = 2700, .width = 1215, .height = 255}};
    TextBox nametxt{this, "nametxt", {.left = 1455, .top = 2670, .width = 2640, .height = 315, .maxLength = 32}};
    CommandButton savecmd{this, "savecmd",
                          {.caption = "Save Option", .left = 600, .top = 3120, .width = 1335, .height = 375, .enabled = false}};
    CommandButton cancelcmd{this, "cancelcmd", {.caption = "Cancel", .left = 2400, .top = 3120, .width = 1335, .height = 375}};

private:
    void Form_Load() override;
    void savelist_Click();
    void nametxt_Change();
    void savecmd_Click();

    App& app_;
    std::int16_t board_ = -1;
};

} // namespace tarvik
