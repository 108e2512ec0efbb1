#pragma once

#include "base/Clock.h"
#include "driver/StatusWords.h"
#include "driver/sim/SimulatedDriver.h"

#include <gtest/gtest.h>

#include <array>

namespace tarvik::testing {

// The simulator's own parts (axes, profiles, configuration files) by their short names.
using namespace tarvik::sim;

// The built-in boards on a virtual clock, each call costing 100 microseconds:
// 1 3-axis servo, 2 3-axis open-loop stepper, 3 3-axis closed-loop stepper,
// 4 4-axis servo, 5 4-axis open-loop stepper, 6 4-axis closed-loop stepper, 7 encoder board.
class SimDriverTest : public ::testing::Test {
protected:
    static constexpr std::int16_t kServo3 = 1, kOpenLoop3 = 2, kClosedLoop3 = 3, kServo4 = 4, kOpenLoop4 = 5,
                                  kClosedLoop4 = 6, kEncoder = 7;
    static constexpr std::int64_t kCallCost = 100;

    SimDriverTest() { driver.setCallCost(kCallCost); }

    std::int16_t status(std::int16_t board, std::int16_t axis)
    {
        std::int16_t word = 0;
        EXPECT_EQ(driver.read_axis_stat(board, axis, word), 0);
        return word;
    }
    std::int32_t position(std::int16_t board, std::int16_t axis)
    {
        std::int32_t value = 0;
        EXPECT_EQ(driver.read_pos(board, axis, value), 0);
        return value;
    }
    std::int16_t csr(std::int16_t board)
    {
        std::int16_t word = 0;
        EXPECT_EQ(driver.read_csr(board, word), 0);
        return word;
    }
    // The oldest packet of the board's Return Data Buffer, taken out of it.
    ReturnDataBuffer::Packet takePacket(std::int16_t board)
    {
        std::array<std::int16_t, 1> axes{}, commands{};
        std::array<std::int32_t, 1> data{};
        std::int16_t count = 1;
        EXPECT_EQ(driver.read_rdb(board, count, axes, commands, data), 0);
        EXPECT_EQ(count, 1);
        return {axes[0], commands[0], data[0]};
    }
    // Polls the axis as the program's waits do until the move-done rule holds; gives the
    // seconds that took, or -1 after a minute of virtual time.
    double waitDone(std::int16_t board, std::int16_t axis)
    {
        const std::int64_t start = clock.nowMicros();
        while (clock.nowMicros() - start < 60'000'000)
            if (AxisMoveDone(status(board, axis))) return static_cast<double>(clock.nowMicros() - start) * 1e-6;
        return -1;
    }
    // A servo axis at 4000 counts/s and 4000 counts/s² (1000 encoder lines, 60 RPM, 1 RPS/s).
    void slowServo(std::int16_t board, std::int16_t axis)
    {
        ASSERT_EQ(driver.load_rpm(board, axis, 60), 0);
        ASSERT_EQ(driver.load_rpsps(board, axis, 1), 0);
    }
    void moveTo(std::int16_t board, std::int16_t axis, std::int32_t target)
    {
        ASSERT_EQ(driver.load_target_pos(board, axis, target), 0);
        ASSERT_EQ(driver.start_motion(board, axis), 0);
    }

    VirtualClock clock;
    SimulatedDriver driver{clock, builtInBoards()};
};

} // namespace tarvik::testing
