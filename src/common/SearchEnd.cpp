#include "common/SearchEnd.h"

#include "base/NumberText.h"
#include "common/MotionWaits.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"

namespace tarvik {

std::optional<std::int16_t> WaitSearchEnd(App& app, std::int16_t board, std::int16_t axis, const SearchEndWait& wait,
                                          const AbandonSearch& abandon, TextBox& statusBox)
{
    Clock& clock = app.clock();
    const std::int64_t start = clock.nowMicros();
    std::int16_t word = 0;
    for (;;) {
        if (wait.stopRequested && wait.stopRequested()) return std::nullopt;
        if (const DriverStatus status = app.driver().read_axis_stat(board, axis, word)) {
            statusBox.setText(abandon(StatusText(status)));
            return std::nullopt;
        }
        if (AxisMoveDone(word)) return word;
        if (clock.nowMicros() - start >= wait.timeoutMicros) {
            statusBox.setText(abandon("Axis #" + strTrimmed(axis) + " of board " + strTrimmed(board) + " " +
                                      wait.overdue + " within " + strTrimmed(wait.timeoutMicros / 1'000'000) +
                                      " seconds."));
            return std::nullopt;
        }
        if (!wait.betweenPolls)
            clock.spend(kPollIntervalMicros);
        else if (!wait.betweenPolls(clock.nowMicros() + kEventPollIntervalMicros))
            return std::nullopt;
    }
}

bool ShowSearchEnd(std::int16_t word, std::span<const SearchEndReport> reports, const std::string& axisText,
                   TextBox& statusBox)
{
    for (const SearchEndReport& report : reports) {
        if (hasBits(word, report.bit) != report.whenSet) continue;
        statusBox.setText(report.text + axisText + ".");
        return true;
    }
    return false;
}

} // namespace tarvik
