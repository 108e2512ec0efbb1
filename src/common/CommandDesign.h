#pragma once

#include "common/EntryField.h"
#include "driver/BoardTypes.h"
#include "driver/MotionDriver.h"
#include "program/AxisSettings.h"
#include "runtime/Control.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarvik {

// What a command dialog declares about itself; CommandDialog builds the window from it. See
// CommandDialog.h for an example.

// How Run hands a field's text to the driver call: its value rounded halves-to-even to a 16-bit
// or 32-bit whole number (saturated at the type's limits), or the value itself; Hex16 reads the
// text as hexadecimal digits ("41" is 65) into a 16-bit number.
enum class FieldConversion { Int16, Int32, Double, Hex16 };

// A value entry field with its caption label.
struct CommandField {
    std::string name{};              // the text box, e.g. "acceltxt"
    std::string labelName = "Label3";
    std::string label{};             // the caption beside the box
    int maxLength = 0;               // 0: no limit
    FieldRule rule{};                // keys, check, bounds, what leaving does
    // Bounds that depend on the selected board's type code; when given, the rule's bounds are
    // unused and the field is checked again whenever another board is selected.
    std::function<FieldBounds(std::int16_t typeCode)> boundsByType{};
    FieldConversion conversion = FieldConversion::Int16;
    std::string designText{};        // text at design time; a field with one starts valid
    std::string loadText{};          // written at load when a board is listed (its check runs)
};

// The axis field of an axis-level dialog.
struct CommandAxisField {
    std::string name = "axistxt";
    std::string labelName = "Label5";
    std::string label = "Axis";
    int maxLength = 1;
    std::string_view keys = kUnsignedKeys; // empty: every key passes
    bool selectOnFocus = true;
    std::int16_t fixedCount = 0;      // upper bound of the axis; 0: the selected board's AxisCount
    bool sharedAxis = false;          // the axis goes through CurrentAxis (1 at load, the typed one at Run)
};

// A label that shows what a successful Run read back, with its caption label.
struct CommandReadBack {
    std::string captionName{};
    std::string caption{};
    std::string name{};             // the value label, e.g. "poslbl"
    bool clearOnFailure = false;  // a failed Run empties it (otherwise it keeps the last value)
};

// Option buttons whose selection gives the command's value. Each option's text is a label
// beside it; clicking the label selects the option. The first option is selected at design time;
// a value shown from the settings record may leave none selected, and Run then waits for the
// user to choose one, so that no value is sent that nobody chose.
struct CommandOption {
    std::string name{};
    std::string labelName{};
    std::string label{};
    std::int16_t value = 0;
    // The option is the element with this index of a control array of its own name (scripts
    // address it as name(index)); -1: a plain control.
    int arrayIndex = -1;
};

struct CommandChoices {
    std::string frameName{};   // a frame around the options; empty: none
    std::string frameCaption{};
    std::string headingName{}; // a heading label above them; empty: none
    std::string heading{};
    std::vector<CommandOption> options{};
    bool clickClearsMessage = true; // an option click empties msgtxt
};

// A fixed drop-down list whose selected row gives the command's value; it has no handlers, so
// choosing a row does not clear msgtxt.
struct CommandModeRow {
    std::string text{};
    std::int32_t value = 0;
};

struct CommandModeList {
    std::string name = "ModeCombo";
    std::string labelName = "ModeLabel";
    std::string label = "Mode";
    std::vector<CommandModeRow> rows{};
    int loadRow = -1;              // selected at load when a board is listed; -1 none
    std::int32_t noRowValue = 0;   // the value while no row is selected
};

// One check box per axis (array indices 1, 2, ...); boxes above the selected board's axis count
// are hidden and take no part, but keep their state.
struct CommandAxisCheck {
    std::string caption{};
    bool checked = false;
};

struct CommandAxisChecks {
    std::string frameName = "Frame1";
    std::string frameCaption{};
    std::string arrayName = "chkAx";
    std::vector<CommandAxisCheck> boxes{};
};

// A fixed advisory text box on the dialog; no handlers.
struct CommandNotice {
    std::string name = "Text1";
    std::string text{};
    Color backColor = colors::White;
};

// Which of the frame's handlers empty msgtxt (the entry fields always do on entry).
struct CommandClearing {
    bool boardListFocus = true;
    bool messageBox = true; // focus or a click into msgtxt
    bool formClick = true;
};

// Which of the window's events send the background window behind all others.
struct CommandBackground {
    bool onResize = true;
    bool onDeactivate = true;
};

// Where a kept value comes from: a value field, or the selected option.
enum class KeptFrom { ValueField, Choice };

// A value a successful Run keeps in the board's settings record. After status 0 the value sent
// (value field `index`'s as the call took it, or the selected option's) is stored into `field`
// of the Run's axis in the record of the board that was sent to; nothing else of the record
// changes, SettingsChanged is left alone and no file is written. With `shownAtLoad`, the load
// shows what the record holds for axis 1 of the preselected board, once: the value field gets
// it in the signed form (" 1000") and checks it as a typed value, or the option of that value
// is selected (none when no option has it). Choosing another board or axis shows nothing anew.
struct CommandKept {
    AxisField field{};
    KeptFrom from = KeptFrom::ValueField;
    std::size_t index = 0; // the value field, for KeptFrom::ValueField
    bool shownAtLoad = false;
};

using CommandValue = std::variant<std::int16_t, std::int32_t, double>;

// One Run as the member's driver call sees it.
struct CommandRun {
    MotionDriver& driver;
    std::int16_t board = -1;
    std::int16_t type = -1;        // BoardType of the board
    std::int16_t axis = 0;         // AxisNumber, or CurrentAxis for a shared axis; 0 board-level
    std::vector<CommandValue> values{}; // per value field, as its conversion says
    std::int16_t choice = 0;       // the selected option's value (Run is disabled while none is)
    std::int16_t axisSet = 0;      // bit n-1 for each shown, checked axis box n
    std::int32_t mode = 0;         // the mode list's value

    // The converted value of field `index`; T must be the field's conversion type.
    template <class T>
    T value(std::size_t index) const
    {
        return std::get<T>(values.at(index));
    }
    // Text for read-back label `index`, shown when the call returns status 0.
    void show(std::size_t index, std::string text);
    // Replaces the status text that msgtxt shows after the call.
    void say(std::string text) { message = std::move(text); }

    std::vector<std::optional<std::string>> shown{};
    std::optional<std::string> message{};
};

struct CommandDesign {
    std::string name{};            // the form's name, e.g. "frm62"
    std::string caption{};
    int helpTopic = 0;           // F1 opens help here; 0 none
    std::int16_t mask = -1;      // board-type groups listed (board-list mask bits; -1 all)
    std::string boardLabelName = "Label4";
    std::string boardLabel = "Board ID";
    std::optional<CommandAxisField> axis = CommandAxisField{}; // none: a board-level dialog
    std::vector<CommandField> fields{};
    std::vector<CommandReadBack> readBacks{};
    std::optional<CommandChoices> choices{};
    std::optional<CommandModeList> modeList{};
    std::optional<CommandAxisChecks> axisChecks{};
    float memberAreaHeight = 0;  // twips kept free above msgtxt for the member's own controls
    std::optional<CommandNotice> notice{};
    CommandClearing clearing{};
    CommandBackground background{};
    bool boardKeys = true;       // digit keys in the board list pick a board
    bool runStartsEnabled = false; // Run is enabled at design time (it is still off while no board is listed)

    // The Run's driver call (or the member's sequence of calls); returns the status shown.
    std::function<DriverStatus(CommandRun&)> call{};
    // Values a Run that returned status 0 keeps in the settings record, before `keep` runs.
    std::vector<CommandKept> kept{};
    // After a Run that returned status 0: keep the sent value in the settings record.
    std::function<void(const CommandRun&)> keep{};
    // Once at load, when a board is listed: show what the settings record holds for axis 1.
    std::function<void()> showStored{};
    // Once at load, when a board is listed, after the fields' load texts: the member's own
    // load steps.
    std::function<void()> loaded{};
    // After a board is selected (also the preselection at load), before the fields are checked.
    std::function<void()> boardChanged{};
    // A further condition for Run, tested by the Run-enable rule after the field flags.
    std::function<bool()> runRule{};
};

} // namespace tarvik
