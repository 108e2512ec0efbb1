#pragma once

#include "common/BoardPicker.h"
#include "common/EntryField.h"
#include "runtime/FormRuntime.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace tarvik {

class App;
struct PidColumn;

// Load PID All (menu item `loadpidallmu`, and the servo wizards' PID button): the proportional
// gain, integral gain, derivative gain, derivative sample period and integration limit of every
// axis of a servo board, shown from the board's settings record. "Load All" sends them axis by
// axis and keeps each sent value in the record; the first failing call ends the run, and the
// status of the run is shown in `msgtxt`. A value that differs from the record marks the board's
// settings changed, so the wizard offers to save it.
class LoadPidAllDialog : public Form {
public:
    explicit LoadPidAllDialog(App& app);

    // Shows the window with `board` selected (a wizard's PID button).
    void showFor(std::int16_t board);

    Label boardLabel{this, "Label4", {.caption = "Board ID", .left = 120, .top = 120, .width = 1215, .height = 255}};
    ComboBox bidlist{this, "bidlist", {.left = 120, .top = 360, .width = 1215, .height = 315},
                     ComboBox::Style::DropDownList};
    ControlArray<Label> lblAxis{this, "lblAxis"};
    CommandButton runcmd;
    CommandButton cancelcmd;
    TextBox msgtxt;

private:
    struct ColumnControls {
        const PidColumn* design;
        std::unique_ptr<Label> header;
        std::unique_ptr<ControlArray<TextBox>> boxes;
        std::array<std::unique_ptr<EntryField>, 5> fields{}; // per axis 1..4
    };

    void Form_Load() override;
    void bidlist_Click();
    void showBoard();
    void updateRun();
    void runcmd_Click();
    int axisCount() const;

    App& app_;
    std::vector<ColumnControls> columns_;
    BoardPicker boards_;
    std::int16_t board_ = -1;
};

} // namespace tarvik
