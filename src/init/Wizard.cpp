#include "init/Wizard.h"

#include "base/NumberText.h"
#include "init/InitSequences.h"
#include "init/InitializeBoardMenu.h"
#include "init/LoadOptionDialog.h"
#include "init/SaveOption.h"
#include "init/SaveOptionDialog.h"
#include "init/SettingsRanges.h"
#include "init/WatchedInitialization.h"
#include "init/WizardPanels.h"
#include "program/App.h"
#include "shell/Shell.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace tarvik {

namespace {

// Layout (twips): a column of row labels, one frame per axis, a column of unit labels, and the
// buttons in two rows below.
constexpr float kMargin = 120;
constexpr float kLabelWidth = 1800;
constexpr float kAxisLeft = kMargin + kLabelWidth + kMargin;
constexpr float kAxisWidth = 2040;
constexpr float kAxisGap = 120;
constexpr float kAxisTop = 1320;
constexpr float kRowTop = 300;
constexpr float kRowHeight = 420;
constexpr float kBoxWidth = 1215;
constexpr float kFieldHeight = 315;
constexpr float kSpinnerWidth = 255;
constexpr float kChoiceHeight = 600;
constexpr float kUnitWidth = 840;
constexpr float kButtonWidth = 1815;
constexpr float kButtonHeight = 375;
constexpr float kButtonGap = 120;
constexpr int kButtonsPerRow = 5;
// The rows of buttons start at the left margin; the window is at least wide enough for a full
// row, its margins and its borders.
constexpr float kWindowBorders = 120;
constexpr float kButtonRowsWidth =
    kMargin + kButtonsPerRow * (kButtonWidth + kButtonGap) - kButtonGap + kMargin + kWindowBorders;

// Spinner values: the up arrow steps towards Min, giving -1, which adds one to the number.
constexpr int kSpinnerMin = -32768;
constexpr int kSpinnerMax = 32767;

float axisLeft(int axis) { return kAxisLeft + static_cast<float>(axis - 1) * (kAxisWidth + kAxisGap); }

std::string initState(const App& app, std::int16_t board)
{
    const auto b = static_cast<std::size_t>(board);
    if (app.state().boards.BoardInitState[b] == 1) return "Initialized using Option" + strSigned(app.state().boards.BoardOption[b]);
    return "Not Initialized";
}

} // namespace

std::string InitStateCaption(App& app, std::int16_t board, std::string_view boardText)
{
    if (!isBoardId(board)) return std::string(boardText);
    return "ID" + strSigned(board) + ": " + std::string(boardText) + ", " +
           hex16(app.state().boards.BoardAddress[static_cast<std::size_t>(board)]) + " -- " + initState(app, board);
}

Wizard::Wizard(App& app, const WizardDeclaration& declaration)
    : Form(app.runtime(), std::string(declaration.formName),
           {.caption = std::string(declaration.caption),
            .width = std::max(axisLeft(declaration.axes + 1) + kUnitWidth, kButtonRowsWidth),
            .height = 7800,
            .helpTopic = declaration.helpTopic}),
      bannerLabel(this, "Label2",
             {.caption = std::string(declaration.banner), .left = kMargin, .top = kMargin, .width = 6000, .height = 375}),
      instructionLabel(this, "Label1",
             {.caption = std::string(kWizardInstruction), .left = kMargin, .top = 540, .width = axisLeft(declaration.axes + 1) - kMargin,
              .height = 615}),
      lblStopMod(this, "lblStopMod", {.caption = "Stop Mode", .left = kMargin, .width = kLabelWidth, .height = 255}),
      secretmsg(this, "secretmsg", {.left = kMargin, .top = 7200, .width = 1000, .height = 255, .visible = false}),
      cmdinit(this, "cmdinit", {.caption = "Initialize", .width = kButtonWidth, .height = kButtonHeight, .enabled = false}),
      cmdsave(this, "cmdsave", {.caption = "Save", .width = kButtonWidth, .height = kButtonHeight}),
      cmdload(this, "cmdload", {.caption = "Load", .width = kButtonWidth, .height = kButtonHeight}),
      cmdcancel(this, "cmdcancel", {.caption = "Done", .width = kButtonWidth, .height = kButtonHeight}),
      app_(app), declaration_(declaration)
{
    buildAxes();
    buildButtons();
    bannerLabel.setAlignment(Label::Alignment::Center);
    cmdinit.onClick = [this] { cmdinit_Click(); };
    cmdsave.onClick = [this] { cmdsave_Click(); };
    cmdload.onClick = [this] { cmdload_Click(); };
    cmdcancel.onClick = [this] { unload(); };
    secretmsg.onChange = [this] { secretmsg_Change(); };
}

// Per axis a frame "Axis #a" holding the boxes with their spinners, the option pairs and the
// stop-mode list, row by row; the row labels stand left of the first frame.
void Wizard::buildAxes()
{
    const float choicesTop = kRowTop + static_cast<float>(kind().boxes.size()) * kRowHeight;
    const float stopTop = choicesTop + static_cast<float>(kind().choices.size()) * (kChoiceHeight + 60);
    const float frameHeight = stopTop + (kind().stopModes ? kFieldHeight + kRowTop : 0);
    for (int a = 1; a <= declaration_.axes; ++a)
        fraAxis.add(a, {.caption = "Axis #" + std::to_string(a), .left = axisLeft(a), .top = kAxisTop,
                        .width = kAxisWidth, .height = frameHeight});

    const float unitLeft = axisLeft(declaration_.axes + 1);
    float top = kRowTop;
    for (const WizardBox& design : kind().boxes) {
        BoxColumn& column = columns_.emplace_back();
        column.design = &design;
        const std::string name(design.name);
        column.label = std::make_unique<Label>(this, "lbl" + name,
                                               Design{.caption = std::string(design.label), .left = kMargin,
                                                      .top = kAxisTop + top + 30, .width = kLabelWidth, .height = 255});
        if (!design.unit.empty())
            column.unit = std::make_unique<Label>(this, "lbl" + name + "Unit",
                                                  Design{.caption = std::string(design.unit), .left = unitLeft,
                                                         .top = kAxisTop + top + 30, .width = kUnitWidth, .height = 255});
        column.boxes = std::make_unique<ControlArray<TextBox>>(this, "txt" + name);
        column.spinners = std::make_unique<ControlArray<ScrollBar>>(this, "scr" + name);
        for (int a = 1; a <= declaration_.axes; ++a) {
            TextBox& text = column.boxes->add(a, {.left = kMargin, .top = top, .width = kBoxWidth,
                                                  .height = kFieldHeight, .container = &fraAxis(a)});
            ScrollBar& spin = column.spinners->add(a, {.left = kMargin + kBoxWidth, .top = top, .width = kSpinnerWidth,
                                                       .height = kFieldHeight, .container = &fraAxis(a)});
            spin.setMin(kSpinnerMin);
            spin.setMax(kSpinnerMax);
            // The spinner is part of its box for the keyboard: Tab goes from box to box, and the
            // arrow keys in a box count it up and down.
            spin.setBuddy(&text);
        }
        top += kRowHeight;
    }
    for (BoxColumn& column : columns_)
        for (int a = 1; a <= declaration_.axes; ++a) wireBox(column, a);

    top = choicesTop;
    for (const WizardChoice& design : kind().choices) {
        ChoiceColumn& column = choices_.emplace_back();
        column.design = &design;
        column.frames = std::make_unique<ControlArray<Frame>>(this, std::string(design.frame));
        column.first = std::make_unique<ControlArray<OptionButton>>(this, std::string(design.first.name));
        column.second = std::make_unique<ControlArray<OptionButton>>(this, std::string(design.second.name));
        for (int a = 1; a <= declaration_.axes; ++a) {
            Frame& frame = column.frames->add(a, {.caption = std::string(design.caption), .left = kMargin, .top = top,
                                                  .width = kAxisWidth - 2 * kMargin, .height = kChoiceHeight,
                                                  .container = &fraAxis(a)});
            OptionButton& first = column.first->add(a, {.caption = std::string(design.first.caption), .left = 120,
                                                        .top = 240, .width = 840, .height = 255, .container = &frame});
            OptionButton& second = column.second->add(a, {.caption = std::string(design.second.caption), .left = 960,
                                                          .top = 240, .width = 840, .height = 255, .container = &frame});
            first.onClick = [this] { markChanged(); };
            second.onClick = [this] { markChanged(); };
        }
        top += kChoiceHeight + 60;
    }

    lblStopMod.setTop(kAxisTop + stopTop + 30);
    lblStopMod.setVisible(kind().stopModes);
    for (int a = 1; kind().stopModes && a <= declaration_.axes; ++a) {
        ComboBox& list = cmbStopMod.add(a, {.left = kMargin, .top = stopTop, .width = kBoxWidth + kSpinnerWidth,
                                            .height = kFieldHeight, .container = &fraAxis(a)},
                                        ComboBox::Style::DropDownList);
        list.onClick = [this] { markChanged(); };
    }
    setHeight(kAxisTop + frameHeight + 3 * kButtonHeight + 4 * kButtonGap + 600);
}

void Wizard::wireBox(BoxColumn& column, int axis)
{
    TextBox& text = (*column.boxes)(axis);
    ScrollBar& spin = (*column.spinners)(axis);
    auto& field = column.fields[static_cast<std::size_t>(axis)];
    field = std::make_unique<EntryField>(app_, text, column.design->rule);
    field->enterLeaves = kind().enterLeavesBox;
    field->checked = [this] { UpdateInitButton(); };
    text.onKeyDown = [this](int&, int) { markChanged(); };
    BoxColumn* c = &column;
    spin.onChange = [this, c, axis] {
        spinnerChanged(*c, axis);
        markChanged();
    };
    spin.onLostFocus = [entry = field.get()] { entry->leave(); };
}

// Every button in declaration order after Initialize, Save, Load and Done, five to a row.
void Wizard::buildButtons()
{
    for (const WizardButtonDesign& design : kind().buttons) {
        static constexpr std::string_view kNames[] = {"cmdfindhome", "cmdfindindex", "cmdLoadIO",
                                                      "cmdLoadLimitSw", "Command1", "cmdLoadPID"};
        const auto which = design.button;
        auto control = std::make_unique<CommandButton>(
            this, std::string(kNames[static_cast<int>(which)]),
            Design{.caption = std::string(design.caption), .width = kButtonWidth, .height = kButtonHeight,
                   .enabled = which != WizardButton::FindHome && which != WizardButton::FindIndex});
        control->onClick = [this, which] { optionalButton_Click(which); };
        buttons_.push_back({which, std::move(control)});
    }
    std::vector<CommandButton*> all{&cmdinit, &cmdsave, &cmdload, &cmdcancel};
    for (auto& b : buttons_) all.push_back(b.control.get());
    const float firstTop = height() - 2 * (kButtonHeight + kButtonGap) - 600;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto row = static_cast<float>(i / kButtonsPerRow);
        const auto column = static_cast<float>(i % kButtonsPerRow);
        all[i]->move(kMargin + column * (kButtonWidth + kButtonGap), firstTop + row * (kButtonHeight + kButtonGap));
    }
}

std::int16_t Wizard::board() const { return BoardOf(app_, declaration_.group); }

TextBox& Wizard::box(std::string_view name, int axis) const
{
    for (const BoxColumn& column : columns_)
        if (column.design->name == name) return (*column.boxes)(axis);
    throw std::out_of_range(std::string(declaration_.formName) + " has no box txt" + std::string(name));
}

ScrollBar& Wizard::spinner(std::string_view name, int axis) const
{
    for (const BoxColumn& column : columns_)
        if (column.design->name == name) return (*column.spinners)(axis);
    throw std::out_of_range(std::string(declaration_.formName) + " has no spinner scr" + std::string(name));
}

OptionButton& Wizard::option(std::string_view name, int axis) const
{
    for (const ChoiceColumn& column : choices_) {
        if (column.design->first.name == name) return (*column.first)(axis);
        if (column.design->second.name == name) return (*column.second)(axis);
    }
    throw std::out_of_range(std::string(declaration_.formName) + " has no option " + std::string(name));
}

CommandButton* Wizard::button(WizardButton which) const
{
    for (const OptionalButton& b : buttons_)
        if (b.which == which) return b.control.get();
    return nullptr;
}

void Wizard::enableFindButtons(bool enabled)
{
    for (WizardButton which : {WizardButton::FindHome, WizardButton::FindIndex})
        if (CommandButton* b = button(which)) b->setEnabled(enabled);
}

// ---- Copies between the window and the settings record -------------------------------------

void Wizard::FormToRecord(std::int16_t board)
{
    if (!isBoardId(board)) return;
    visitTable(app_.state().Settings, declaration_.group, [&](auto& table) {
        auto& record = table[static_cast<std::size_t>(board)];
        for (int a = 1; a <= declaration_.axes; ++a) {
            auto* axis = record.axis(a);
            if (!axis) continue;
            for (const BoxColumn& column : columns_) {
                if (column.fields[static_cast<std::size_t>(a)]->valid() != 1) continue;
                TextBox& text = (*column.boxes)(a);
                // A value the field cannot hold is kept at its limit, and the box shows that limit.
                if (storeAxisField(*axis, column.design->field, valueOf(text.text())) == Stored::AtLimit)
                    text.setText(strTrimmed(*axisFieldValue(*axis, column.design->field)));
            }
            for (const ChoiceColumn& choice : choices_) {
                const bool set = (choice.design->firstSets ? *choice.first : *choice.second)(a).value();
                storeAxisField(*axis, choice.design->field, set ? -1 : 0);
            }
            if (const ComboBox* list = cmbStopMod.find(a); list && list->listIndex() >= 0)
                axis->StopMode = static_cast<std::int16_t>(list->listIndex() + 1);
        }
    });
}

void Wizard::RecordToForm(std::int16_t board)
{
    if (!isBoardId(board)) return;
    // A copy: filling a box may show an error window, and nothing may change the record meanwhile.
    visitTable(app_.state().Settings, declaration_.group, [&](const auto& table) {
        const auto record = table[static_cast<std::size_t>(board)];
        for (int a = 1; a <= declaration_.axes; ++a) {
            const auto* axis = record.axis(a);
            if (!axis) continue;
            for (const BoxColumn& column : columns_)
                if (auto value = axisFieldValue(*axis, column.design->field))
                    (*column.boxes)(a).setText(strTrimmed(*value));
            for (const ChoiceColumn& choice : choices_) {
                const bool set = axisFieldValue(*axis, choice.design->field).value_or(0) != 0;
                const WizardOption& pick = set ? choice.design->set() : choice.design->clear();
                option(pick.name, a).setValue(true);
            }
            if (kind().stopModes) fillStopMode(a, axis->StopMode);
        }
    });
    app_.state().boards.SettingsChanged[static_cast<std::size_t>(board)] = 0;
}

// The list's rows are the stop modes a record may hold.
static_assert(std::size(kStopModeRows) == static_cast<std::size_t>(field_ranges::kStopMode.bounds.max));

// Selects the row of a stop mode; a mode outside 1..3 is reported like a box value out of
// range and the nearer mode is shown instead.
void Wizard::fillStopMode(int axis, std::int16_t stopMode)
{
    ComboBox& list = cmbStopMod(axis);
    if (list.listCount() == 0)
        for (std::string_view row : kStopModeRows) list.addItem(std::string(row));
    const int last = static_cast<int>(std::size(kStopModeRows));
    if (stopMode < 1 || stopMode > last) {
        app_.runtime().beep();
        ShowErrorMessage(app_, "Value needs to be between 1 and " + std::to_string(last) + ".");
    }
    list.setListIndex(std::clamp<int>(stopMode, 1, last) - 1);
}

// ---- Event handlers --------------------------------------------------------------------------

void Wizard::markChanged()
{
    if (const std::int16_t b = board(); isBoardId(b)) app_.state().boards.SettingsChanged[static_cast<std::size_t>(b)] = -1;
}

// The new number is the box's whole number minus the spinner's value; the spinner goes back
// to 0, whose change leaves the number as it is.
void Wizard::spinnerChanged(BoxColumn& column, int axis)
{
    TextBox& text = (*column.boxes)(axis);
    ScrollBar& spin = (*column.spinners)(axis);
    const std::int64_t number = toInt32Saturated(valueOf(text.text()));
    text.setText(std::to_string(number - spin.value()));
    spin.setValue(0);
}

void Wizard::UpdateInitButton()
{
    bool complete = true;
    for (int a = 1; a <= declaration_.axes; ++a)
        for (const BoxColumn& column : columns_)
            complete = complete && column.fields[static_cast<std::size_t>(a)]->valid() == 1;
    cmdinit.setEnabled(complete);
}

void Wizard::cmdinit_Click()
{
    const std::int16_t b = board();
    if (!app_.state().boards.isBoard(b)) return;
    if (ConfirmBoardInit(app_, b) != ConfirmContinue) return;
    FormToRecord(b);
    const BoardToInitialize board{.board = b, .option = OptionOf(app_, declaration_.group)};
    InitializeWatched(
        app_, {&board, 1}, InitOccasion::Request,
        [this](std::int16_t id, InitWatch& watch) { InitializeBoard(app_, id, &watch); },
        [this](std::int16_t id) {
            enableFindButtons(app_.state().boards.BoardInitState[static_cast<std::size_t>(id)] == 1);
            setCaption(InitStateCaption(app_, id, kind().boardText));
            ShowInitStateInMenu(app_, id);
        });
}

void Wizard::cmdsave_Click()
{
    const std::int16_t b = board();
    if (!app_.state().boards.isBoard(b)) return;
    FormToRecord(b);
    app_.form<SaveOptionDialog>().showFor(b);
}

void Wizard::cmdload_Click()
{
    if (!app_.state().boards.isBoard(board())) return;
    app_.form<LoadOptionDialog>().showFor(board());
}

void Wizard::optionalButton_Click(WizardButton which)
{
    const std::int16_t b = board();
    if (!app_.state().boards.isBoard(b)) return;
    OpenWizardPanel(app_, which, b);
}

void Wizard::secretmsg_Change()
{
    if (caption() == "save") cmdsave_Click();
}

void Wizard::Form_Load()
{
    setTop(0);
    setLeft(0);
    if (kind().loadSetsCurrentBoard) app_.state().selection.CurrentBoard = board();
}

void Wizard::Form_Activate() { app_.state().selection.CurrentBoard = board(); }

void Wizard::Form_Deactivate() { SendBackgroundToBack(app_); }

void Wizard::Form_Resize() { SendBackgroundToBack(app_); }

// Closing asks whether unsaved edits go into the current option (Cancel keeps the window),
// then lets go of the board shown and of the set-up dialogs opened from here.
void Wizard::Form_Unload(int& cancel)
{
    const std::int16_t b = board();
    if (isBoardId(b) && app_.state().boards.SettingsChanged[static_cast<std::size_t>(b)] != 0) {
        const std::int16_t option = OptionOf(app_, declaration_.group);
        const std::string question =
            "Save " + std::string(kind().boardText) + strSigned(b) + ", with Option" + strSigned(option) + "?";
        const std::int16_t answer = AskSaveSettings(app_, question);
        if (answer == AnswerCancel) {
            cancel = 1;
            return;
        }
        if (answer == AnswerYes) {
            FormToRecord(b);
            if (FileStatus saved = SaveOption(app_, b, "", option); !saved) {
                // Nothing is lost: the window stays open with its edits.
                ShowErrorMessage(app_, saved.error());
                cancel = 1;
                return;
            }
        } else {
            app_.state().boards.SettingsChanged[static_cast<std::size_t>(b)] = 0;
        }
    }
    BoardShownOf(app_, declaration_.group) = -1;
    CloseWizardPanels(app_, kind().buttons);
    if (!isBoardId(b) || app_.state().boards.BoardInitState[static_cast<std::size_t>(b)] == 0)
        BoardOf(app_, declaration_.group) = -1;
}

} // namespace tarvik
