#pragma once

#include "driver/MotionDriver.h"

#include <cstdint>
#include <deque>
#include <span>

namespace tarvik::sim {

// A board's Return Data Buffer: answers to read requests, oldest first, at most
// kRdbCapacity packets. Board-level answers carry axis 0; no packet ever carries axis -1.
class ReturnDataBuffer {
public:
    struct Packet {
        std::int16_t axis;
        std::int16_t command;
        std::int32_t data;
    };

    // False when the buffer is full; the packet is then not stored.
    bool push(const Packet& packet);
    // Moves up to `count` of the oldest packets, never more than the shortest array holds,
    // into the first entries of the arrays; returns the number moved.
    int pop(int count, std::span<std::int16_t> axes, std::span<std::int16_t> commands, std::span<std::int32_t> data);
    void clear() { packets_.clear(); }
    bool empty() const { return packets_.empty(); }
    int size() const { return static_cast<int>(packets_.size()); }

private:
    std::deque<Packet> packets_;
};

} // namespace tarvik::sim
