#include "panels/xy/XyHomingPanel.h"

#include "common/SearchVelocity.h"
#include "driver/StatusText.h"
#include "program/App.h"
#include "shell/Shell.h"

namespace tarvik {

namespace {

constexpr float kPanelOffset = 3000;

} // namespace

XyHomingPanel::XyHomingPanel(App& app, std::string name, std::string caption, int helpTopic, std::string greeting)
    : WatchedMotionPanel(app, std::move(name),
                         {.caption = std::move(caption),
                          .width = 4200,
                          .height = 2280,
                          .mdiChild = false,
                          .helpTopic = helpTopic}),
      contcmd(this, "contcmd", {.caption = "Continue", .left = 240, .top = 1320, .width = 1095, .height = 375, .tabIndex = 0}),
      quitcmd(this, "quitcmd", {.caption = "Done", .left = 2760, .top = 1320, .width = 1095, .height = 375, .tabIndex = 2}),
      msgtxt(this, "msgtxt", {.caption = std::move(greeting), .left = 120, .top = 120, .width = 3855, .height = 1035, .tabIndex = 3})
{
    msgtxt.setMultiLine(true);
    msgtxt.setLocked(true);
    // Escape is Done, before, during and after a search.
    quitcmd.setCancel(true);
    contcmd.onClick = [this] { contcmd_Click(); };
}

void XyHomingPanel::Form_Load() { PlaceOverMainWindow(app_, *this, kPanelOffset); }

bool XyHomingPanel::showFor(std::int16_t board)
{
    board_ = board;
    searchStarted_ = false;
    if (!app_.state().boards.isBoard(board_)) {
        contcmd.setEnabled(false);
        msgtxt.setText(NothingToSearchOn(board_));
    }
    return showModal() && searchStarted_;
}

double XyHomingPanel::findRpm(int axis) const
{
    const auto b = static_cast<std::size_t>(board_);
    return static_cast<double>(axis == 1 ? app_.state().xy.XFindRpm[b] : app_.state().xy.YFindRpm[b]);
}

bool XyHomingPanel::loadSearchVelocity(int axis, double rpm)
{
    return LoadSearchVelocity(app_.driver(), board_, static_cast<std::int16_t>(axis), rpm, msgtxt);
}

std::optional<std::int16_t> XyHomingPanel::waitSearchEnd(int axis, bool yield, const std::function<bool()>& killRequested)
{
    SearchEndWait wait{
        .timeoutMicros = kSearchTimeoutMicros, .overdue = kSearchOverdue, .stopRequested = killRequested};
    if (yield) wait.betweenPolls = [this](std::int64_t nextRead) { return letEventsRunUntil(nextRead); };
    return WaitSearchEnd(app_, board_, static_cast<std::int16_t>(axis), wait,
                         [this](const std::string& reason) { return abandonMotion(reason); }, msgtxt);
}

void XyHomingPanel::settle() { app_.clock().spend(kSettleMicros); }

void XyHomingPanel::showStatus(DriverStatus status) { msgtxt.setText(StatusText(status)); }

std::int16_t XyHomingPanel::reportSearchEnd(std::optional<std::int16_t> word,
                                            std::span<const SearchEndReport> reports, const std::string& axisText)
{
    constexpr std::int16_t kEnded = -1;
    return !word || ShowSearchEnd(*word, reports, axisText, msgtxt) ? kEnded : 0;
}

} // namespace tarvik
