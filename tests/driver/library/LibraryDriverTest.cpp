// The binding at the library's boundary: the C calls, the buffers handed over and what the
// binding accepts back.

#include "driver/StatusText.h"
#include "driver/library/LibraryDriver.h"
#include "driver/sim/SimulatedDriver.h"
#include "mainwindow/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tarvik {
namespace {

class LibraryDriverTest : public ::testing::Test {
protected:
    // The stand-in libraries read their boards from the working directory: none, the built-in set.
    TemporaryWorkingDirectory directory;
    VirtualClock clock;
    SimulatedDriver simulated{clock, sim::builtInBoards()};

    static std::array<std::int16_t, kBoardConfigEntries> typeCodes(MotionDriver& driver)
    {
        std::array<std::int16_t, kBoardConfigEntries> types{};
        std::array<std::int16_t, kBoardConfigEntries> addresses{};
        EXPECT_EQ(driver.get_bd_config(types, addresses), ZEVA_noError);
        return types;
    }

    static std::string boardName(MotionDriver& driver, std::int16_t board)
    {
        std::int32_t length = 0;
        EXPECT_EQ(driver.get_motion_board_name(board, {}, length), ZEVA_noError);
        std::string name(static_cast<std::size_t>(length), ' ');
        EXPECT_EQ(driver.get_motion_board_name(board, name, length), ZEVA_noError);
        name.resize(static_cast<std::size_t>(length));
        return name;
    }
};

TEST_F(LibraryDriverTest, CallsReachTheLibraryAndValuesComeBackAsFromTheSimulatedBoards)
{
    LibraryDriver library(TARVIK_FAKE_DRIVER);
    ASSERT_EQ(library.loadError(), "");
    EXPECT_EQ(typeCodes(library), typeCodes(simulated));
    EXPECT_EQ(boardName(library, 1), boardName(simulated, 1));

    // A value in, a 32-bit output back; the output untouched when the call fails.
    std::int32_t position = -1;
    EXPECT_EQ(library.reset_pos(1, 1), ZEVA_noError);
    EXPECT_EQ(library.read_pos(1, 1, position), ZEVA_noError);
    EXPECT_EQ(position, 0);
    position = 77;
    EXPECT_EQ(library.read_pos(9, 1, position), simulated.read_pos(9, 1, position));
    EXPECT_EQ(position, 77);
    double rpm = 2.5;
    EXPECT_EQ(library.load_rpm(1, 1, 120.0), simulated.load_rpm(1, 1, 120.0));
    EXPECT_EQ(library.read_rpm(1, 1, rpm), ZEVA_noError);

    // A packet through the Return Data Buffer into arrays smaller than the library's.
    ASSERT_EQ(library.read_pos_rdb(1, 1), ZEVA_noError);
    std::array<std::int16_t, 4> axes{};
    std::array<std::int16_t, 4> commands{};
    std::array<std::int32_t, 4> data{};
    std::int16_t count = 4;
    EXPECT_EQ(library.read_rdb(1, count, axes, commands, data), ZEVA_noError);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(axes[0], 1);
    EXPECT_EQ(data[0], 0);
}

TEST_F(LibraryDriverTest, TheCallersBuffersBoundWhatIsAskedFor)
{
    LibraryDriver library(TARVIK_FAKE_DRIVER);
    std::array<std::int16_t, 2> axes{};
    std::array<std::int16_t, 2> commands{};
    std::array<std::int32_t, 2> data{};
    for (std::int16_t asked : {std::int16_t{3}, std::int16_t{-1}}) {
        std::int16_t count = asked;
        EXPECT_EQ(library.read_rdb(1, count, axes, commands, data), ZEVA_returnDataCountError);
        EXPECT_EQ(count, asked);
    }
    // A name buffer shorter than the name: refused, nothing written.
    std::string name(3, ' ');
    std::int32_t length = 3;
    EXPECT_EQ(library.get_motion_board_name(1, name, length), ZEVA_bufferLengthError);
    EXPECT_EQ(name, "   ");
    length = -1;
    EXPECT_EQ(library.get_motion_board_name(1, {}, length), ZEVA_bufferLengthError);
    // A short board table gets the first entries.
    std::array<std::int16_t, 3> types{};
    std::array<std::int16_t, 3> addresses{};
    EXPECT_EQ(library.get_bd_config(types, addresses), ZEVA_noError);
    EXPECT_EQ(types[1], typeCodes(simulated)[1]);
}

TEST_F(LibraryDriverTest, WhatTheLibraryHandsBackBeyondItsBuffersNeverReachesTheCaller)
{
    LibraryDriver lying(TARVIK_LYING_DRIVER);
    ASSERT_EQ(lying.loadError(), "");
    std::array<std::int16_t, 10> axes{};
    std::array<std::int16_t, 10> commands{};
    std::array<std::int32_t, 10> data{};
    axes.fill(-5);
    std::int16_t count = 10;
    EXPECT_EQ(lying.read_rdb(1, count, axes, commands, data), ZEVA_returnDataCountError);
    EXPECT_EQ(count, 10);
    EXPECT_EQ(axes[0], -5);

    // A negative name length, and a name that runs past its buffer without a terminator.
    std::int32_t length = 0;
    EXPECT_EQ(lying.get_motion_board_name(1, {}, length), ZEVA_bufferLengthError);
    EXPECT_EQ(length, 0);
    std::string name(8, ' ');
    length = 8;
    EXPECT_EQ(lying.get_motion_board_name(1, name, length), ZEVA_bufferLengthError);
    EXPECT_EQ(name, std::string(8, ' '));
    EXPECT_EQ(length, 8);
}

TEST_F(LibraryDriverTest, AnUnusableLibraryAnswersEveryCallAsAnUnreachableInterface)
{
    LibraryDriver missing(directory.path() / "absent.so");
    EXPECT_NE(missing.loadError().find("absent.so\" could not be loaded: "), std::string::npos) << missing.loadError();
    LibraryDriver partial(TARVIK_PARTIAL_DRIVER);
    EXPECT_NE(partial.loadError().find("does not export the entry points read_rdb, send_command"), std::string::npos);

    for (LibraryDriver* driver : {&missing, &partial}) {
        std::int32_t position = 5;
        std::array<std::int16_t, kBoardConfigEntries> types{};
        EXPECT_EQ(driver->get_bd_config(types, types), ZEVA_interfaceUnavailableError);
        EXPECT_EQ(driver->read_pos(1, 1, position), ZEVA_interfaceUnavailableError);
        EXPECT_EQ(position, 5);
        EXPECT_EQ(driver->start_motion(1, 1), ZEVA_interfaceUnavailableError);
    }
}

// A function-typed symbol at a fixed address the library does not hold, or among its data: a
// call would jump there.
TEST_F(LibraryDriverTest, AnEntryPointOutsideTheLibrarysCodeIsRefusedByName)
{
    for (const char* path : {TARVIK_ABSOLUTE_DRIVER, TARVIK_MISPLACED_DRIVER}) {
        LibraryDriver stray(path);
        EXPECT_EQ(stray.loadError(), std::string("the driver library \"") + path +
                                         "\" exports the entry points get_bd_config, but not in its code");
        std::array<std::int16_t, kBoardConfigEntries> types{};
        EXPECT_EQ(stray.get_bd_config(types, types), ZEVA_interfaceUnavailableError);
    }
}

// What is judged is the address a call would go to: an indirect function's resolver's answer.
TEST_F(LibraryDriverTest, AnIndirectEntryPointResolvingOutsideTheLibrarysCodeIsRefusedByName)
{
    for (const char* path : {TARVIK_INDIRECT_DATA_DRIVER, TARVIK_INDIRECT_FIXED_DRIVER}) {
        LibraryDriver stray(path);
        EXPECT_EQ(stray.loadError(), std::string("the driver library \"") + path +
                                         "\" exports the entry points get_bd_config, but not in its code");
    }
}

// The loader hands out the value of an undefined symbol that carries one.
TEST_F(LibraryDriverTest, AnUndefinedEntryPointCarryingAnAddressAmongItsDataIsRefusedByName)
{
    LibraryDriver undefined(TARVIK_UNDEFINED_DRIVER);
    EXPECT_EQ(undefined.loadError(), std::string("the driver library \"") + TARVIK_UNDEFINED_DRIVER +
                                         "\" exports the entry points get_bd_config, but not in its code");
}

TEST_F(LibraryDriverTest, AWrapperLibraryIsBoundToTheFunctionsOfTheLibraryItDependsOn)
{
    LibraryDriver wrapper(TARVIK_SOUND_WRAPPER_DRIVER);
    ASSERT_EQ(wrapper.loadError(), "");
    EXPECT_EQ(typeCodes(wrapper), typeCodes(simulated));
}

TEST_F(LibraryDriverTest, AWrapperOverALibraryExportingDataIsRefusedNamingEveryEntryPoint)
{
    LibraryDriver wrapper(TARVIK_DATA_WRAPPER_DRIVER);
    const std::string& error = wrapper.loadError();
    EXPECT_TRUE(error.starts_with(std::string("the driver library \"") + TARVIK_DATA_WRAPPER_DRIVER +
                                  "\" exports the entry points get_bd_config, set_init_stat, "))
        << error;
    EXPECT_TRUE(error.ends_with(", read_rdb, send_command, but not as functions")) << error;
}

TEST_F(LibraryDriverTest, AnEntryPointThatResolvesToNoAddressIsRefusedAsSuch)
{
    LibraryDriver unresolved(TARVIK_UNRESOLVED_DRIVER);
    EXPECT_EQ(unresolved.loadError(), std::string("the driver library \"") + TARVIK_UNRESOLVED_DRIVER +
                                          "\" exports the entry points enable_limits, but they resolve to no address");
}

} // namespace
} // namespace tarvik
