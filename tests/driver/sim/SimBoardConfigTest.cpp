#include "driver/StatusWords.h"
#include "driver/sim/BoardConfigFile.h"
#include "driver/sim/SimulatedDriver.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvik::testing {

using namespace tarvik::sim;
namespace {

class SimBoardConfigTest : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    ~SimBoardConfigTest() override { std::filesystem::remove(path); }

    std::filesystem::path path =
        std::filesystem::temp_directory_path()
        / ("tarvik-boards-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".cfg");
    VirtualClock clock;
};

TEST_F(SimBoardConfigTest, GoodFileListsItsBoards)
{
    SimulatedDriver driver(clock,
                           readBoardConfigFile(write("# two boards\n\n3 11 2A0 Left gantry  \n 5 14 0xd300\r\n")));
    EXPECT_EQ(driver.configurationError(), "");
    std::array<std::int16_t, kBoardConfigEntries> types{}, addresses{};
    ASSERT_EQ(driver.get_bd_config(types, addresses), 0);
    EXPECT_EQ(types[0], -1);
    EXPECT_EQ(types[3], 11);
    EXPECT_EQ(addresses[3], 0x2A0);
    EXPECT_EQ(types[5], 14);
    EXPECT_EQ(static_cast<std::uint16_t>(addresses[5]), 0xD300);
    EXPECT_EQ(types[4], -1);
    EXPECT_EQ(types[31], -1);
    std::string name(32, ' ');
    std::int32_t length = 32;
    ASSERT_EQ(driver.get_motion_board_name(3, name, length), 0);
    EXPECT_EQ(name.substr(0, static_cast<std::size_t>(length)), "Left gantry");
}

TEST_F(SimBoardConfigTest, MissingFileGivesOneBoardOfEachGroup)
{
    SimulatedDriver driver(clock, readBoardConfigFile(path));
    EXPECT_EQ(driver.configurationError(), "");
    std::array<std::int16_t, kBoardConfigEntries> types{}, addresses{};
    ASSERT_EQ(driver.get_bd_config(types, addresses), 0);
    EXPECT_EQ(
        (std::array<std::int16_t, 8>{types[0], types[1], types[2], types[3], types[4], types[5], types[6], types[7]}),
        (std::array<std::int16_t, 8>{-1, 0, 1, 2, 11, 12, 13, 14}));
}

TEST_F(SimBoardConfigTest, MalformedFileFailsTheConfigurationNamingFileLineAndProblem)
{
    struct Case {
        const char* text;
        const char* problem;
    };
    for (const Case& c : {
             Case{"1 0 300\n2 1\n", "line 2: expected a board ID, a type code and a hexadecimal I/O address"},
             Case{"# c\n32 0 300\n", "line 2: board ID \"32\" is not a whole number from 0 to 31"},
             Case{"-1 0 300\n", "line 1: board ID \"-1\" is not a whole number from 0 to 31"},
             Case{"1 32768 300\n", "line 1: type code \"32768\" is not a whole number from -32768 to 32767"},
             Case{"1 x 300\n", "line 1: type code \"x\" is not a whole number from -32768 to 32767"},
             Case{"1 0 30G\n", "line 1: I/O address \"30G\" is not a hexadecimal number from 0 to FFFF"},
             Case{"1 0 10000\n", "line 1: I/O address \"10000\" is not a hexadecimal number from 0 to FFFF"},
             Case{"1 0 300\n\n1 2 320\n", "line 3: board ID 1 is listed twice"},
             Case{"1 0 300\n2 -1 320\n",
                  "line 2: type code -1 marks an empty slot in the board configuration, so the board would not be seen"},
             Case{"1 0 300\n# x\n3 -01 340 Left\n",
                  "line 3: type code -1 marks an empty slot in the board configuration, so the board would not be seen"},
         }) {
        SimulatedDriver driver(clock, readBoardConfigFile(write(c.text)));
        EXPECT_EQ(driver.configurationError(), path.string() + ", " + c.problem);
        std::array<std::int16_t, kBoardConfigEntries> types{}, addresses{};
        types.fill(7);
        EXPECT_NE(driver.get_bd_config(types, addresses), 0);
        EXPECT_EQ(types[1], 7);
        std::int32_t position = 0;
        EXPECT_EQ(driver.read_pos(1, 1, position), ZEVA_badDeviceOrAxisError);
    }
}

TEST_F(SimBoardConfigTest, AnOffendingWordIsQuotedShortAndEscaped)
{
    const std::string word = "\x01\x1b[2J\"\\" + std::string(3000, 'A') + "\xff";
    const BoardConfig config = readBoardConfigFile(write("1 0 300\n2 " + word + " 320\n"));
    EXPECT_EQ(config.error, path.string() + ", line 2: type code \"\\x01\\x1B[2J\\\"\\\\AAAAAAAAAAAAAAAAA\"... (3008 characters)"
                                            " is not a whole number from -32768 to 32767");
}

TEST_F(SimBoardConfigTest, OversizedFilesAndLinesAreRefusedWithoutReadingThemWhole)
{
    // A sparse file of 2 GB: refused by its size before a byte is read.
    write("1 0 300\n");
    std::filesystem::resize_file(path, std::uintmax_t{2} << 30);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(readBoardConfigFile(path).error, path.string() + ": the file is larger than 1048576 bytes");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));

    EXPECT_EQ(readBoardConfigFile(write("# ok\n1 0 300 " + std::string(4090, 'n') + "\n")).error,
              path.string() + ", line 2: the line is longer than 4096 characters");
    EXPECT_EQ(readBoardConfigFile(write("#" + std::string(4096, '#'))).error,
              path.string() + ", line 1: the line is longer than 4096 characters");

    // Just within both caps: a long name and a file of comments up to the byte limit.
    const std::string longest = "1 0 300 " + std::string(4096 - 8, 'n');
    std::string text = longest + "\n";
    while (text.size() + 4097 <= kBoardConfigMaxBytes) text += std::string(4096, '#') + "\n";
    const BoardConfig config = readBoardConfigFile(write(text));
    EXPECT_EQ(config.error, "");
    ASSERT_EQ(config.boards.size(), 1u);
    EXPECT_EQ(config.boards[0].name.size(), 4096u - 8);
}

TEST_F(SimBoardConfigTest, OnlyARegularFileIsRead)
{
    const std::string notRegular = path.string() + ": the file cannot be read: it is not a regular file";
    std::filesystem::create_directory(path);
    EXPECT_EQ(readBoardConfigFile(path).error, notRegular);
    std::filesystem::remove(path);

    // A named pipe nobody writes to: reading it must not wait for a writer.
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [this] { return readBoardConfigFile(path); });
    if (reading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "reading a named pipe waits for a writer";
        ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK)); // lets the stuck reader go on
    }
    EXPECT_EQ(reading.get().error, notRegular);

    // A link to a device is a device.
    std::filesystem::remove(path);
    std::filesystem::create_symlink("/dev/zero", path);
    EXPECT_EQ(readBoardConfigFile(path).error, notRegular);
}

TEST_F(SimBoardConfigTest, BoardsTheProgramCannotVerifyAreSimulatedAndReported)
{
    // ID 0, IDs above 7, codes outside 0..30 or without a group, and a shared I/O address.
    SimulatedDriver driver(clock, readBoardConfigFile(write("0 3 300\n31 31 320\n2 15 320\n9 -7 2A0\n")));
    EXPECT_EQ(driver.configurationError(), "");
    std::array<std::int16_t, kBoardConfigEntries> types{}, addresses{};
    ASSERT_EQ(driver.get_bd_config(types, addresses), 0);
    EXPECT_EQ((std::array{types[0], types[31], types[2], types[9]}), (std::array<std::int16_t, 4>{3, 31, 15, -7}));
    EXPECT_EQ(addresses[31], 0x320);
    EXPECT_EQ(addresses[2], 0x320);

    // Codes the board table gives no class are driven as 4-axis servo boards.
    for (const std::int16_t board : std::initializer_list<std::int16_t>{31, 2, 9}) {
        SCOPED_TRACE(board);
        std::int16_t status = 0;
        EXPECT_EQ(driver.read_axis_stat(board, 4, status), 0);
        EXPECT_EQ(driver.read_axis_stat(board, 5, status), ZEVA_badDeviceOrAxisError);
        EXPECT_EQ(driver.load_prop_gain(board, 4, 10), 0);
        EXPECT_EQ(driver.set_step_mode_pol(board, 0), ZEVA_stepperOnlyError);
        std::int16_t csr = 0;
        ASSERT_EQ(driver.read_csr(board, csr), 0);
        EXPECT_TRUE(hasBits(csr, CsrAxisMoveComplete(4)));
    }
}

TEST(SimBoardKind, EveryCodeIsDrivenAsItsTableClassOrAsAFourAxisServoBoard)
{
    for (int code = -32768; code <= 32767; ++code) {
        const BoardKind kind = boardKindOfType(static_cast<std::int16_t>(code));
        const bool known = classOf(code).has_value();
        ASSERT_EQ(kind.boardClass, known ? *classOf(code) : BoardClass::Servo) << code;
        ASSERT_EQ(kind.axisCount, known ? *axisCountOf(code) : 4) << code;
    }
}

TEST_F(SimBoardConfigTest, EmptyFileMeansNoBoardsAndShortArraysAreFilledAsFarAsTheyGo)
{
    SimulatedDriver driver(clock, readBoardConfigFile(write("# nothing here\n")));
    std::array<std::int16_t, 4> types{}, addresses{};
    types.fill(9);
    ASSERT_EQ(driver.get_bd_config(types, std::span(addresses).first(2)), 0);
    EXPECT_EQ(types, (std::array<std::int16_t, 4>{-1, -1, 9, 9}));
}

} // namespace
} // namespace tarvik::testing
