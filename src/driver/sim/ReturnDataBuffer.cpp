#include "driver/sim/ReturnDataBuffer.h"

#include <algorithm>

namespace tarvik::sim {

bool ReturnDataBuffer::push(const Packet& packet)
{
    if (size() >= kRdbCapacity) return false;
    packets_.push_back(packet);
    return true;
}

int ReturnDataBuffer::pop(int count, std::span<std::int16_t> axes, std::span<std::int16_t> commands,
                          std::span<std::int32_t> data)
{
    const std::size_t room = std::min({axes.size(), commands.size(), data.size()});
    const std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
    const std::size_t moved = std::min({wanted, room, packets_.size()});
    for (std::size_t i = 0; i < moved; ++i) {
        axes[i] = packets_.front().axis;
        commands[i] = packets_.front().command;
        data[i] = packets_.front().data;
        packets_.pop_front();
    }
    return static_cast<int>(moved);
}

} // namespace tarvik::sim
