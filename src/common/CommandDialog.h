#pragma once

// The command dialog: one small modeless window that sends one driver command to one board
// (and, in an axis-level dialog, one axis) with the values the user typed, and shows the
// returned status as text. A member dialog declares what it is and inherits the window:
//
//   class LoadAccelerationDialog : public CommandDialog {
//   public:
//       explicit LoadAccelerationDialog(App& app)
//           : CommandDialog(app, {.name = "frm62",
//                                 .caption = "Load Acceleration",
//                                 .helpTopic = 336,
//                                 .mask = kMotionGroups,
//                                 .fields = {{.name = "acceltxt",
//                                             .label = "Acceleration",
//                                             .maxLength = 7,
//                                             .rule = {.check = FieldCheck::ValidateDoubleOrBlank,
//                                                      .bounds = {1, 5242879}},
//                                             .conversion = FieldConversion::Int32}},
//                                 .call = [](CommandRun& run) {
//                                     return run.driver.load_accel(run.board, run.axis,
//                                                                  run.value<std::int32_t>(0));
//                                 }})
//       {
//       }
//
//       TextBox& acceltxt = field(0);
//   };
//
// A board-level dialog declares `.axis = std::nullopt`; read-back labels, option buttons, axis
// check boxes, an advisory text, the values kept in the settings record (`kept`)
// and the settings hooks (`keep`, `showStored`) are further members of CommandDesign. A dialog
// that keeps the count it sent and opens with the stored one declares, for instance:
//   .kept = {{.field = AxisField::FollowingError, .shownAtLoad = true}}
// A member needing controls of its own reserves `memberAreaHeight` and places them from
// memberAreaTop(); one needing another arrangement moves the frame's controls in its
// constructor. Handlers a member adds call applyRunRule() when they change what Run may do.
//
// Behaviour:
// - Load: every valid flag 0 (a field with a design-time text 1), BoardId -1, the board list
//   filled by the board picker with the member's mask, which preselects CurrentBoard's row.
//   With a board listed: the axis field reads "1" (AxisNumber 1, and CurrentAxis 1 for a shared
//   axis), a board-level dialog empties msgtxt, fields with a load text get it, the stored
//   values are shown (axis 1 of the preselected board, once), then the member's own load steps
//   (`loaded`) run. With none: the list, the entry fields and Run stay disabled, so no path
//   reaches the driver, and nothing is read from the settings.
// - Board selection: BoardId and AxisCount from the row; the axis field, and fields whose bounds
//   depend on the board, are checked again (an axis above the new count is clamped at once).
// - Fields (EntryField): keys filtered by the field's set, entry empties msgtxt and selects the
//   text, Change runs the range check into the valid flag, leaving does what the rule says.
// - Run-enable rule: Run is enabled when a board is listed, every valid flag is 1, one option
//   is selected (in a dialog with options) and the member's own rule (if any) agrees. A member
//   whose Run starts enabled keeps it so until the first check; with no board listed it is
//   disabled all the same.
// - Run: the board of the selected row, the axis and values converted, one call of the member's
//   entry point, msgtxt := its status text; read-back labels are filled on status 0, and only
//   then are the sent values kept in the settings record of the board and axis sent to.

#include "common/BoardPicker.h"
#include "common/CommandDesign.h"
#include "common/EntryField.h"
#include "runtime/FormRuntime.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace tarvik {

class App;

class CommandDialog : public Form {
public:
    // The form-level state, one set per dialog, reset at every load. The valid flags live in the
    // entry fields (axisValid(), valueValid()).
    struct State {
        std::int16_t BoardId = -1;   // board of the selected row; -1 until one is selected
        std::int16_t AxisCount = 0;  // axes of the selected board; 0 while none is listed
        std::int16_t AxisNumber = 1; // axis of the last Run
    };

    CommandDialog(App& app, CommandDesign design);

    const State& state() const { return state_; }
    // The axis field's valid flag (0 in a board-level dialog).
    std::int16_t axisValid() const { return axis_.field ? axis_.field->valid() : std::int16_t{0}; }
    // One valid flag per value field.
    std::vector<std::int16_t> valueValid() const;
    const BoardPicker& boards() const { return boards_; }

private:
    App& app_;
    CommandDesign design_;
    State state_;

    // The controls follow in the order Tab visits them: the board list, the axis field, the
    // value fields, RUN, the status box, then the rest.
public:
    Label boardLabel;
    ComboBox bidlist;

private:
    struct LabelledBox {
        std::unique_ptr<Label> label;
        std::unique_ptr<TextBox> box;
        std::unique_ptr<EntryField> field;
    };
    struct LabelledValue {
        std::unique_ptr<Label> caption;
        std::unique_ptr<Label> value;
    };
    struct OptionRow {
        // An option that is the one element of a control array of its own holds the array.
        std::unique_ptr<ControlArray<OptionButton>> array;
        std::unique_ptr<OptionButton> single;
        OptionButton* option = nullptr;
        std::unique_ptr<Label> label;
    };

    LabelledBox axis_;
    std::vector<LabelledBox> fields_;

public:
    CommandButton runcmd;
    TextBox msgtxt;

    // The axis field; std::logic_error in a board-level dialog.
    TextBox& axistxt() const;
    // The axis field's caption label; std::logic_error in a board-level dialog.
    Label& axisLabel() const;
    // Value field `index` in declaration order (std::out_of_range when there is none).
    TextBox& field(std::size_t index) const;
    // The caption label of value field `index` (std::out_of_range when there is none).
    Label& fieldLabel(std::size_t index) const;
    Label& readBack(std::size_t index) const;
    OptionButton& option(std::size_t index) const;
    // The mode list; std::logic_error in a dialog without one.
    ComboBox& modeList() const;
    Label& optionLabel(std::size_t index) const;
    // The frame around the options and the heading above them; std::logic_error where the
    // dialog declares none.
    Frame& choiceFrame() const;
    Label& choiceHeading() const;
    // Axis check box n, counted from 1.
    CheckBox& axisCheck(int n) const { return axisChecks_(n); }
    TextBox& notice() const;
    // Top of the band kept free for the member's own controls.
    float memberAreaTop() const { return memberAreaTop_; }
    // Bit n-1 for each axis box n that is shown and checked.
    std::int16_t checkedAxes() const;

protected:
    // The Run-enable rule; the frame applies it after every check and board selection.
    void applyRunRule();
    // For a member that lays out its own window: places the status box at `top`, below its
    // other controls, across a window `formWidth` wide (less three margins), and sets the window
    // to that width and to a height that ends one margin below the box.
    void placeStatusBox(float top, float formWidth);
    // The entry field that runs value field `index` (std::out_of_range when there is none), for
    // a member that writes the field's text and sets its valid flag itself.
    EntryField& fieldEntry(std::size_t index) const;

    void Form_Load() override;
    void Form_Click() override;
    void Form_Resize() override;
    void Form_Deactivate() override;

private:
    std::vector<LabelledValue> readBacks_;
    std::unique_ptr<Frame> choiceFrame_;
    std::unique_ptr<Label> choiceHeading_;
    std::vector<OptionRow> options_;
    std::unique_ptr<Label> modeLabel_;
    std::unique_ptr<ComboBox> modeList_;
    std::unique_ptr<Frame> checkFrame_;
    ControlArray<CheckBox> axisChecks_;
    std::unique_ptr<TextBox> notice_;
    float memberAreaTop_ = 0;
    BoardPicker boards_;

    LabelledBox makeAxisField();
    std::vector<LabelledBox> makeValueFields();
    void makeLaterControls();
    void arrange();
    void wireEvents();
    void wireField(LabelledBox& entry, const FieldRule& rule);
    std::optional<FieldBounds> axisBounds() const;
    std::optional<FieldBounds> valueBounds(std::size_t index) const;

    bool boardListed() const { return boards_.listed(); }
    void disableWithoutBoard();
    void showAxisChecks();
    std::optional<std::size_t> selectedOption() const;
    std::int16_t selectedChoice() const;
    void showKept();
    void keepSent(const CommandRun& run);
    std::int32_t selectedMode() const;
    void showReadBacks(const CommandRun& run, DriverStatus status);
    void clearMessage() { msgtxt.setText(""); }

    void bidlist_Click();
    void runcmd_Click();
};

} // namespace tarvik
