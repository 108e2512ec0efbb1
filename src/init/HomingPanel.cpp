#include "init/HomingPanel.h"

#include "base/NumberText.h"
#include "common/SearchVelocity.h"
#include "driver/StatusText.h"
#include "init/SaveOption.h"
#include "init/SettingsRanges.h"
#include "program/App.h"
#include "program/AxisSettings.h"
#include "shell/Shell.h"

namespace tarvik {

namespace {

constexpr int kAxisButtons = 4;
constexpr float kPanelWidth = 4620;
constexpr float kPanelHeight = 2820;

} // namespace

HomingPanel::HomingPanel(App& app, const HomingPanelLayout& layout)
    : WatchedMotionPanel(app, layout.name,
                         {.caption = layout.caption,
                          .width = kPanelWidth,
                          .height = kPanelHeight,
                          .mdiChild = false,
                          .helpTopic = layout.helpTopic}),
      cmdquit(this, "cmdquit", layout.quit),
      msgtxt(this, "msgtxt", layout.status),
      searchName_(layout.searchName)
{
    for (int axis = 1; axis <= kAxisButtons; ++axis) {
        const auto i = static_cast<std::size_t>(axis - 1);
        CommandButton& button = cmdaxis.add(axis, {.caption = "Axis #" + strTrimmed(axis),
                                                   .left = layout.axisLefts[i],
                                                   .top = layout.axisTop,
                                                   .width = layout.axisWidth,
                                                   .height = layout.axisHeight,
                                                   .tabIndex = axis - 1});
        button.onClick = [this, axis] { cmdaxis_Click(axis); };
    }
    msgtxt.setMultiLine(true);
    msgtxt.setLocked(true);
    msgtxt.onGotFocus = [this] { msgtxt.setText(""); };
    cmdquit.onClick = [this] { unload(); };
}

void HomingPanel::Form_Load()
{
    PlaceOverMainWindow(app_, *this, kOptionWindowOffset);
}

bool HomingPanel::showFor(std::int16_t board)
{
    board_ = board;
    layOutForBoard();
    return showModal();
}

void HomingPanel::layOutForBoard()
{
    if (!app_.state().boards.isBoard(board_)) {
        enableAxisButtons(kAxisButtons, false);
        msgtxt.setText(NothingToSearchOn(board_));
        return;
    }
    if (axisCount() == 3) {
        // Three buttons spread over the width of four: #2 moves half-way towards #3, #3 takes
        // the place of #4.
        const float second = cmdaxis(2).left();
        const float third = cmdaxis(3).left();
        cmdaxis(2).setLeft(static_cast<float>(static_cast<int>((second + third) / 2)));
        cmdaxis(3).setLeft(cmdaxis(4).left());
        cmdaxis(4).setVisible(false);
    }
    shownForBoard();
}

std::int16_t HomingPanel::boardType() const
{
    return app_.state().boards.typeOf(board_);
}

int HomingPanel::axisCount() const
{
    return app_.state().boards.isBoard(board_) ? axisCountOf(boardType()).value_or(0) : 0;
}

bool HomingPanel::mayRunOn(int axis)
{
    if (axis < 1 || axis > axisCount()) return false;
    if (boardGroup() == BoardGroup::Encoder) {
        showStatus(ZEVA_motionOnlyError);
        return false;
    }
    // A search left unstopped is not given up for another one.
    return killWatched();
}

void HomingPanel::enableAxisButtons(int count, bool enabled)
{
    for (int axis = 1; axis <= count && axis <= kAxisButtons; ++axis) cmdaxis(axis).setEnabled(enabled);
}

std::optional<SearchSettings> HomingPanel::searchSettings(int axis)
{
    if (std::string report = OutOfRangeReport(app_, board_, OptionOf(app_, *boardGroup())); !report.empty()) {
        msgtxt.setText(report);
        return std::nullopt;
    }
    // Fields the record does not hold (the open-loop steppers' index fields) read as 0.
    const auto field = [&](AxisField f) {
        return axisSetting(app_.state().Settings, boardType(), board_, axis, f).value_or(0);
    };
    return SearchSettings{.findRpm = field(AxisField::FindRpm),
                          .homeReverse = booleanArgument(toInt16Saturated(field(AxisField::HomeReverse))),
                          .indexReverse = booleanArgument(toInt16Saturated(field(AxisField::IndexReverse))),
                          .refOffset = toInt16Saturated(field(AxisField::RefOffset))};
}

bool HomingPanel::loadSearchVelocity(int axis, double rpm)
{
    return LoadSearchVelocity(app_.driver(), board_, static_cast<std::int16_t>(axis), rpm, msgtxt);
}

void HomingPanel::showStatus(DriverStatus status)
{
    msgtxt.setText(StatusText(status));
}

void HomingPanel::searchStarted(std::int16_t axis)
{
    motionStarted({.board = board_, .axes = {axis}, .name = searchName_, .shortName = "search"});
}

void HomingPanel::abandonSearch(const std::string& reason)
{
    msgtxt.setText(abandonMotion(reason));
}

} // namespace tarvik
