#pragma once

#include "common/EntryField.h"
#include "driver/BoardTypes.h"
#include "program/AxisSettings.h"
#include "runtime/FormRuntime.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

class App;

// The initialisation wizard of a board-type group. One class serves all seven: a wizard
// declares its name, caption, banner, group and axes, and its kind (WizardKind, shared by the
// 3-axis and 2/4-axis wizards of a kind): the per-axis boxes (with spinner, key set, check,
// bounds and what leaving the box does), option pairs and buttons, and which axis field each of
// them edits. The copies between the window and the board's settings record (FormToRecord,
// RecordToForm) and every event handler follow from that declaration.

// A per-axis entry box and its spinner. With `name` "StepsRev" the controls are txtStepsRev(a)
// and scrStepsRev(a), and the row's label lblStepsRev. Leaving the spinner does what leaving
// the box does.
struct WizardBox {
    std::string_view name;
    std::string_view label;
    std::string_view unit; // shown right of the last axis; may be empty
    FieldRule rule;        // keys, the check on every change, bounds, what leaving does
    AxisField field;
};

// One option button of a pair.
struct WizardOption {
    std::string_view name;
    std::string_view caption;
};

// A per-axis pair of option buttons in a frame; the field holds -1 when `set` is selected and
// 0 when `clear` is. The pair is shown in the order first, second.
struct WizardChoice {
    std::string_view frame;
    std::string_view caption;
    WizardOption first;
    WizardOption second;
    bool firstSets;
    AxisField field;

    const WizardOption& set() const { return firstSets ? first : second; }
    const WizardOption& clear() const { return firstSets ? second : first; }
};

// The buttons that only some wizards have (Initialize, Save, Load and Done every wizard has).
enum class WizardButton {
    FindHome,      // cmdfindhome
    FindIndex,     // cmdfindindex
    IoSettings,    // cmdLoadIO
    LimitSettings, // cmdLoadLimitSw
    StepOutput,    // Command1
    PidGains,      // cmdLoadPID
};

struct WizardButtonDesign {
    WizardButton button;
    std::string_view caption;
};

// What the 3-axis and 2/4-axis wizards of one kind share.
struct WizardKind {
    std::string_view boardText; // "Closed Loop Stepper Board": captions and the save question
    std::span<const WizardBox> boxes;
    std::span<const WizardChoice> choices;
    std::span<const WizardButtonDesign> buttons;
    // Each axis has the stop-mode list cmbStopMod (encoder boards, which never move, have none).
    bool stopModes;
    // Enter in a box runs its leave action at once (else Enter is only filtered).
    bool enterLeavesBox;
    // Form_Load also makes the wizard's board the current board.
    bool loadSetsCurrentBoard;
};

struct WizardDeclaration {
    std::string_view formName;
    std::string_view caption; // the design caption
    int helpTopic;            // F1 opens help here
    std::string_view banner;  // bannerLabel
    BoardGroup group;
    int axes;
    const WizardKind& kind;
};

inline constexpr std::string_view kStopModeRows[] = {"Decel Mode", "Halt Mode", "Kill Mode"};
inline constexpr std::string_view kWizardInstruction =
    "You must initialize this motor control board before running motors. Make sure to check the I/O, Output "
    "Mode  and Limit Switch settings by pressing the buttons below, then press the initialize button.";

// The caption of a wizard or an Initialize Board item for a board: "ID", the board in signed
// form, ": ", `boardText`, ", ", the address in hexadecimal, " -- " and the state
// ("Initialized using Option n" or "Not Initialized").
std::string InitStateCaption(App& app, std::int16_t board, std::string_view boardText);

class Wizard : public Form {
public:
    Wizard(App& app, const WizardDeclaration& declaration);

    const WizardDeclaration& declaration() const { return declaration_; }
    const WizardKind& kind() const { return declaration_.kind; }
    BoardGroup group() const { return declaration_.group; }
    // The board the wizard acts on (its group's WizardBoard slot; -1 none).
    std::int16_t board() const;

    // The window's controls by the names the declaration gives them; std::out_of_range for a
    // name or axis the wizard does not have.
    TextBox& box(std::string_view name, int axis) const;
    ScrollBar& spinner(std::string_view name, int axis) const;
    OptionButton& option(std::string_view name, int axis) const;
    ComboBox& stopMode(int axis) const { return cmbStopMod(axis); }
    // nullptr when the wizard does not have the button.
    CommandButton* button(WizardButton which) const;

    // Copies the window into the board's settings record. A box whose last check found no
    // value leaves its field as it was, and values are stored within their field's type
    // (a find velocity above 32767 is kept as 32767 in the 16-bit stepper field, and the box
    // then shows 32767 too).
    void FormToRecord(std::int16_t board);
    // Fills the window from the board's settings record (each box is checked as if typed, so a
    // value outside its bounds is reported and replaced in the box, not in the record) and
    // clears the board's changed mark.
    void RecordToForm(std::int16_t board);
    // Find Home and Find Index are usable only on an initialised board.
    void enableFindButtons(bool enabled);

    ControlArray<Frame> fraAxis{this, "fraAxis"};
    ControlArray<ComboBox> cmbStopMod{this, "cmbStopMod"};
    Label bannerLabel;
    Label instructionLabel;
    Label lblStopMod;
    Label secretmsg;
    CommandButton cmdinit;
    CommandButton cmdsave;
    CommandButton cmdload;
    CommandButton cmdcancel;

private:
    struct BoxColumn {
        const WizardBox* design;
        std::unique_ptr<Label> label;
        std::unique_ptr<Label> unit;
        std::unique_ptr<ControlArray<TextBox>> boxes;
        std::unique_ptr<ControlArray<ScrollBar>> spinners;
        std::array<std::unique_ptr<EntryField>, 5> fields{}; // per axis 1..4
    };
    struct ChoiceColumn {
        const WizardChoice* design;
        std::unique_ptr<ControlArray<Frame>> frames;
        std::unique_ptr<ControlArray<OptionButton>> first;
        std::unique_ptr<ControlArray<OptionButton>> second;
    };
    struct OptionalButton {
        WizardButton which;
        std::unique_ptr<CommandButton> control;
    };

    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Resize() override;
    void Form_Unload(int& cancel) override;

    void buildAxes();
    void buildButtons();
    void wireBox(BoxColumn& column, int axis);

    void markChanged();
    void spinnerChanged(BoxColumn& column, int axis);
    void UpdateInitButton();
    void fillStopMode(int axis, std::int16_t stopMode);

    void cmdinit_Click();
    void cmdsave_Click();
    void cmdload_Click();
    void optionalButton_Click(WizardButton which);
    void secretmsg_Change();

    App& app_;
    const WizardDeclaration declaration_;
    std::vector<BoxColumn> columns_;
    std::vector<ChoiceColumn> choices_;
    std::vector<OptionalButton> buttons_;
};

} // namespace tarvik
