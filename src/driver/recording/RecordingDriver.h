#pragma once

#include "base/Clock.h"
#include "driver/EntryPointList.h"
#include "driver/MotionDriver.h"
#include "driver/recording/CallArguments.h"
#include "driver/recording/InjectionRules.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

enum class CallInjection {
    None,    // the wrapped driver answered
    Fault,   // an injected status; the wrapped driver was not called
    Returns, // scripted output values with status 0
};

// One driver call as the recording driver saw it.
struct CallRecord {
    std::string_view entry;
    // The arguments as printed: by-reference outputs as '&' and their value after the call
    // ('&' alone when they were not written: a failed call or an injected fault), read_rdb's
    // count as "&IN->OUT" and its packets as "[axis:command:data, ...]", the board name as
    // quoted text, get_bd_config's boards as "&{ID=TYPE@ADDRESS, ...}".
    std::vector<std::string> arguments;
    DriverStatus status = 0;
    std::int64_t timeMicros = 0; // clock time when the call was made
    CallInjection injection = CallInjection::None;

    // "read_pos(1, 2, &1500)"
    std::string text() const;
};

// Wraps a driver: forwards every call, logs it, and can make an entry point fail or hand back
// scripted values (plain outputs, Return Data Buffer packets, a board name).
//
// Faults: a failing call returns the chosen status at once; its outputs are left as they were
// and the wrapped driver is not called. Scripted values: the wrapped driver is still called,
// so the board's own state and the time a call costs go on as usual (a polling loop that is
// fed scripted values still reaches its time bound); then its outputs are overwritten with the
// scripted values and the status is 0, whatever the wrapped driver answered.
class RecordingDriver final : public MotionDriver {
public:
    // The integer types the entry-point list is written with.
    using I16 = std::int16_t;
    using I32 = std::int32_t;

    RecordingDriver(MotionDriver& inner, const Clock& clock);
    RecordingDriver(std::unique_ptr<MotionDriver> inner, const Clock& clock);

    MotionDriver& inner() { return inner_; }
    // Those of the wrapped driver: recording changes neither.
    bool simulated() const override { return inner_.simulated(); }
    std::string configurationError() const override { return inner_.configurationError(); }

    // See InjectionRules for the arguments and the errors thrown. A count of nullopt: always.
    void injectFault(std::string_view entry, DriverStatus status, std::optional<int> count = std::nullopt,
                     int after = 0);
    void scriptReturns(std::string_view entry, const std::vector<double>& values,
                       std::optional<int> count = std::nullopt);
    void scriptReturnSequence(std::string_view entry, const std::vector<std::vector<double>>& answers);
    void scriptReturnedPackets(std::string_view entry, std::vector<RdbPacket> packets,
                               std::optional<int> count = std::nullopt);
    void scriptReturnedText(std::string_view entry, std::string text, std::optional<int> count = std::nullopt);
    void clearInjections();

    // The log keeps the newest calls only, so that a program polling without end cannot fill
    // the memory: when it holds callLogLimit() calls, the oldest quarter of them is dropped.
    static constexpr std::size_t kDefaultCallLogLimit = 1'000'000;
    std::size_t callLogLimit() const { return logLimit_; }
    // At least 4; a log already longer is cut at the next call.
    void setCallLogLimit(std::size_t limit);
    // How many calls were dropped to make room since the log was last cleared.
    std::size_t droppedCalls() const { return dropped_; }

    // The call log. The mark divides calls already consumed by a check from those still open;
    // dropping calls moves it along with them.
    const std::vector<CallRecord>& calls() const { return calls_; }
    std::span<const CallRecord> callsSinceMark() const;
    std::size_t markPosition() const { return mark_; }
    // Consumes every call so far.
    void mark() { mark_ = calls_.size(); }
    // Consumes the calls up to and including `index`; never moves the mark back.
    void consumeThrough(std::size_t index);
    void clearLog();

#define TARVIK_DECLARE_ENTRY_POINT(name, parameters, arguments) DriverStatus name parameters override;
    TARVIK_ENTRY_POINTS(TARVIK_DECLARE_ENTRY_POINT, TARVIK_DECLARE_ENTRY_POINT)
#undef TARVIK_DECLARE_ENTRY_POINT

private:
    // The plain entry points, each forwarded to record with its by-reference outputs wrapped.
    template <EntryName Name, typename... Params, typename... Args>
    DriverStatus forward(DriverStatus (MotionDriver::*entry)(Params...), Args&... args);
    template <EntryName Name, typename... Params, typename... Args>
    DriverStatus record(DriverStatus (MotionDriver::*entry)(Params...), Args... args);
    // Makes room for one more call.
    void dropOldest();

    std::unique_ptr<MotionDriver> owned_;
    MotionDriver& inner_;
    const Clock& clock_;
    InjectionRules rules_;
    std::vector<CallRecord> calls_;
    std::size_t mark_ = 0;
    std::size_t logLimit_ = kDefaultCallLogLimit;
    std::size_t dropped_ = 0;
};

} // namespace tarvik
