#include "driver/sim/TriggerBuffers.h"

#include "driver/StatusText.h"

namespace tarvik::sim {

DriverStatus TriggerBuffers::begin(int trigger)
{
    if (prestoring_) return ZEVA_prestoreActiveError;
    prestoring_ = trigger;
    return ZEVA_noError;
}

DriverStatus TriggerBuffers::end()
{
    if (!prestoring_) return ZEVA_prestoreInactiveError;
    prestoring_.reset();
    return ZEVA_noError;
}

DriverStatus TriggerBuffers::delimit()
{
    if (!prestoring_) return ZEVA_prestoreInactiveError;
    return append(std::nullopt);
}

DriverStatus TriggerBuffers::store(Command command) { return append(std::move(command)); }

DriverStatus TriggerBuffers::append(std::optional<Command> entry)
{
    auto& buffer = buffers_[*prestoring_];
    if (static_cast<int>(buffer.size()) >= kCapacity) return ZEVA_triggerBufferFullError;
    buffer.push_back(std::move(entry));
    return ZEVA_noError;
}

void TriggerBuffers::fire(int trigger, std::int64_t now)
{
    auto found = buffers_.find(trigger);
    if (found == buffers_.end()) return;
    auto& buffer = found->second;
    while (!buffer.empty()) {
        std::optional<Command> entry = std::move(buffer.front());
        buffer.pop_front();
        if (!entry) break;
        (*entry)(now);
    }
}

} // namespace tarvik::sim
