#include "driver/recording/RecordingDriver.h"

#include "driver/EntryPoints.h"

#include <algorithm>
#include <tuple>
#include <type_traits>
#include <utility>

namespace tarvik {

std::string CallRecord::text() const {
    std::string text(entry);
    text += '(';
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) text += ", ";
        text += arguments[i];
    }
    return text + ')';
}

RecordingDriver::RecordingDriver(MotionDriver& inner, const Clock& clock) : inner_(inner), clock_(clock) {}

RecordingDriver::RecordingDriver(std::unique_ptr<MotionDriver> inner, const Clock& clock)
    : owned_(std::move(inner)), inner_(*owned_), clock_(clock) {}

void RecordingDriver::injectFault(std::string_view entry, DriverStatus status, std::optional<int> count, int after) {
    rules_.setFault(entry, status, count, after);
}

void RecordingDriver::scriptReturns(std::string_view entry, const std::vector<double>& values,
                                    std::optional<int> count) {
    rules_.setReturns(entry, values, count);
}

void RecordingDriver::scriptReturnSequence(std::string_view entry, const std::vector<std::vector<double>>& answers) {
    rules_.setReturnSequence(entry, answers);
}

void RecordingDriver::scriptReturnedPackets(std::string_view entry, std::vector<RdbPacket> packets,
                                            std::optional<int> count) {
    rules_.setReturnedPackets(entry, std::move(packets), count);
}

void RecordingDriver::scriptReturnedText(std::string_view entry, std::string text, std::optional<int> count) {
    rules_.setReturnedText(entry, std::move(text), count);
}

void RecordingDriver::clearInjections() { rules_.clear(); }

std::span<const CallRecord> RecordingDriver::callsSinceMark() const {
    return std::span<const CallRecord>(calls_).subspan(mark_);
}

void RecordingDriver::consumeThrough(std::size_t index) { mark_ = std::max(mark_, std::min(index + 1, calls_.size())); }

void RecordingDriver::clearLog() {
    calls_.clear();
    mark_ = 0;
    dropped_ = 0;
}

void RecordingDriver::setCallLogLimit(std::size_t limit) { logLimit_ = std::max<std::size_t>(limit, 4); }

// A quarter at a time, so that the calls move down the vector only once every limit/4 calls.
void RecordingDriver::dropOldest() {
    if (calls_.size() < logLimit_) return;
    const std::size_t count = calls_.size() - logLimit_ + std::max<std::size_t>(logLimit_ / 4, 1);
    calls_.erase(calls_.begin(), calls_.begin() + static_cast<std::ptrdiff_t>(count));
    mark_ = mark_ > count ? mark_ - count : 0;
    dropped_ += count;
}

// Every entry point comes through here: fault, or forward (then scripted values), then log.
template <EntryName Name, typename... Params, typename... Args>
DriverStatus RecordingDriver::record(DriverStatus (MotionDriver::*entry)(Params...), Args... args) {
    constexpr std::size_t index = entryPointIndex(Name.view());
    static_assert(index < kEntryPoints.size(), "not a driver entry point");
    static_assert(outputsMatch<Args...>(kEntryPoints[index].outputs), "outputs differ from the entry-point table");
    const EntryPoint* known = &kEntryPoints[index];

    CallRecord call{known->name, {}, 0, clock_.nowMicros(), CallInjection::None};
    if (const auto fault = rules_.takeFault(known->name)) {
        call.status = *fault;
        call.injection = CallInjection::Fault;
    } else {
        auto inner = std::tuple_cat(unwrap(args)...);
        call.status = std::apply([&](auto&&... a) { return (inner_.*entry)(a...); }, inner);
        if (const auto outputs = rules_.takeReturns(known->name)) {
            std::size_t next = 0;
            (assignScripted(args, *outputs, next), ...);
            call.status = 0;
            call.injection = CallInjection::Returns;
        }
    }
    const bool outputsWritten = call.status == 0 && call.injection != CallInjection::Fault;
    (appendPrinted(call.arguments, args, outputsWritten), ...);
    dropOldest();
    calls_.push_back(std::move(call));
    return calls_.back().status;
}

namespace {

// Wraps a by-reference output for record; a value passes as it is.
template <typename Param, typename Arg>
auto asRecorded(Arg& argument) {
    if constexpr (std::is_lvalue_reference_v<Param>)
        return Out<std::remove_reference_t<Param>>{argument};
    else
        return argument;
}

} // namespace

template <EntryName Name, typename... Params, typename... Args>
DriverStatus RecordingDriver::forward(DriverStatus (MotionDriver::*entry)(Params...), Args&... args) {
    static_assert(sizeof...(Params) == sizeof...(Args), "one argument per parameter");
    return record<Name>(entry, asRecorded<Params>(args)...);
}

// The plain entry points from the list; those handing over buffers are written out below.
#define TARVIK_ARGUMENTS(...) __VA_ARGS__
#define TARVIK_FORWARD_ENTRY_POINT(name, parameters, arguments) \
    DriverStatus RecordingDriver::name parameters { \
        return forward<#name>(&MotionDriver::name, TARVIK_ARGUMENTS arguments); \
    }
#define TARVIK_WRITTEN_OUT(name, parameters, arguments)
TARVIK_ENTRY_POINTS(TARVIK_FORWARD_ENTRY_POINT, TARVIK_WRITTEN_OUT)
#undef TARVIK_WRITTEN_OUT
#undef TARVIK_FORWARD_ENTRY_POINT
#undef TARVIK_ARGUMENTS

DriverStatus RecordingDriver::get_bd_config(std::span<std::int16_t> typeCodes, std::span<std::int16_t> ioAddresses) {
    return record<"get_bd_config">(&MotionDriver::get_bd_config, BoardConfigArrays{typeCodes, ioAddresses});
}


DriverStatus RecordingDriver::get_motion_board_name(std::int16_t board, std::span<char> name, std::int32_t& length) {
    return record<"get_motion_board_name">(&MotionDriver::get_motion_board_name, board, NameBuffer(name, length));
}


DriverStatus RecordingDriver::read_rdb(std::int16_t board, std::int16_t& count, std::span<std::int16_t> axes,
        std::span<std::int16_t> commands, std::span<std::int32_t> data) {
    return record<"read_rdb">(&MotionDriver::read_rdb, board, RdbArrays(count, axes, commands, data));
}


} // namespace tarvik
