#include "init/LoadPidAllDialog.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"
#include "init/SettingsRanges.h"
#include "program/App.h"
#include "program/SettingsTables.h"

#include <type_traits>

namespace tarvik {

// One gain column: its box name, header, the values the record's field may hold, the field and
// the driver entry point.
struct PidColumn {
    std::string_view name;
    std::string_view header;
    int maxLength;
    const FieldRange& range;
    std::int16_t ServoAxisSettings::*field;

    // Whole numbers, checked as typed, their whole form when left.
    FieldRule rule() const
    {
        return {.keys = kUnsignedKeys, .check = FieldCheck::ValidateInteger, .bounds = range.bounds};
    }
    DriverStatus (MotionDriver::*send)(std::int16_t, std::int16_t, std::int16_t);
};

namespace {

using namespace field_ranges;

// The sample period selector lets 0 through here, unlike the single-gain dialog.
const PidColumn kColumns[] = {
    {"proptxt", "Proportional Gain", 5, kProportionalGain, &ServoAxisSettings::PropGain, &MotionDriver::load_prop_gain},
    {"intgtxt", "Integral Gain", 5, kIntegralGain, &ServoAxisSettings::IntgGain, &MotionDriver::load_intg_gain},
    {"derivtxt", "Derivative Gain", 5, kDerivativeGain, &ServoAxisSettings::DerivGain, &MotionDriver::load_deriv_gain},
    {"samppertxt", "Sample Period", 3, kSamplePeriod, &ServoAxisSettings::DerivPeriod, &MotionDriver::load_deriv_per},
    {"intlimtxt", "Integration Limit", 5, kIntegrationLimit, &ServoAxisSettings::IntgLimit,
     &MotionDriver::load_intg_lim},
};

constexpr int kMaxAxes = 4;
constexpr float kColumnLeft = 1080;
constexpr float kColumnWidth = 1335;
constexpr float kHeaderTop = 840;
constexpr float kRowTop = 1380;
constexpr float kRowHeight = 420;
constexpr float kRunTop = kRowTop + kMaxAxes * kRowHeight + 120;

float columnLeft(std::size_t column) { return kColumnLeft + static_cast<float>(column) * (kColumnWidth + 120); }

// The servo axis sub-record of a board's settings record; nullptr for other boards and axes.
ServoAxisSettings* servoAxis(App& app, std::int16_t board, int axis)
{
    ServoAxisSettings* found = nullptr;
    if (!app.state().boards.isBoard(board)) return nullptr;
    visitAxis(app.state().Settings, app.state().boards.BoardType[static_cast<std::size_t>(board)], board, axis, [&](auto& a) {
        if constexpr (std::is_same_v<std::remove_cvref_t<decltype(a)>, ServoAxisSettings>) found = &a;
    });
    return found;
}

} // namespace

LoadPidAllDialog::LoadPidAllDialog(App& app)
    : Form(app.runtime(), "frmldpid",
           {.caption = "Load PID All", .width = columnLeft(5) + 120, .height = kRunTop + 2100, .helpTopic = 324}),
      runcmd(this, "runcmd", {.caption = "Load All", .left = 1080, .top = kRunTop, .width = 1335, .height = 375, .enabled = false}),
      cancelcmd(this, "cancelcmd", {.caption = "Close", .left = 2535, .top = kRunTop, .width = 1335, .height = 375}),
      msgtxt(this, "msgtxt", {.left = 120, .top = kRunTop + 500, .width = columnLeft(5) - 240, .height = 855}),
      app_(app),
      boards_(app, bidlist)
{
    msgtxt.setLocked(true);
    msgtxt.setMultiLine(true);
    for (int a = 1; a <= kMaxAxes; ++a)
        lblAxis.add(a, {.caption = "Axis #" + std::to_string(a), .left = 120,
                        .top = kRowTop + static_cast<float>(a - 1) * kRowHeight + 30, .width = 855, .height = 255});
    for (std::size_t c = 0; c < std::size(kColumns); ++c) {
        const PidColumn& design = kColumns[c];
        ColumnControls& column = columns_.emplace_back();
        column.design = &design;
        column.header = std::make_unique<Label>(
            this, "lbl" + std::string(design.name),
            Design{.caption = std::string(design.header), .left = columnLeft(c), .top = kHeaderTop, .width = kColumnWidth, .height = 495});
        column.boxes = std::make_unique<ControlArray<TextBox>>(this, std::string(design.name));
        for (int a = 1; a <= kMaxAxes; ++a)
            column.boxes->add(a, {.left = columnLeft(c), .top = kRowTop + static_cast<float>(a - 1) * kRowHeight,
                                  .width = kColumnWidth, .height = 315, .maxLength = design.maxLength});
    }
    for (ColumnControls& column : columns_) {
        column.boxes->each([this, &column](int axis, TextBox& box) {
            auto& field = column.fields[static_cast<std::size_t>(axis)];
            field = std::make_unique<EntryField>(app_, box, column.design->rule());
            field->checked = [this] { updateRun(); };
        });
    }
    bidlist.onClick = [this] { bidlist_Click(); };
    bidlist.onKeyDown = [this](int& key, int) { boards_.pickByKey(key); };
    runcmd.onClick = [this] { runcmd_Click(); };
    cancelcmd.onClick = [this] { unload(); };
}

void LoadPidAllDialog::Form_Load()
{
    const std::optional<std::int16_t> preselected = boards_.fill(kServoGroups);
    if (preselected && board_ == -1) board_ = *preselected;
    if (bidlist.listIndex() < 0) showBoard();
}

void LoadPidAllDialog::showFor(std::int16_t board)
{
    boards_.select(board);
    show();
    if (isLoaded()) setWindowState(WindowState::Normal);
}

void LoadPidAllDialog::bidlist_Click()
{
    board_ = boards_.selected().value_or(-1);
    showBoard();
}

int LoadPidAllDialog::axisCount() const
{
    if (!app_.state().boards.isBoard(board_)) return 0;
    return axisCountOf(app_.state().boards.BoardType[static_cast<std::size_t>(board_)]).value_or(0);
}

// Shows the selected board's values; the rows of axes the board lacks are hidden, and with no
// board every box is disabled.
void LoadPidAllDialog::showBoard()
{
    const int axes = axisCount();
    lblAxis.each([&](int a, Label& label) { label.setVisible(a <= axes || axes == 0); });
    for (ColumnControls& column : columns_) {
        column.boxes->each([&](int a, TextBox& box) {
            box.setVisible(a <= axes || axes == 0);
            box.setEnabled(axes > 0);
            column.fields[static_cast<std::size_t>(a)]->setValid(0);
            if (const ServoAxisSettings* axis = servoAxis(app_, board_, a)) box.setText(strTrimmed(axis->*column.design->field));
        });
    }
    // Texts equal to what the boxes held raise no Change: check them all once.
    for (ColumnControls& column : columns_)
        for (int a = 1; a <= axes; ++a) column.fields[static_cast<std::size_t>(a)]->check();
    updateRun();
}

void LoadPidAllDialog::updateRun()
{
    const int axes = axisCount();
    bool complete = axes > 0;
    for (const ColumnControls& column : columns_)
        for (int a = 1; a <= axes; ++a) complete = complete && column.fields[static_cast<std::size_t>(a)]->valid() == 1;
    runcmd.setEnabled(complete);
}

void LoadPidAllDialog::runcmd_Click()
{
    const std::optional<std::int16_t> board = boards_.selected();
    if (!board) return;
    board_ = *board;
    const int axes = axisCount();
    if (axes == 0) return;
    DriverStatus status = 0;
    for (int a = 1; a <= axes && status == 0; ++a) {
        for (const ColumnControls& column : columns_) {
            const std::int16_t value = toInt16Saturated(valueOf((*column.boxes)(a).text()));
            status = (app_.driver().*column.design->send)(board_, static_cast<std::int16_t>(a), value);
            if (status != 0) break;
            ServoAxisSettings* axis = servoAxis(app_, board_, a);
            if (axis && axis->*column.design->field != value) {
                axis->*column.design->field = value;
                app_.state().boards.SettingsChanged[static_cast<std::size_t>(board_)] = -1;
            }
        }
    }
    msgtxt.setText(StatusText(status));
}

} // namespace tarvik
