#include "driver/recording/RecordingDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace tarvik::testing {
namespace {

using I16 = std::int16_t;
using I32 = std::int32_t;

// Answers every call with `status` and counts the calls that reach it; the read-backs that the
// tests look at write fixed values when they succeed.
class FakeDriver final : public MotionDriver {
public:
    DriverStatus status = 0;
    int calls = 0;

    DriverStatus read_pos(I16, I16, I32& position) override { return answer(position, 1500); }
    DriverStatus read_axis_stat(I16, I16, I16& word) override { return answer(word, I16{0x480}); }
    DriverStatus read_rpm(I16, I16, double& rpm) override { return answer(rpm, 12.5); }
    DriverStatus get_bd_config(std::span<I16> typeCodes, std::span<I16> ioAddresses) override {
        if (status == 0) {
            std::fill(typeCodes.begin(), typeCodes.end(), I16{-1});
            typeCodes[1] = 3;
            ioAddresses[1] = 0x300;
        }
        return answer();
    }
    DriverStatus get_motion_board_name(I16, std::span<char> name, I32& length) override {
        if (status == 0) {
            const std::string_view text = "SIM-4";
            std::copy_n(text.begin(), std::min(name.size(), text.size()), name.begin());
            length = static_cast<I32>(text.size());
        }
        return answer();
    }
    DriverStatus read_rdb(I16, I16& count, std::span<I16> axes, std::span<I16> commands,
                          std::span<I32> data) override {
        if (status == 0) {
            count = 2;
            axes[0] = 1;
            axes[1] = 2;
            commands[0] = commands[1] = 0x34;
            data[0] = 100;
            data[1] = -5;
        }
        return answer();
    }
    DriverStatus set_init_stat(I16, I16) override { return answer(); }
    DriverStatus set_lim_pol(I16, I16) override { return answer(); }
    DriverStatus enable_limits(I16, I16) override { return answer(); }
    DriverStatus set_io_pol(I16, I16) override { return answer(); }
    DriverStatus set_step_mode_pol(I16, I16) override { return answer(); }
    DriverStatus start_motion(I16, I16) override { return answer(); }
    DriverStatus multi_start(I16, I16) override { return answer(); }
    DriverStatus stop_motion(I16, I16) override { return answer(); }
    DriverStatus kill_motion(I16, I16) override { return answer(); }
    DriverStatus reset_pos(I16, I16) override { return answer(); }
    DriverStatus set_stop_mode(I16, I16, I16) override { return answer(); }
    DriverStatus set_pos_mode(I16, I16, I16) override { return answer(); }
    DriverStatus set_direction(I16, I16, I16) override { return answer(); }
    DriverStatus set_loop_mode(I16, I16, I16) override { return answer(); }
    DriverStatus set_scale_seq(I16, I16, I16) override { return answer(); }
    DriverStatus load_target_pos(I16, I16, I32) override { return answer(); }
    DriverStatus load_vel(I16, I16, I32) override { return answer(); }
    DriverStatus load_accel(I16, I16, I32) override { return answer(); }
    DriverStatus load_accel_fact(I16, I16, I16) override { return answer(); }
    DriverStatus set_base_vel(I16, I16, I16) override { return answer(); }
    DriverStatus load_vel_change(I16, I16, I16) override { return answer(); }
    DriverStatus load_rpm(I16, I16, double) override { return answer(); }
    DriverStatus load_rpsps(I16, I16, double) override { return answer(); }
    DriverStatus load_time_brk(I16, I16, I32) override { return answer(); }
    DriverStatus in_pos(I16, I16, I32, I32, I32&) override { return answer(); }
    DriverStatus read_encoder(I16, I16, I32&) override { return answer(); }
    DriverStatus read_steps_vel(I16, I16, I32&) override { return answer(); }
    DriverStatus read_vel(I16, I16, I16&) override { return answer(); }
    DriverStatus read_csr(I16, I16&) override { return answer(); }
    DriverStatus read_io_port(I16, I16&) override { return answer(); }
    DriverStatus read_lim_stat(I16, I16&) override { return answer(); }
    DriverStatus read_gpio(I16, I32&) override { return answer(); }
    DriverStatus read_adc(I16, I16, I16&) override { return answer(); }
    DriverStatus get_motion_board_info(I16, I16, I32&) override { return answer(); }
    DriverStatus load_prop_gain(I16, I16, I16) override { return answer(); }
    DriverStatus load_intg_gain(I16, I16, I16) override { return answer(); }
    DriverStatus load_deriv_gain(I16, I16, I16) override { return answer(); }
    DriverStatus load_deriv_per(I16, I16, I16) override { return answer(); }
    DriverStatus load_intg_lim(I16, I16, I16) override { return answer(); }
    DriverStatus load_fol_err(I16, I16, I32) override { return answer(); }
    DriverStatus master_slave_cfg(I16, I16, I32) override { return answer(); }
    DriverStatus load_pos_ref(I16, I16, I32) override { return answer(); }
    DriverStatus load_pos_scale(I16, I16, I32) override { return answer(); }
    DriverStatus store_steps_rev(I16, I16, I16) override { return answer(); }
    DriverStatus load_steps_lines(I16, I16, I32) override { return answer(); }
    DriverStatus store_elc(I16, I16, I16) override { return answer(); }
    DriverStatus load_rot_counts(I16, I16, I32) override { return answer(); }
    DriverStatus find_home(I16, I16, I16) override { return answer(); }
    DriverStatus find_index(I16, I16, I16, I16, I16&) override { return answer(); }
    DriverStatus set_io_output(I16, I16) override { return answer(); }
    DriverStatus set_gpio(I16, I32) override { return answer(); }
    DriverStatus set_portc_dir(I16, I16) override { return answer(); }
    DriverStatus begin_prestore(I16, I16) override { return answer(); }
    DriverStatus end_prestore(I16) override { return answer(); }
    DriverStatus trig_buff_delim(I16) override { return answer(); }
    DriverStatus trigger_io(I16, I16) override { return answer(); }
    DriverStatus enable_io_trig(I16, I16) override { return answer(); }
    DriverStatus enable_brk(I16, I16, I16) override { return answer(); }
    DriverStatus load_break_mod(I16, I16, I32) override { return answer(); }
    DriverStatus load_pos_brk(I16, I16, I32) override { return answer(); }
    DriverStatus enable_pos_trig(I16, I16, I16) override { return answer(); }
    DriverStatus read_pos_rdb(I16, I16) override { return answer(); }
    DriverStatus read_vel_rdb(I16, I16) override { return answer(); }
    DriverStatus read_axis_stat_rdb(I16, I16) override { return answer(); }
    DriverStatus read_io_port_rdb(I16) override { return answer(); }
    DriverStatus read_lim_stat_rdb(I16) override { return answer(); }
    DriverStatus read_encoder_rdb(I16, I16) override { return answer(); }
    DriverStatus flush_rdb(I16) override { return answer(); }
    DriverStatus send_command(I16, I16, I16, I16, I32) override { return answer(); }

private:
    DriverStatus answer() {
        ++calls;
        return status;
    }
    template <typename T>
    DriverStatus answer(T& output, T value) {
        if (status == 0) output = value;
        return answer();
    }
};

class RecordingDriverTest : public ::testing::Test {
protected:
    VirtualClock clock;
    FakeDriver fake;
    RecordingDriver driver{fake, clock};

    std::string lastCall() const { return driver.calls().back().text(); }
};

TEST_F(RecordingDriverTest, PrintsArgumentsAndOutputsAfterTheCall) {
    clock.advance(2500);
    I32 position = 0;
    EXPECT_EQ(driver.read_pos(1, 2, position), 0);
    EXPECT_EQ(position, 1500);
    EXPECT_EQ(lastCall(), "read_pos(1, 2, &1500)");
    EXPECT_EQ(driver.calls().back().timeMicros, 2500);
    EXPECT_EQ(driver.calls().back().injection, CallInjection::None);

    driver.load_rpm(1, 2, 0.1);
    EXPECT_EQ(lastCall(), "load_rpm(1, 2, 0.1)");
    double rpm = 0;
    driver.read_rpm(1, 1, rpm);
    EXPECT_EQ(lastCall(), "read_rpm(1, 1, &12.5)");
    driver.send_command(3, -1, 0x34, 2, -70000);
    EXPECT_EQ(lastCall(), "send_command(3, -1, 52, 2, -70000)");
}

TEST_F(RecordingDriverTest, PrintsBuffersCompactly) {
    I16 count = 10;
    std::array<I16, 10> axes{}, commands{};
    std::array<I32, 10> data{};
    driver.read_rdb(1, count, axes, commands, data);
    EXPECT_EQ(lastCall(), "read_rdb(1, &10->2, [1:52:100, 2:52:-5])");

    I32 length = 0;
    driver.get_motion_board_name(1, {}, length);
    EXPECT_EQ(lastCall(), "get_motion_board_name(1, \"\", &0->5)");
    std::array<char, 3> shortName{};
    length = 3;
    driver.get_motion_board_name(1, shortName, length);
    EXPECT_EQ(lastCall(), "get_motion_board_name(1, \"SIM\", &3->5)");

    std::array<I16, kBoardConfigEntries> types{}, addresses{};
    driver.get_bd_config(types, addresses);
    EXPECT_EQ(lastCall(), "get_bd_config(&{1=3@768})");
}

TEST_F(RecordingDriverTest, FailedCallShowsNoOutputValues) {
    fake.status = 6;
    I32 position = 7;
    EXPECT_EQ(driver.read_pos(1, 9, position), 6);
    EXPECT_EQ(position, 7);
    EXPECT_EQ(lastCall(), "read_pos(1, 9, &)");
    EXPECT_EQ(driver.calls().back().status, 6);
    I16 count = 4;
    std::array<I16, 4> axes{}, commands{};
    std::array<I32, 4> data{};
    driver.read_rdb(1, count, axes, commands, data);
    EXPECT_EQ(lastCall(), "read_rdb(1, &4, [])");
}

TEST_F(RecordingDriverTest, FaultForCountedCallsLeavesOutputsAndSkipsTheDriver) {
    driver.injectFault("read_pos", 18, 2);
    I32 position = -3;
    EXPECT_EQ(driver.read_pos(1, 1, position), 18);
    EXPECT_EQ(driver.read_pos(1, 1, position), 18);
    EXPECT_EQ(position, -3);
    EXPECT_EQ(fake.calls, 0);
    EXPECT_EQ(driver.calls().back().injection, CallInjection::Fault);
    EXPECT_EQ(lastCall(), "read_pos(1, 1, &)");

    EXPECT_EQ(driver.read_pos(1, 1, position), 0);
    EXPECT_EQ(position, 1500);
    EXPECT_EQ(fake.calls, 1);
}

TEST_F(RecordingDriverTest, FaultAlwaysAndOnlyOnItsEntryPoint) {
    driver.injectFault("start_motion", 24);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(driver.start_motion(6, 1), 24);
    EXPECT_EQ(driver.stop_motion(6, 1), 0);
    EXPECT_EQ(fake.calls, 1);
}

TEST_F(RecordingDriverTest, FaultAfterLetsTheFirstCallsThrough) {
    driver.injectFault("load_vel", 7, 1, 2);
    EXPECT_EQ(driver.load_vel(1, 1, 10), 0);
    EXPECT_EQ(driver.load_vel(1, 1, 20), 0);
    EXPECT_EQ(driver.load_vel(1, 1, 30), 7);
    EXPECT_EQ(driver.load_vel(1, 1, 40), 0);
    EXPECT_EQ(fake.calls, 3);
}

TEST_F(RecordingDriverTest, FaultWithStatusZeroStillWritesNoOutput) {
    driver.injectFault("read_pos", 0, 1);
    I32 position = 5;
    EXPECT_EQ(driver.read_pos(1, 1, position), 0);
    EXPECT_EQ(position, 5);
    EXPECT_EQ(lastCall(), "read_pos(1, 1, &)");
}

TEST_F(RecordingDriverTest, NewFaultReplacesTheOldOneAndClearEndsAll) {
    driver.injectFault("reset_pos", 6);
    driver.injectFault("reset_pos", 13, 1);
    EXPECT_EQ(driver.reset_pos(1, 1), 13);
    EXPECT_EQ(driver.reset_pos(1, 1), 0);

    driver.injectFault("reset_pos", 6);
    driver.scriptReturns("read_pos", {1});
    driver.clearInjections();
    I32 position = 0;
    EXPECT_EQ(driver.reset_pos(1, 1), 0);
    driver.read_pos(1, 1, position);
    EXPECT_EQ(position, 1500);
}

TEST_F(RecordingDriverTest, ScriptedValuesReplaceTheDriversAnswer) {
    driver.scriptReturns("read_axis_stat", {0xFFFF}, 2);
    fake.status = 6;
    I16 word = 0;
    EXPECT_EQ(driver.read_axis_stat(1, 1, word), 0);
    EXPECT_EQ(word, -1);
    EXPECT_EQ(lastCall(), "read_axis_stat(1, 1, &-1)");
    EXPECT_EQ(driver.calls().back().injection, CallInjection::Returns);
    fake.status = 0;
    EXPECT_EQ(driver.read_axis_stat(1, 1, word), 0);
    EXPECT_EQ(word, -1);
    EXPECT_EQ(fake.calls, 2) << "the wrapped driver is still called";

    EXPECT_EQ(driver.read_axis_stat(1, 1, word), 0);
    EXPECT_EQ(word, 0x480);

    driver.scriptReturns("read_rpm", {-0.25});
    double rpm = 0;
    for (int i = 0; i < 3; ++i) driver.read_rpm(1, 1, rpm);
    EXPECT_EQ(rpm, -0.25);
}

TEST_F(RecordingDriverTest, ScriptedPacketsFillAsManyEntriesAsAskedAndHeld) {
    driver.scriptReturnedPackets("read_rdb", {{1, 0x34, 70000}, {2, 0x35, -1}, {3, 0x36, 9}}, 3);
    fake.status = 30;
    I16 count = 2;
    std::array<I16, 4> axes{}, commands{};
    std::array<I32, 4> data{};
    EXPECT_EQ(driver.read_rdb(1, count, axes, commands, data), 0);
    EXPECT_EQ(count, 2) << "no more packets than the count asked for";
    EXPECT_EQ(lastCall(), "read_rdb(1, &2->2, [1:52:70000, 2:53:-1])");
    EXPECT_EQ(driver.calls().back().injection, CallInjection::Returns);

    std::array<I16, 1> oneAxis{}, oneCommand{};
    std::array<I32, 1> oneData{};
    count = 5;
    driver.read_rdb(1, count, oneAxis, oneCommand, oneData);
    EXPECT_EQ(lastCall(), "read_rdb(1, &5->1, [1:52:70000])") << "and no more than the arrays hold";

    count = 4;
    driver.read_rdb(1, count, axes, commands, data);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(data[2], 9);

    fake.status = 0;
    driver.read_rdb(1, count, axes, commands, data);
    EXPECT_EQ(lastCall(), "read_rdb(1, &3->2, [1:52:100, 2:52:-5])") << "the count of 3 is used up";
}

TEST_F(RecordingDriverTest, ScriptedNameFitsTheBufferAndAnswersALengthQuery) {
    driver.scriptReturnedText("get_motion_board_name", "Gantry");
    fake.status = 6; // the wrapped driver writes nothing: what the buffer gets is the script's
    I32 length = 0;
    EXPECT_EQ(driver.get_motion_board_name(1, {}, length), 0);
    EXPECT_EQ(length, 6);
    EXPECT_EQ(lastCall(), "get_motion_board_name(1, \"\", &0->6)");

    std::array<char, 32> name{};
    length = 32;
    driver.get_motion_board_name(1, name, length);
    EXPECT_EQ(std::string_view(name.data(), static_cast<std::size_t>(length)), "Gantry");
    EXPECT_EQ(lastCall(), "get_motion_board_name(1, \"Gantry\", &32->6)");

    std::fill(name.begin(), name.end(), '#');
    length = 3;
    driver.get_motion_board_name(1, name, length);
    EXPECT_EQ(length, 3);
    EXPECT_EQ(name[3], '#') << "nothing written beyond the length given";
    EXPECT_EQ(lastCall(), "get_motion_board_name(1, \"Gan\", &3->3)");
}

TEST_F(RecordingDriverTest, FaultWinsOverScriptedValues) {
    driver.scriptReturns("read_pos", {42}, 1);
    driver.injectFault("read_pos", 6, 1);
    I32 position = 0;
    EXPECT_EQ(driver.read_pos(1, 1, position), 6);
    EXPECT_EQ(driver.read_pos(1, 1, position), 0);
    EXPECT_EQ(position, 42);
}

TEST_F(RecordingDriverTest, RefusesBadInjections) {
    EXPECT_THROW(driver.injectFault("read_position", 6), std::invalid_argument);
    EXPECT_THROW(driver.injectFault("read_pos", 6, 0), std::invalid_argument);
    EXPECT_THROW(driver.injectFault("read_pos", 6, 1, -1), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturns("start_motion", {1}), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturns("read_rdb", {1, 2, 3, 4}), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturns("read_pos", {1, 2}), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturns("read_axis_stat", {65536}), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturns("read_axis_stat", {-32769}), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturns("read_pos", {0.5}), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturns("read_rpm", {std::numeric_limits<double>::quiet_NaN()}),
                 std::invalid_argument);
    EXPECT_THROW(driver.scriptReturnedPackets("get_bd_config", {}), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturnedPackets("read_pos", {}), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturnedText("read_rdb", "x"), std::invalid_argument);
    EXPECT_THROW(driver.scriptReturnedText("get_motion_board_name", "x", 0), std::invalid_argument);
    EXPECT_NO_THROW(driver.scriptReturns("read_gpio", {4294967295.0}));
    I32 aux = 0;
    driver.read_gpio(1, aux);
    EXPECT_EQ(aux, -1);
}

TEST_F(RecordingDriverTest, MarkConsumesTheLog) {
    driver.start_motion(1, 1);
    driver.start_motion(1, 2);
    driver.mark();
    EXPECT_TRUE(driver.callsSinceMark().empty());
    driver.start_motion(1, 3);
    driver.start_motion(1, 4);
    ASSERT_EQ(driver.callsSinceMark().size(), 2u);
    EXPECT_EQ(driver.callsSinceMark().front().text(), "start_motion(1, 3)");
    driver.consumeThrough(2);
    EXPECT_EQ(driver.callsSinceMark().front().text(), "start_motion(1, 4)");
    driver.consumeThrough(0);
    EXPECT_EQ(driver.markPosition(), 3u) << "the mark never moves back";
    driver.clearLog();
    EXPECT_TRUE(driver.calls().empty());
    EXPECT_EQ(driver.markPosition(), 0u);
}

TEST_F(RecordingDriverTest, TheLogKeepsTheNewestCallsAndCountsTheOthers) {
    EXPECT_EQ(driver.callLogLimit(), RecordingDriver::kDefaultCallLogLimit);
    driver.setCallLogLimit(8);
    for (I16 axis = 1; axis <= 5; ++axis) driver.start_motion(1, axis);
    driver.mark();
    for (I16 axis = 6; axis <= 9; ++axis) driver.start_motion(1, axis);
    // The ninth call dropped the oldest two; the mark moved with them.
    EXPECT_EQ(driver.droppedCalls(), 2u);
    EXPECT_EQ(driver.calls().front().text(), "start_motion(1, 3)");
    ASSERT_EQ(driver.callsSinceMark().size(), 4u);
    EXPECT_EQ(driver.callsSinceMark().front().text(), "start_motion(1, 6)");

    for (I16 axis = 10; axis <= 49; ++axis) driver.start_motion(1, axis);
    EXPECT_LE(driver.calls().size(), 8u);
    EXPECT_EQ(driver.calls().back().text(), "start_motion(1, 49)");
    EXPECT_EQ(driver.droppedCalls() + driver.calls().size(), 49u);
    EXPECT_EQ(driver.callsSinceMark().size(), driver.calls().size()) << "the calls after the mark were dropped too";

    driver.setCallLogLimit(0);
    EXPECT_EQ(driver.callLogLimit(), 4u);
    driver.start_motion(1, 50);
    EXPECT_LE(driver.calls().size(), 4u);
    driver.clearLog();
    EXPECT_EQ(driver.droppedCalls(), 0u);
}

TEST(RecordingDriverOwning, OwnsAndForwardsToItsDriver) {
    VirtualClock clock;
    auto owned = std::make_unique<FakeDriver>();
    FakeDriver& fake = *owned;
    RecordingDriver driver(std::move(owned), clock);
    EXPECT_EQ(driver.kill_motion(1, 1), 0);
    EXPECT_EQ(fake.calls, 1);
    EXPECT_EQ(&driver.inner(), &fake);
}

} // namespace
} // namespace tarvik::testing
