#include "common/CommandDialog.h"

#include "base/NumberText.h"
#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "program/App.h"
#include "program/AxisSettings.h"
#include "shell/Shell.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <variant>

namespace tarvik {

namespace {

// Layout in twips: the board list and the axis field side by side at the top left, RUN at the
// top right, then one row per value field and read-back label, the options, the axis boxes,
// the member's band, the status box across the window and the advisory text below it.
constexpr float kFormWidth = 4800;
constexpr float kRunLeft = 3360;
constexpr float kRunTop = 240;
constexpr float kRowsTop = 840;
constexpr float kRowStep = 405;
constexpr float kRowCaptionWidth = 1935;
constexpr float kRowValueLeft = 2160;
constexpr float kRowValueWidth = 1455;
constexpr float kReadBackWidth = 2295;
constexpr float kGroupWidth = 2895;
constexpr float kGroupCaptionHeight = 240;
constexpr float kOptionStep = 300;
constexpr float kOptionSize = 255;
constexpr float kOptionLabelWidth = 2175;
constexpr float kCheckWidth = 1215;
constexpr float kGap = 120;
constexpr float kTextWidth = kFormWidth - 3 * kDialogMargin;

// The value of a field's text as Run hands it to the driver call.
CommandValue convertField(std::string_view text, FieldConversion conversion)
{
    const double value = valueOf(text);
    switch (conversion) {
    case FieldConversion::Int16:
        return toInt16Saturated(value);
    case FieldConversion::Int32:
        return toInt32Saturated(value);
    case FieldConversion::Hex16:
        return toInt16Saturated(valueOf("&H" + std::string(text)));
    case FieldConversion::Double:
        break;
    }
    return value;
}

} // namespace

void CommandRun::show(std::size_t index, std::string text)
{
    if (shown.size() <= index) shown.resize(index + 1);
    shown[index] = std::move(text);
}

CommandDialog::CommandDialog(App& app, CommandDesign design)
    : Form(app.runtime(), design.name, {.caption = design.caption, .width = kFormWidth, .helpTopic = design.helpTopic}),
      app_(app),
      design_(std::move(design)),
      boardLabel(this, design_.boardLabelName,
                 {.caption = design_.boardLabel, .left = kDialogMargin, .top = kFieldCaptionTop,
                  .width = kBoardListWidth, .height = kLabelHeight}),
      bidlist(this, "bidlist",
              {.left = kDialogMargin, .top = kFieldTop, .width = kBoardListWidth, .height = kDropDownHeight},
              ComboBox::Style::DropDownList),
      axis_(makeAxisField()),
      fields_(makeValueFields()),
      runcmd(this, "runcmd",
             {.caption = "RUN", .left = kRunLeft, .top = kRunTop, .width = kCommandButtonWidth,
              .height = kCommandButtonHeight, .enabled = design_.runStartsEnabled}),
      msgtxt(this, "msgtxt"),
      axisChecks_(this, design_.axisChecks ? design_.axisChecks->arrayName : "chkAx"),
      boards_(app, bidlist)
{
    if (!design_.call) throw std::invalid_argument(design_.name + ": a command dialog needs its driver call");
    for (const CommandKept& kept : design_.kept) {
        const bool hasSource = kept.from == KeptFrom::Choice ? design_.choices && !design_.choices->options.empty()
                                                             : kept.index < design_.fields.size();
        if (!hasSource)
            throw std::invalid_argument(design_.name + ": a kept value needs the field or options it comes from");
    }
    msgtxt.setMultiLine(true);
    makeLaterControls();
    arrange();
    wireEvents();
}

CommandDialog::LabelledBox CommandDialog::makeAxisField()
{
    if (!design_.axis) return {};
    const CommandAxisField& axis = *design_.axis;
    return {std::make_unique<Label>(this, axis.labelName,
                                    Design{.caption = axis.label, .left = kFieldBesideListLeft, .top = kFieldCaptionTop,
                                           .width = kBoardListWidth, .height = kLabelHeight}),
            std::make_unique<TextBox>(this, axis.name,
                                      Design{.left = kFieldBesideListLeft, .top = kFieldTop, .width = kAxisFieldWidth,
                                             .height = kTextBoxHeight, .maxLength = axis.maxLength}),
            nullptr};
}

std::vector<CommandDialog::LabelledBox> CommandDialog::makeValueFields()
{
    std::vector<LabelledBox> made;
    for (const CommandField& field : design_.fields) {
        auto label = std::make_unique<Label>(this, field.labelName, Design{.caption = field.label});
        auto box = std::make_unique<TextBox>(this, field.name, Design{.caption = field.designText, .maxLength = field.maxLength});
        made.push_back({std::move(label), std::move(box), nullptr});
    }
    return made;
}

void CommandDialog::makeLaterControls()
{
    for (const CommandReadBack& readBack : design_.readBacks) {
        readBacks_.push_back({std::make_unique<Label>(this, readBack.captionName, Design{.caption = readBack.caption}),
                              std::make_unique<Label>(this, readBack.name)});
    }
    if (design_.choices) {
        const CommandChoices& choices = *design_.choices;
        if (!choices.frameName.empty())
            choiceFrame_ = std::make_unique<Frame>(this, choices.frameName, Design{.caption = choices.frameCaption});
        if (!choices.headingName.empty())
            choiceHeading_ = std::make_unique<Label>(this, choices.headingName, Design{.caption = choices.heading});
        bool first = true;
        for (const CommandOption& option : choices.options) {
            OptionRow row;
            const Design design{.container = choiceFrame_.get()};
            if (option.arrayIndex >= 0) {
                row.array = std::make_unique<ControlArray<OptionButton>>(this, option.name);
                row.option = &row.array->add(option.arrayIndex, design);
            } else {
                row.single = std::make_unique<OptionButton>(this, option.name, design);
                row.option = row.single.get();
            }
            row.label = std::make_unique<Label>(this, option.labelName, Design{.caption = option.label});
            row.option->setValue(first);
            first = false;
            options_.push_back(std::move(row));
        }
    }
    if (design_.modeList) {
        const CommandModeList& list = *design_.modeList;
        modeLabel_ = std::make_unique<Label>(this, list.labelName, Design{.caption = list.label});
        modeList_ = std::make_unique<ComboBox>(this, list.name, Design{}, ComboBox::Style::DropDownList);
        for (const CommandModeRow& row : list.rows) modeList_->addItem(row.text);
    }
    if (design_.axisChecks) {
        const CommandAxisChecks& checks = *design_.axisChecks;
        checkFrame_ = std::make_unique<Frame>(this, checks.frameName, Design{.caption = checks.frameCaption});
        int n = 1;
        for (const CommandAxisCheck& box : checks.boxes) {
            axisChecks_.add(n++, Design{.caption = box.caption, .container = checkFrame_.get()})
                .setValue(box.checked ? CheckBox::Checked : CheckBox::Unchecked);
        }
    }
    if (design_.notice) {
        notice_ = std::make_unique<TextBox>(this, design_.notice->name, Design{.caption = design_.notice->text});
        notice_->setMultiLine(true);
        notice_->setLocked(true);
        notice_->setBackColor(design_.notice->backColor);
    }
}

void CommandDialog::arrange()
{
    float y = kRowsTop;
    auto row = [&y](Control& caption, Control& value, float valueWidth) {
        caption.move(kDialogMargin, y, kRowCaptionWidth, kTextBoxHeight);
        value.move(kRowValueLeft, y, valueWidth, kTextBoxHeight);
        y += kRowStep;
    };
    for (LabelledBox& field : fields_) row(*field.label, *field.box, kRowValueWidth);
    for (LabelledValue& readBack : readBacks_) row(*readBack.caption, *readBack.value, kReadBackWidth);

    if (modeList_) {
        modeLabel_->move(kDialogMargin, y, kRowCaptionWidth, kTextBoxHeight);
        modeList_->move(kRowValueLeft, y, kRowValueWidth + kAxisFieldWidth, kDropDownHeight);
        y += kRowStep;
    }
    if (choiceHeading_) {
        choiceHeading_->move(kDialogMargin, y, kGroupWidth, kLabelHeight);
        y += kOptionStep;
    }
    if (!options_.empty()) {
        // Inside a frame the buttons sit below its caption (frame coordinates) and their labels
        // stand beside the frame; without one both stand on the form.
        const float rowsTop = choiceFrame_ ? kGroupCaptionHeight : y;
        const float labelsTop = choiceFrame_ ? y + kGroupCaptionHeight : y;
        const float frameWidth = kOptionSize + 2 * kDialogMargin;
        const float labelLeft = choiceFrame_ ? kDialogMargin + frameWidth + kGap : kDialogMargin + kOptionSize + kGap;
        const float rowsHeight = static_cast<float>(options_.size()) * kOptionStep;
        for (std::size_t i = 0; i < options_.size(); ++i) {
            const float offset = static_cast<float>(i) * kOptionStep;
            options_[i].option->move(kDialogMargin, rowsTop + offset, kOptionSize, kOptionSize);
            options_[i].label->move(labelLeft, labelsTop + offset, kOptionLabelWidth, kOptionSize);
        }
        if (choiceFrame_) {
            choiceFrame_->move(kDialogMargin, y, frameWidth, kGroupCaptionHeight + rowsHeight + kGap);
            y += kGroupCaptionHeight + kGap;
        }
        y += rowsHeight + kGap;
    }
    if (checkFrame_) {
        float checkTop = kGroupCaptionHeight;
        axisChecks_.each([&](int, CheckBox& box) {
            box.move(kDialogMargin, checkTop, kCheckWidth, kOptionSize);
            checkTop += kOptionStep;
        });
        checkFrame_->move(kDialogMargin, y, kGroupWidth, checkTop + kGap);
        y += checkTop + 2 * kGap;
    }

    memberAreaTop_ = y;
    y += design_.memberAreaHeight;
    msgtxt.move(kDialogMargin, y, kTextWidth, kStatusBoxHeight);
    y += kStatusBoxHeight + kGap;
    if (notice_) {
        notice_->move(kDialogMargin, y, kTextWidth, kStatusBoxHeight);
        y += kStatusBoxHeight + kGap;
    }
    setHeight(y + kTitleBarHeight);
}

void CommandDialog::placeStatusBox(float top, float formWidth)
{
    msgtxt.move(kDialogMargin, top, formWidth - 3 * kDialogMargin, kStatusBoxHeight);
    setWidth(formWidth);
    setHeight(top + kStatusBoxHeight + kDialogMargin + kTitleBarHeight);
}

void CommandDialog::wireField(LabelledBox& entry, const FieldRule& rule)
{
    entry.field = std::make_unique<EntryField>(app_, *entry.box, rule);
    entry.field->entered = [this] { clearMessage(); };
    entry.field->checked = [this] { applyRunRule(); };
}

void CommandDialog::wireEvents()
{
    bidlist.onClick = [this] { bidlist_Click(); };
    if (design_.boardKeys) bidlist.onKeyDown = [this](int& keyCode, int) { boards_.pickByKey(keyCode); };
    if (design_.clearing.boardListFocus) bidlist.onGotFocus = [this] { clearMessage(); };
    if (design_.clearing.messageBox) {
        msgtxt.onGotFocus = [this] { clearMessage(); };
        msgtxt.onClick = [this] { clearMessage(); };
    }
    if (axis_.box) {
        // The axis is clamped silently to the selected board's axes as it is typed.
        wireField(axis_, {.keys = design_.axis->keys, .check = FieldCheck::ClampInteger,
                          .leaving = FieldLeaving::Keep, .selectOnFocus = design_.axis->selectOnFocus});
        axis_.field->boundsNow = [this] { return axisBounds(); };
    }
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        wireField(fields_[i], design_.fields[i].rule);
        if (design_.fields[i].boundsByType) fields_[i].field->boundsNow = [this, i] { return valueBounds(i); };
    }
    for (OptionRow& row : options_) {
        OptionButton& option = *row.option;
        row.label->onClick = [&option] { option.setValue(true); };
        const bool clears = design_.choices->clickClearsMessage;
        // Choosing an option may be what Run waited for.
        option.onClick = [this, clears] {
            if (clears) clearMessage();
            applyRunRule();
        };
    }
    axisChecks_.each([this](int, CheckBox& box) { box.onClick = [this] { applyRunRule(); }; });
    runcmd.onClick = [this] { runcmd_Click(); };
}

TextBox& CommandDialog::axistxt() const
{
    if (!axis_.box) throw std::logic_error(name() + " is a board-level dialog: it has no axis field");
    return *axis_.box;
}

Label& CommandDialog::axisLabel() const
{
    if (!axis_.label) throw std::logic_error(name() + " is a board-level dialog: it has no axis field");
    return *axis_.label;
}

TextBox& CommandDialog::field(std::size_t index) const { return *fields_.at(index).box; }
Label& CommandDialog::fieldLabel(std::size_t index) const { return *fields_.at(index).label; }
EntryField& CommandDialog::fieldEntry(std::size_t index) const { return *fields_.at(index).field; }
Label& CommandDialog::readBack(std::size_t index) const { return *readBacks_.at(index).value; }
OptionButton& CommandDialog::option(std::size_t index) const { return *options_.at(index).option; }
Label& CommandDialog::optionLabel(std::size_t index) const { return *options_.at(index).label; }

Frame& CommandDialog::choiceFrame() const
{
    if (!choiceFrame_) throw std::logic_error(name() + " has no frame around its options");
    return *choiceFrame_;
}

Label& CommandDialog::choiceHeading() const
{
    if (!choiceHeading_) throw std::logic_error(name() + " has no heading above its options");
    return *choiceHeading_;
}

ComboBox& CommandDialog::modeList() const
{
    if (!modeList_) throw std::logic_error(name() + " has no mode list");
    return *modeList_;
}

TextBox& CommandDialog::notice() const
{
    if (!notice_) throw std::logic_error(name() + " has no advisory text");
    return *notice_;
}

std::vector<std::int16_t> CommandDialog::valueValid() const
{
    std::vector<std::int16_t> flags;
    for (const LabelledBox& entry : fields_) flags.push_back(entry.field->valid());
    return flags;
}

std::int16_t CommandDialog::checkedAxes() const
{
    std::int16_t set = 0;
    axisChecks_.each([&](int n, const CheckBox& box) {
        if (n <= state_.AxisCount && box.value() == CheckBox::Checked) set = static_cast<std::int16_t>(set | (1 << (n - 1)));
    });
    return set;
}

void CommandDialog::applyRunRule()
{
    bool enabled = boardListed() && (!axis_.field || axis_.field->valid() == 1);
    for (const LabelledBox& entry : fields_) enabled = enabled && entry.field->valid() == 1;
    if (!options_.empty()) enabled = enabled && selectedOption().has_value();
    if (enabled && design_.runRule) enabled = design_.runRule();
    runcmd.setEnabled(enabled);
}

void CommandDialog::Form_Load()
{
    if (axis_.field) axis_.field->setValid(0);
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i].field->setValid(design_.fields[i].designText.empty() ? 0 : 1);
    state_.BoardId = -1;
    const std::optional<std::int16_t> preselected = boards_.fill(design_.mask);
    if (preselected && state_.BoardId == -1) state_.BoardId = *preselected;
    if (!boardListed()) {
        disableWithoutBoard();
        return;
    }
    if (axis_.box) {
        state_.AxisNumber = 1;
        if (design_.axis->sharedAxis) app_.state().selection.CurrentAxis = 1;
        axis_.box->setText("1");
    } else {
        clearMessage();
    }
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!design_.fields[i].loadText.empty()) fields_[i].box->setText(design_.fields[i].loadText);
    }
    if (modeList_) modeList_->setListIndex(design_.modeList->loadRow);
    showKept();
    if (design_.showStored) design_.showStored();
    if (design_.loaded) design_.loaded();
    applyRunRule();
}

void CommandDialog::disableWithoutBoard()
{
    bidlist.setEnabled(false);
    if (axis_.box) axis_.box->setEnabled(false);
    for (LabelledBox& field : fields_) field.box->setEnabled(false);
    runcmd.setEnabled(false);
}

void CommandDialog::Form_Click()
{
    if (design_.clearing.formClick) clearMessage();
}

void CommandDialog::Form_Resize()
{
    if (design_.background.onResize) SendBackgroundToBack(app_);
}

void CommandDialog::Form_Deactivate()
{
    if (design_.background.onDeactivate) SendBackgroundToBack(app_);
}

void CommandDialog::showAxisChecks()
{
    axisChecks_.each([this](int n, CheckBox& box) { box.setVisible(n <= state_.AxisCount); });
}

void CommandDialog::bidlist_Click()
{
    const std::optional<std::int16_t> board = boards_.selected();
    if (!board) return;
    state_.BoardId = *board;
    if (const auto count = axisCountOf(app_.state().boards.BoardType[static_cast<std::size_t>(*board)]))
        state_.AxisCount = static_cast<std::int16_t>(*count);
    showAxisChecks();
    if (design_.boardChanged) design_.boardChanged();
    if (axis_.field) axis_.field->check();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (design_.fields[i].boundsByType) fields_[i].field->check();
    }
    applyRunRule();
}

std::optional<FieldBounds> CommandDialog::axisBounds() const
{
    const std::int16_t fixed = design_.axis->fixedCount;
    return FieldBounds{1, static_cast<double>(fixed > 0 ? fixed : state_.AxisCount)};
}

// Bounds that follow the board cannot be known before a board is selected.
std::optional<FieldBounds> CommandDialog::valueBounds(std::size_t index) const
{
    if (!app_.state().boards.isBoard(state_.BoardId)) return std::nullopt;
    return design_.fields[index].boundsByType(app_.state().boards.BoardType[static_cast<std::size_t>(state_.BoardId)]);
}

std::int32_t CommandDialog::selectedMode() const
{
    if (!design_.modeList) return 0;
    const std::vector<CommandModeRow>& rows = design_.modeList->rows;
    const int row = modeList_->listIndex();
    if (row < 0 || row >= static_cast<int>(rows.size())) return design_.modeList->noRowValue;
    return rows[static_cast<std::size_t>(row)].value;
}

std::optional<std::size_t> CommandDialog::selectedOption() const
{
    for (std::size_t i = 0; i < options_.size(); ++i) {
        if (options_[i].option->value()) return i;
    }
    return std::nullopt;
}

std::int16_t CommandDialog::selectedChoice() const
{
    const std::optional<std::size_t> selected = selectedOption();
    return selected ? design_.choices->options[*selected].value : std::int16_t{0};
}

// Axis 1 of the board the load preselected; a record without the field shows nothing.
void CommandDialog::showKept()
{
    const std::int16_t board = state_.BoardId;
    if (!app_.state().boards.isBoard(board)) return;
    const std::int16_t type = app_.state().boards.BoardType[static_cast<std::size_t>(board)];
    for (const CommandKept& kept : design_.kept) {
        if (!kept.shownAtLoad) continue;
        const std::optional<double> stored = axisSetting(app_.state().Settings, type, board, 1, kept.field);
        if (!stored) continue;
        if (kept.from == KeptFrom::ValueField) {
            fields_[kept.index].box->setText(strSigned(*stored));
            continue;
        }
        for (std::size_t i = 0; i < options_.size(); ++i)
            options_[i].option->setValue(design_.choices->options[i].value == *stored);
    }
}

void CommandDialog::keepSent(const CommandRun& run)
{
    for (const CommandKept& kept : design_.kept) {
        const auto asDouble = [](auto value) { return static_cast<double>(value); };
        const double sent = kept.from == KeptFrom::Choice ? static_cast<double>(run.choice)
                                                          : std::visit(asDouble, run.values.at(kept.index));
        setAxisSetting(app_.state().Settings, run.type, run.board, run.axis, kept.field, sent);
    }
}

void CommandDialog::runcmd_Click()
{
    // Run is disabled while no row is selected; the board is still checked before any call.
    const std::optional<std::int16_t> selected = boards_.selected();
    if (!selected) return;
    const std::int16_t board = *selected;
    state_.BoardId = board;

    CommandRun run{.driver = app_.driver(),
                   .board = board,
                   .type = app_.state().boards.BoardType[static_cast<std::size_t>(board)]};
    if (axis_.box) {
        state_.AxisNumber = toInt16Saturated(valueOf(axis_.box->text()));
        if (design_.axis->sharedAxis) app_.state().selection.CurrentAxis = state_.AxisNumber;
        run.axis = design_.axis->sharedAxis ? app_.state().selection.CurrentAxis : state_.AxisNumber;
    }
    for (std::size_t i = 0; i < fields_.size(); ++i)
        run.values.push_back(convertField(fields_[i].box->text(), design_.fields[i].conversion));
    run.choice = selectedChoice();
    run.axisSet = checkedAxes();
    run.mode = selectedMode();

    const DriverStatus status = design_.call(run);
    msgtxt.setText(run.message ? *run.message : StatusText(status));
    showReadBacks(run, status);
    if (status != ZEVA_noError) return;
    keepSent(run);
    if (design_.keep) design_.keep(run);
}

void CommandDialog::showReadBacks(const CommandRun& run, DriverStatus status)
{
    for (std::size_t i = 0; i < readBacks_.size(); ++i) {
        Label& value = *readBacks_[i].value;
        if (status == ZEVA_noError) {
            if (i < run.shown.size() && run.shown[i]) value.setCaption(*run.shown[i]);
        } else if (design_.readBacks[i].clearOnFailure) {
            value.setCaption("");
        }
    }
}

} // namespace tarvik
