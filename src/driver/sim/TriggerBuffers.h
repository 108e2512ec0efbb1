#pragma once

#include "driver/MotionDriver.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>

namespace tarvik::sim {

// A board's trigger buffers: between begin and end of a prestore, commands are kept in the
// buffer of one trigger instead of being carried out; a trigger then carries out the commands
// up to the next delimiter.
class TriggerBuffers {
public:
    using Command = std::function<void(std::int64_t now)>;
    static constexpr int kCapacity = 256; // commands and delimiters per buffer

    DriverStatus begin(int trigger);
    DriverStatus end();
    DriverStatus delimit();
    bool prestoring() const { return prestoring_.has_value(); }
    DriverStatus store(Command command);
    // Carries out the next group of commands of `trigger`'s buffer.
    void fire(int trigger, std::int64_t now);

private:
    DriverStatus append(std::optional<Command> entry);

    std::optional<int> prestoring_;
    std::map<int, std::deque<std::optional<Command>>> buffers_; // an empty entry is a delimiter
};

} // namespace tarvik::sim
