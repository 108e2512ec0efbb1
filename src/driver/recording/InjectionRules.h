#pragma once

#include "driver/MotionDriver.h"
#include "driver/recording/ScriptedOutputs.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// The faults and scripted read values a RecordingDriver applies, per entry point. Each entry
// point holds at most one fault and one scripted return (or sequence of returns); setting one
// again replaces it.
// A count of nullopt means every call from now on.
class InjectionRules {
public:
    // The next `count` calls of `entry` return `status` without reaching the driver, after the
    // first `after` calls have gone through untouched. Throws std::invalid_argument for an
    // unknown entry point, a count below 1 or a negative `after`.
    void setFault(std::string_view entry, DriverStatus status, std::optional<int> count, int after);

    // The next `count` calls of `entry` hand back `values` in its by-reference outputs, one value
    // per output in argument order, with status 0. Integer outputs take whole numbers in their
    // signed range or as an unsigned bit pattern (0xFFFF for a 16-bit output reads back as -1).
    // Throws std::invalid_argument for an unknown entry point, one without plain outputs
    // (arrays and text buffers take the two setters below), the wrong number of values, a value the
    // output cannot hold, or a count below 1.
    void setReturns(std::string_view entry, const std::vector<double>& values, std::optional<int> count);
    // The next calls of `entry` hand back the answers in turn, one call each, each answer as
    // setReturns takes its values; after the last one the driver answers again. Throws as
    // setReturns does, and for an empty sequence.
    void setReturnSequence(std::string_view entry, const std::vector<std::vector<double>>& answers);
    // The same for the entry points that hand back Return Data Buffer packets (read_rdb) or a
    // name text (get_motion_board_name); see assignScripted in CallArguments.h for how they are
    // written. Throws std::invalid_argument for an entry point that hands back no such output.
    void setReturnedPackets(std::string_view entry, std::vector<RdbPacket> packets, std::optional<int> count);
    void setReturnedText(std::string_view entry, std::string text, std::optional<int> count);

    void clear();

    // Consumes one use of the entry's fault: its status when this call is to fail.
    std::optional<DriverStatus> takeFault(std::string_view entry);
    // Consumes one use of the entry's scripted outputs: the outputs when this call gets them.
    std::optional<ScriptedOutputs> takeReturns(std::string_view entry);

private:
    struct Fault {
        DriverStatus status;
        std::optional<int> remaining;
        int passesLeft;
    };
    struct Returns {
        ScriptedOutputs outputs;
        std::optional<int> remaining;
    };

    // The values as `entry`'s plain outputs hold them; throws as setReturns describes.
    static std::vector<double> fittedValues(std::string_view entry, const std::vector<double>& values);
    // Scripted outputs for an entry point whose outputs are exactly `letters`.
    void setOutputs(std::string_view entry, std::string_view letters, std::string_view what, ScriptedOutputs outputs,
                    std::optional<int> count);

    std::map<std::string, Fault, std::less<>> faults_;
    // The returns still to come, in call order.
    std::map<std::string, std::deque<Returns>, std::less<>> returns_;
};

} // namespace tarvik
