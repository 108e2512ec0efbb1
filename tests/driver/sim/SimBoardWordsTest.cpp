#include "driver/sim/RawCommand.h"
#include "driver/sim/SimDriverFixture.h"

#include <array>
#include <string>

namespace tarvik::testing {
namespace {

using SimBoardWordsTest = SimDriverTest;

TEST_F(SimBoardWordsTest, CommStatusRegisterHasThreeLayouts)
{
    // Power-on, idle: ready and power-on reset; the wide layout also reports move complete.
    EXPECT_EQ(csr(kServo3), 0x01 | 0x08);
    EXPECT_EQ(static_cast<std::uint16_t>(csr(kServo4)), 0x0001 | 0x0020 | 0xF000);
    EXPECT_EQ(csr(kEncoder), 0x0001 | 0x0020);

    // An accepted command clears power-on reset; a refused one sets command error until the
    // next accepted command; a read changes neither.
    std::int16_t word = 0;
    EXPECT_EQ(driver.set_pos_mode(kServo3, 1, 7), ZEVA_posModeError);
    EXPECT_EQ(csr(kServo3), 0x01 | 0x04 | 0x08);
    EXPECT_EQ(driver.read_pos_rdb(kServo3, 2), 0);
    moveTo(kServo3, 3, 100);
    EXPECT_EQ(csr(kServo3), 0x01 | 0x02 | 0x80); // data pending, axis 3 running
    EXPECT_EQ(driver.read_axis_stat(kServo3, 3, word), 0);
    EXPECT_EQ(csr(kServo3), 0x01 | 0x02 | 0x80);
    // A refused read is still a read: it leaves the command error flag alone.
    std::int32_t encoder = 0;
    EXPECT_EQ(driver.read_encoder(kOpenLoop3, 1, encoder), ZEVA_closedLoopStepperOnlyError);
    EXPECT_EQ(csr(kOpenLoop3), 0x01 | 0x08);
    EXPECT_EQ(driver.set_pos_mode(kEncoder, 1, 7), ZEVA_motionOnlyError);
    EXPECT_EQ(driver.flush_rdb(kEncoder), 0);
    EXPECT_EQ(csr(kEncoder), 0x0001);

    moveTo(kServo4, 2, 100);
    EXPECT_EQ(static_cast<std::uint16_t>(csr(kServo4)), 0x0001 | 0x0200 | 0xD000);
}

TEST_F(SimBoardWordsTest, AxisStatusShowsTheBoardsLastCommandTheModeAndTheDirection)
{
    // Last Command Not Executed: on every axis of a 4-axis board while the board's last command
    // was refused, whatever refused it; reads leave it, the next accepted command clears it.
    // 3-axis boards have no such bit.
    for (std::int16_t board : {kServo3, kOpenLoop3, kClosedLoop3, kServo4, kOpenLoop4, kClosedLoop4}) {
        const bool fourAxis = board >= kServo4;
        const bool servo = board == kServo3 || board == kServo4;
        ASSERT_EQ(driver.set_pos_mode(board, 2, 7), ZEVA_posModeError);
        EXPECT_EQ(hasBits(status(board, 1), AxisStatusLastCmdNotExecuted), fourAxis) << board;
        EXPECT_EQ(hasBits(status(board, 2), AxisStatusLastCmdNotExecuted), fourAxis) << board;
        ASSERT_EQ(driver.load_target_pos(board, 3, 0), 0);
        EXPECT_FALSE(hasBits(status(board, 2), AxisStatusLastCmdNotExecuted)) << board;
        ASSERT_EQ(driver.kill_motion(board, 5), ZEVA_badDeviceOrAxisError);
        EXPECT_EQ(hasBits(status(board, 1), AxisStatusLastCmdNotExecuted), fourAxis) << board;
        ASSERT_NE(servo ? driver.set_base_vel(board, 1, 100) : driver.set_direction(board, 1, 0), 0);
        EXPECT_EQ(hasBits(status(board, 3), AxisStatusLastCmdNotExecuted), fourAxis) << board;
        ASSERT_EQ(driver.reset_pos(board, 1), 0);
        EXPECT_FALSE(hasBits(status(board, 1), AxisStatusLastCmdNotExecuted)) << board;

        // Velocity Mode: servo axes in operation mode -256, running or not.
        ASSERT_EQ(driver.set_pos_mode(board, 1, PosModeVelocity), 0);
        EXPECT_EQ(hasBits(status(board, 1), AxisStatusVelocityMode), servo) << board;
        EXPECT_FALSE(hasBits(status(board, 2), AxisStatusVelocityMode)) << board;
        ASSERT_EQ(driver.set_pos_mode(board, 1, PosModeRelative), 0);
        EXPECT_FALSE(hasBits(status(board, 1), AxisStatusVelocityMode)) << board;

        // Forward: the direction of the present move, kept once it has ended.
        moveTo(board, 2, -100);
        EXPECT_FALSE(hasBits(status(board, 2), AxisStatusForward)) << board;
        waitDone(board, 2);
        EXPECT_FALSE(hasBits(status(board, 2), AxisStatusForward)) << board;
        moveTo(board, 2, -100); // nothing to move: still the last move's direction
        waitDone(board, 2);
        EXPECT_FALSE(hasBits(status(board, 2), AxisStatusForward)) << board;
        moveTo(board, 2, 100);
        EXPECT_TRUE(hasBits(status(board, 2), AxisStatusForward)) << board;
    }
    // A velocity move goes the way set_direction chose, and keeps reporting it after its stop.
    ASSERT_EQ(driver.set_pos_mode(kServo4, 3, PosModeVelocity), 0);
    ASSERT_EQ(driver.set_direction(kServo4, 3, DirectionReverse), 0);
    ASSERT_EQ(driver.start_motion(kServo4, 3), 0);
    clock.advance(1'000'000);
    EXPECT_LT(position(kServo4, 3), 0);
    ASSERT_EQ(driver.stop_motion(kServo4, 3), 0);
    waitDone(kServo4, 3);
    EXPECT_EQ(static_cast<std::uint16_t>(status(kServo4, 3)) & (AxisStatusForward | AxisStatusVelocityMode),
              AxisStatusVelocityMode);
}

TEST_F(SimBoardWordsTest, LimitWordPutsAxisOneHighest)
{
    driver.setLimitSwitches(kServo4, 1, 0, 1000);  // axis 1 sits on its reverse limit
    driver.setHomeSwitch(kServo4, 4, 5);           // axis 4 within the home switch
    driver.setLimitSwitches(kServo3, 1, -1000, 0); // axis 1 of a 3-axis board on its forward limit
    std::int16_t word = 0;
    ASSERT_EQ(driver.read_lim_stat(kServo4, word), 0);
    EXPECT_EQ(word, 0x0040 | 0x0100);
    ASSERT_EQ(driver.read_lim_stat(kServo3, word), 0);
    EXPECT_EQ(word, 0x0020);
}

TEST_F(SimBoardWordsTest, IoPortShowsOutputsOnOutputBitsAndInputsOnInputBits)
{
    driver.setIoInputs(kServo4, 0x00F0);
    ASSERT_EQ(driver.set_io_output(kServo4, 0x00FF), 0);
    std::int16_t port = 0;
    ASSERT_EQ(driver.read_io_port(kServo4, port), 0);
    EXPECT_EQ(port, 0x00F0);                          // power-on: every bit an input
    ASSERT_EQ(driver.set_io_pol(kServo4, 0x00F0), 0); // bits 5..8 inputs, 1..4 outputs
    ASSERT_EQ(driver.read_io_port(kServo4, port), 0);
    EXPECT_EQ(port, 0x00FF);
    ASSERT_EQ(driver.set_io_pol(kServo3, 0), 0);
    ASSERT_EQ(driver.set_io_output(kServo3, -1), 0);
    ASSERT_EQ(driver.read_io_port(kServo3, port), 0);
    EXPECT_EQ(port, 0x003F); // six bits on a 3-axis board
}

TEST_F(SimBoardWordsTest, AuxDigitalIoPortsAndPortCDirection)
{
    driver.setAuxInputs(kOpenLoop4, 0x00AB0012);
    ASSERT_EQ(driver.set_gpio(kOpenLoop4, 0x00FF3400), 0);
    std::int32_t word = 0;
    ASSERT_EQ(driver.read_gpio(kOpenLoop4, word), 0);
    EXPECT_EQ(word, 0x00FF3412);
    ASSERT_EQ(driver.set_portc_dir(kOpenLoop4, 0x11), 0);
    ASSERT_EQ(driver.read_gpio(kOpenLoop4, word), 0);
    EXPECT_EQ(word, 0x01AB3412);
    EXPECT_EQ(driver.set_gpio(kOpenLoop4, 0x01), ZEVA_ioPortError); // port A is input only
    EXPECT_EQ(driver.set_portc_dir(kOpenLoop4, 0x12), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.read_gpio(kServo4, word), ZEVA_stepperOnlyError);
}

TEST_F(SimBoardWordsTest, ReturnDataBufferKeepsOrderAndCapacity)
{
    driver.setIoInputs(kServo4, 0x0081);
    ASSERT_EQ(driver.read_pos_rdb(kServo4, 2), 0);
    ASSERT_EQ(driver.read_axis_stat_rdb(kServo4, 3), 0);
    ASSERT_EQ(driver.read_io_port_rdb(kServo4), 0);

    std::array<std::int16_t, kRdbCapacity> axes{}, commands{};
    std::array<std::int32_t, kRdbCapacity> data{};
    axes.fill(-1);
    std::int16_t count = 5;
    ASSERT_EQ(driver.read_rdb(kServo4, count, axes, commands, data), 0);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(axes[0], 2);
    EXPECT_EQ(commands[0], kCommandReadPosition);
    EXPECT_EQ(axes[1], 3);
    EXPECT_EQ(commands[1], kCommandReadAxisStatus);
    EXPECT_EQ(data[1], static_cast<std::uint16_t>(status(kServo4, 3)));
    EXPECT_EQ(axes[2], 0); // board-level packet
    EXPECT_EQ(data[2], 0x81);
    EXPECT_EQ(axes[3], -1); // nothing written past the packets fetched

    for (int i = 0; i < kRdbCapacity; ++i)
        ASSERT_EQ(driver.read_lim_stat_rdb(kServo4), 0);
    EXPECT_EQ(driver.read_lim_stat_rdb(kServo4), ZEVA_returnDataFullError);
    count = 2000;
    ASSERT_EQ(driver.read_rdb(kServo4, count, axes, commands, data), 0);
    EXPECT_EQ(count, 2000);

    // An empty buffer hands back no packet and no failure.
    count = 1;
    EXPECT_EQ(driver.read_rdb(kServo4, count, axes, commands, data), 0);
    EXPECT_EQ(count, 0);
    ASSERT_EQ(driver.read_vel_rdb(kServo4, 1), 0);
    ASSERT_EQ(driver.read_vel_rdb(kServo4, 2), 0);
    ASSERT_EQ(driver.flush_rdb(kServo4), 0);
    count = 5;
    EXPECT_EQ(driver.read_rdb(kServo4, count, axes, commands, data), 0);
    EXPECT_EQ(count, 0);
}

TEST_F(SimBoardWordsTest, ReadRdbNeverReturnsMoreThanAskedOrThanTheArraysHold)
{
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(driver.read_encoder_rdb(kClosedLoop3, 1), 0);
    std::array<std::int16_t, 4> axes{}, commands{};
    std::array<std::int32_t, 3> data{};
    std::int16_t count = 4;
    EXPECT_EQ(driver.read_rdb(kClosedLoop3, count, axes, commands, data), ZEVA_returnDataCountError);
    EXPECT_EQ(count, 4);
    count = -1;
    EXPECT_EQ(driver.read_rdb(kClosedLoop3, count, axes, commands, data), ZEVA_returnDataCountError);
    count = 2;
    ASSERT_EQ(driver.read_rdb(kClosedLoop3, count, axes, commands, data), 0);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(axes[2], 0);
    EXPECT_EQ(commands[0], kCommandReadEncoder);
    count = 3;
    EXPECT_EQ(driver.read_rdb(kClosedLoop3, count, {}, {}, {}), ZEVA_returnDataCountError);
}

TEST_F(SimBoardWordsTest, RawCommandsAreDecodedIntoTheirEntryPoints)
{
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x4E, 3, 2500), 0); // load target, 32-bit data
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x61, 2, 0), 0);    // start
    waitDone(kServo4, 1);
    EXPECT_EQ(position(kServo4, 1), 2500);
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x53, 2, 0), 0); // position into the buffer
    std::array<std::int16_t, 1> axes{}, commands{};
    std::array<std::int32_t, 1> data{};
    std::int16_t count = 1;
    ASSERT_EQ(driver.read_rdb(kServo4, count, axes, commands, data), 0);
    EXPECT_EQ(data[0], 2500);

    EXPECT_EQ(driver.send_command(kServo4, 1, 0x99, 2, 0), ZEVA_unknownCommandError);
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x4E, 5, 0), ZEVA_wordCountError);
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x4E, 2, 0), ZEVA_wordCountError);
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x64, 2, 70000), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x64, 2, 0xFF00), 0); // 16-bit word -256: velocity mode
    EXPECT_EQ(driver.send_command(kEncoder, 1, 0x61, 2, 0), ZEVA_motionOnlyError);
    // Codes that servo and stepper boards read as different commands.
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x63, 2, 5), ZEVA_directionError); // set direction
    EXPECT_EQ(driver.send_command(kOpenLoop4, 1, 0x63, 2, 5), 0);                  // accel factor 5
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x57, 3, 500 * 65536 + 2000), ZEVA_wordCountError);
    EXPECT_EQ(driver.send_command(kClosedLoop4, 1, 0x57, 3, 500 * 65536 + 2000), 0); // lines and steps
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x59, 2, 20), 0);                       // integral gain
    EXPECT_EQ(driver.send_command(kClosedLoop4, 1, 0x59, 2, 0), 0);                   // encoder into the buffer
    ASSERT_EQ(driver.read_rdb(kClosedLoop4, count, axes, commands, data), 0);
    EXPECT_EQ(commands[0], kCommandReadEncoder);
    EXPECT_EQ(driver.send_command(0, 1, 0x61, 2, 0), ZEVA_badDeviceOrAxisError);
    // One packet costs one call's time.
    const std::int64_t before = clock.nowMicros();
    EXPECT_EQ(driver.send_command(kServo4, 1, 0x4C, 2, 0), 0);
    EXPECT_EQ(clock.nowMicros() - before, kCallCost);
}

TEST_F(SimBoardWordsTest, BoardNameNeverWritesPastTheLengthGiven)
{
    std::int32_t length = 0;
    ASSERT_EQ(driver.get_motion_board_name(kServo4, {}, length), 0);
    EXPECT_EQ(length, 7);
    std::string buffer(10, '*');
    length = 6;
    EXPECT_EQ(driver.get_motion_board_name(kServo4, buffer, length), ZEVA_bufferLengthError);
    EXPECT_EQ(buffer, std::string(10, '*'));
    EXPECT_EQ(length, 6);
    length = 7;
    ASSERT_EQ(driver.get_motion_board_name(kServo4, std::span(buffer.data(), 7), length), 0);
    EXPECT_EQ(buffer, "Board 4***");

    SimulatedDriver named(clock, {{3, 13, 0x2A0, "Left gantry"}});
    length = 64;
    ASSERT_EQ(named.get_motion_board_name(3, buffer, length), ZEVA_bufferLengthError); // buffer of 10
    std::string wide(64, ' ');
    ASSERT_EQ(named.get_motion_board_name(3, wide, length), 0);
    EXPECT_EQ(wide.substr(0, static_cast<std::size_t>(length)), "Left gantry");
}

TEST_F(SimBoardWordsTest, BoardInformationAttributes)
{
    // The value, or -1000 - status when the call fails.
    const auto info = [](MotionDriver& target, std::int16_t board, std::int16_t attribute) {
        std::int32_t value = -99;
        const DriverStatus status = target.get_motion_board_info(board, attribute, value);
        return status == 0 ? value : -1000 - status;
    };
    EXPECT_EQ(info(driver, kServo3, 1510), 3);
    EXPECT_EQ(info(driver, kServo4, 1510), 4);
    EXPECT_EQ(info(driver, kServo3, 1130), 0);
    EXPECT_EQ(info(driver, kServo4, 1130), 1);
    EXPECT_EQ(info(driver, kClosedLoop4, 1120), 13);
    EXPECT_EQ(info(driver, kOpenLoop3, 2020), 1);
    EXPECT_EQ(info(driver, kClosedLoop3, 2020), 2);
    EXPECT_EQ(info(driver, kServo4, 2020), 0);
    EXPECT_EQ(info(driver, kOpenLoop4, 1150), 0);
    EXPECT_EQ(info(driver, kServo3, 1150), 1);
    EXPECT_EQ(info(driver, kServo4, 1100), 1);
    EXPECT_EQ(info(driver, kServo3, 1100), 0);
    EXPECT_EQ(info(driver, kEncoder, 2020), -1000 - ZEVA_motionOnlyError);
    EXPECT_EQ(info(driver, kServo3, 0), -1000 - ZEVA_infoAttributeError);

    // Family, bus and model axes follow the board table; a code without a group answers as the
    // 4-axis servo board it is driven as, but has no bus or family.
    SimulatedDriver other(clock, {{1, 20, 0x300, {}}, {2, 29, 0x320, {}}, {3, 26, 0x340, {}}, {4, 24, 0x360, {}}});
    EXPECT_EQ(info(other, 1, 1130), 2); // PXI
    EXPECT_EQ(info(other, 1, 1100), 1);
    EXPECT_EQ(info(other, 2, 1130), 1); // PCI low profile
    EXPECT_EQ(info(other, 3, 1130), 2);
    EXPECT_EQ(info(other, 3, 1510), 2);
    EXPECT_EQ(info(other, 3, 2020), 0);
    EXPECT_EQ(info(other, 4, 1510), 4);
    EXPECT_EQ(info(other, 4, 2020), 0);
    EXPECT_EQ(info(other, 4, 1150), 1);
    EXPECT_EQ(info(other, 4, 1130), -1000 - ZEVA_infoAttributeError);
    EXPECT_EQ(info(other, 4, 1100), -1000 - ZEVA_infoAttributeError);
}

} // namespace
} // namespace tarvik::testing
