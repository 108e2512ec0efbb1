#pragma once

#include "runtime/FormRuntime.h"

#include <cstdint>

namespace tarvik {

class App;

// The Load Initialization Option window (modal, from a wizard's Load button): the ten options
// of the option file of the wizard's board's group; loading one reads it into the board's settings
// record, sets the group's GroupOption slot and fills the group's wizard. An option file that
// cannot be read is reported, naming it, and the list stays empty. An option holding a value
// out of range is reported (OutOfRangeReport) and still loaded, for the wizard to mend it.
class LoadOptionDialog : public Form {
public:
    explicit LoadOptionDialog(App& app);

    // Lists the options of `board`'s group and shows the window modally for it; the result is
    // showModal()'s. The window is shown once per load: it unloads as it closes.
    bool showFor(std::int16_t board);

    ListBox loadlist{this, "loadlist", {.left = 240, .top = 240, .width = 3855, .height = 2370}};
    CommandButton loadcmd{this, "loadcmd",
                          {.caption = "Load Option", .left = 600, .top = 2760, .width = 1335, .height = 375, .enabled = false}};
    CommandButton cancelcmd{this, "cancelcmd", {.caption = "Cancel", .left = 2400, .top = 2760, .width = 1335, .height = 375}};

private:
    void Form_Load() override;
    void loadlist_Click();
    void LoadSelectedOption();

    App& app_;
    std::int16_t board_ = -1;
};

} // namespace tarvik
