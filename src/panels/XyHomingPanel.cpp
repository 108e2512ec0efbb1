#include "panels/XyHomingPanel.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "forms/common/MotionWaits.h"
#include "forms/common/SearchVelocity.h"
#include "program/App.h"
#include "program/Shell.h"

namespace tarvik {

namespace {

constexpr float kPanelOffset = 3000;
// A search covers at most the table's travel at the find velocity; ten minutes is far beyond
// that, so a search still going then has lost its axis.
constexpr std::int64_t kSearchTimeoutMicros = 600'000'000;
constexpr std::int64_t kSettleMicros = 20'000;

} // namespace

XyHomingPanel::XyHomingPanel(App& app, std::string name, std::string caption, std::string greeting)
    : WatchedMotionPanel(app, std::move(name), {.caption = std::move(caption), .width = 4200, .height = 2280, .mdiChild = false}),
      contcmd(this, "contcmd", {.caption = "Continue", .left = 240, .top = 1320, .width = 1095, .height = 375, .tabIndex = 0}),
      quitcmd(this, "quitcmd", {.caption = "Done", .left = 2760, .top = 1320, .width = 1095, .height = 375, .tabIndex = 2}),
      msgtxt(this, "msgtxt", {.caption = std::move(greeting), .left = 120, .top = 120, .width = 3855, .height = 1035, .tabIndex = 3})
{
    msgtxt.setMultiLine(true);
    msgtxt.setLocked(true);
    contcmd.onClick = [this] { contcmd_Click(); };
}

void XyHomingPanel::loadPanel(std::int16_t board)
{
    board_ = board;
    PlaceOverMainWindow(app_, *this, kPanelOffset);
    if (!app_.state().isBoard(board_)) {
        contcmd.setEnabled(false);
        msgtxt.setText("Board " + strTrimmed(board_) + " is not a configured board: there is nothing to search on.");
    }
}

double XyHomingPanel::findRpm(int axis) const
{
    const auto b = static_cast<std::size_t>(board_);
    return static_cast<double>(axis == 1 ? app_.state().XFindRpm[b] : app_.state().YFindRpm[b]);
}

bool XyHomingPanel::loadSearchVelocity(int axis, double rpm)
{
    const DriverStatus status = LoadSearchVelocity(app_.driver(), board_, static_cast<std::int16_t>(axis), rpm);
    if (status == ZEVA_noError) return true;
    showStatus(status);
    return false;
}

std::optional<std::int16_t> XyHomingPanel::waitSearchEnd(int axis, bool yield, const std::function<bool()>& killRequested)
{
    const auto a = static_cast<std::int16_t>(axis);
    Clock& clock = app_.clock();
    const std::int64_t start = clock.nowMicros();
    std::int16_t word = 0;
    for (;;) {
        if (killRequested && killRequested()) return std::nullopt;
        if (const DriverStatus status = app_.driver().read_axis_stat(board_, a, word)) {
            msgtxt.setText(abandonMotion(StatusText(status)));
            return std::nullopt;
        }
        if (AxisMoveDone(word)) return word;
        if (clock.nowMicros() - start >= kSearchTimeoutMicros) {
            msgtxt.setText(abandonMotion("Axis #" + strTrimmed(axis) + " of board " + strTrimmed(board_) +
                                         " did not end its search within " +
                                         strTrimmed(kSearchTimeoutMicros / 1'000'000) + " seconds."));
            return std::nullopt;
        }
        if (yield && !letEventsRun()) return std::nullopt;
        clock.spend(kPollIntervalMicros);
    }
}

void XyHomingPanel::settle() { app_.clock().spend(kSettleMicros); }

void XyHomingPanel::showStatus(DriverStatus status) { msgtxt.setText(StatusText(status)); }

std::int16_t XyHomingPanel::reportSearchEnd(std::optional<std::int16_t> word,
                                            std::span<const SearchEndReport> reports, const std::string& axisText)
{
    constexpr std::int16_t kEnded = -1;
    if (!word) return kEnded;
    for (const SearchEndReport& report : reports) {
        if (hasBits(*word, report.bit) != report.whenSet) continue;
        msgtxt.setText(report.text + axisText + ".");
        return kEnded;
    }
    return 0;
}

} // namespace tarvik
