#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "driver/BoardTypes.h"

namespace tarvik {

class App;

// What follows a sequence as it runs (the initialisation's progress window): it is told of each
// step as the step begins, then asked whether to go on, and asked again between two polls of
// the test move's waits; it lets events run meanwhile.
class InitWatch {
public:
    // `step` names what the step sends; `axis` is 0 for a step of the whole board.
    virtual void stepBegins(std::string_view step, std::int16_t axis) = 0;
    // False stops the sequence where it stands.
    virtual bool goOn() = 0;

protected:
    ~InitWatch() = default;
};

// What an initialisation sends for one axis, taken from the board's settings record. Fields
// a group's record does not have stay 0 and are not sent.
struct AxisInitValues {
    std::int16_t countsPerRev = 0;   // encoder lines (servo, encoder) or motor steps (steppers)
    std::int16_t linesPerRev = 0;    // closed-loop steppers: encoder lines
    std::int32_t followingError = 0;
    std::int16_t propGain = 0;
    std::int16_t intgGain = 0;
    std::int16_t derivGain = 0;
    std::int16_t derivPeriod = 0;
    std::int16_t intgLimit = 0;
    std::int16_t stopMode = 0;
    std::int16_t loopMode = 0;       // closed-loop steppers: the record's ClosedLoop flag, as -1 or 0
    // Kept for the XY demo, not sent.
    std::int32_t findRpm = 0;
    std::int16_t homeReverse = 0;    // -1 or 0
    std::int16_t indexReverse = 0;   // -1 or 0
    std::int16_t refOffset = 0;
};

// What an initialisation sends to one board.
struct BoardInitValues {
    std::int16_t board = 0;
    BoardGroup group = BoardGroup::Servo3;
    std::int16_t axisCount = 0;
    std::array<AxisInitValues, 4> axes{};   // axis a at a - 1
    std::int16_t limitPolarity = 0;
    std::int16_t limitEnable = 0;
    std::int16_t ioPolarity = 0;
    std::int16_t stepMode = 0;               // steppers only
    // The watch of the sequence (InitWatch); none when nothing follows it (tests).
    InitWatch* watch = nullptr;

    const AxisInitValues& axis(std::int16_t a) const { return axes[static_cast<std::size_t>(a - 1)]; }
};

// The values of a configured board's record; none for an ID that holds no board.
std::optional<BoardInitValues> InitValuesOf(const App& app, std::int16_t boardId);

// Sends `values` to the board in the one order every group follows, leaving out the steps the
// group has no use for:
//   kill each axis; counts per revolution of each axis (steps, steps and lines, or encoder
//   lines); limit polarity; limit enables; following error of each axis; the five servo gains
//   of each axis; stop mode of each axis; loop mode of each axis; I/O polarity; step output
//   word; position mode (relative) of each axis; a short test move of each axis forward and
//   back, each watched for a following error; the initialised mark of each axis.
// Encoder boards take no motion steps. Stops at the first failure and returns what to show in
// the error window: the status text of the failing call, the following error found by a test
// move, or a test move whose status could not be read or that did not end within
// kMoveDoneTimeoutMicros (naming board and axis, and saying whether its kill stopped it:
// KillGivenUpMotion); an empty text when the watch stopped it (what it leaves moving is the
// watch's to stop). None when every step succeeded.
std::optional<std::string> SendInitSteps(App& app, const BoardInitValues& values);

// Distance of each half of the test move, in counts.
inline constexpr std::int32_t kTestMoveCounts = 100;

} // namespace tarvik
