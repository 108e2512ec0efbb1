#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tarvik {

// The seven board-type groups. Every per-type decision (wizard, initialisation sequence,
// settings table, option files, board-list mask bit) switches on the group.
enum class BoardGroup {
    Servo3,
    OpenLoop3,
    ClosedLoop3,
    Servo4,
    OpenLoop4,
    ClosedLoop4,
    Encoder,
};
inline constexpr int kBoardGroupCount = 7; // the groups above

// Board class as the driver reports it in the board information (0..2); encoder boards have
// no class code of their own there, so they take the next free value.
enum class BoardClass : std::int16_t {
    Servo = 0,
    OpenLoopStepper = 1,
    ClosedLoopStepper = 2,
    Encoder = 3,
};

// Bus as the driver reports it in the board information.
enum class BoardBus : std::int16_t {
    Isa = 0,
    Pci = 1,
    Pxi = 2,
};

// Board family as the driver reports it: the ISA boards form the first generation, the
// PCI and PXI boards (type codes 11 and above) the second.
enum class BoardFamily : std::int16_t {
    FirstGeneration = 0,
    SecondGeneration = 1,
};

inline constexpr std::int16_t kNoBoardType = -1;
inline constexpr std::int16_t kLowestTypeCode = -1;
inline constexpr std::int16_t kHighestTypeCode = 30;

// What the program knows about one board type code.
struct BoardTypeInfo {
    std::string_view modelName;
    std::optional<BoardGroup> group;    // none: the program does not handle the type
    std::optional<BoardClass> boardClass;
    std::optional<BoardBus> bus;
    int modelAxes;                      // axes the model has (2, 3 or 4); 0 when unknown
    std::optional<int> addressedAxes;   // axes the program addresses; none: not known
};

// The row of a type code, or nullptr outside -1..30.
const BoardTypeInfo* boardTypeInfo(int typeCode);

// Model name shown in menus and captions; codes outside -1..30 get a generic name.
std::string_view modelNameOf(int typeCode);

// Board-type group; none for -1, 10, 15, 16, 24, 27, 28 and anything outside 0..30.
std::optional<BoardGroup> groupOf(int typeCode);

// Board-list masks: a set of groups, one bit a group (1, 2, 4, ... 64 in group order); -1
// admits every group.
constexpr std::int16_t maskBitOf(BoardGroup group)
{
    return static_cast<std::int16_t>(1 << static_cast<int>(group));
}
inline constexpr std::int16_t kEveryGroup = -1;
inline constexpr std::int16_t kServoGroups = maskBitOf(BoardGroup::Servo3) | maskBitOf(BoardGroup::Servo4);
inline constexpr std::int16_t kOpenLoopStepperGroups =
    maskBitOf(BoardGroup::OpenLoop3) | maskBitOf(BoardGroup::OpenLoop4);
inline constexpr std::int16_t kClosedLoopStepperGroups =
    maskBitOf(BoardGroup::ClosedLoop3) | maskBitOf(BoardGroup::ClosedLoop4);
inline constexpr std::int16_t kStepperGroups = kOpenLoopStepperGroups | kClosedLoopStepperGroups;
// Every group but the encoder boards.
inline constexpr std::int16_t kMotionGroups = kServoGroups | kStepperGroups;
// The boards that can close the position loop: servo and closed-loop stepper boards.
inline constexpr std::int16_t kClosedLoopCapableGroups = kServoGroups | kClosedLoopStepperGroups;
inline constexpr std::int16_t kEncoderGroup = maskBitOf(BoardGroup::Encoder);
// The boards of four (or two) axes.
inline constexpr std::int16_t kFourAxisGroups =
    maskBitOf(BoardGroup::Servo4) | maskBitOf(BoardGroup::OpenLoop4) | maskBitOf(BoardGroup::ClosedLoop4);
// The 2/4-axis servo boards alone.
inline constexpr std::int16_t kFourAxisServoGroup = maskBitOf(BoardGroup::Servo4);
// Servo and encoder boards.
inline constexpr std::int16_t kServoAndEncoderGroups = kServoGroups | kEncoderGroup;
// Every board but the 3-axis ones: the 2/4-axis boards and the encoder boards.
inline constexpr std::int16_t kFourAxisAndEncoderGroups = kFourAxisGroups | kEncoderGroup;
// Mask bit of a type code's group; 0 when the code has no group.
std::int16_t maskBitOf(int typeCode);
// True when `mask` admits the type code's group (-1 admits every group).
bool maskAdmits(std::int16_t mask, int typeCode);

// Axes the program addresses on a board: 3 for codes 0..2; 4 for 3..14, 17..23, 25, 26, 29,
// 30 (two-axis models included); none for any other code (the caller keeps what it had).
std::optional<int> axisCountOf(int typeCode);

// Axes the model has (2, 3 or 4), as its board information reports them; none when unknown.
std::optional<int> modelAxisCountOf(int typeCode);

// I/O bits that the settings record configures: 6 on the 3-axis boards, 8 on the 2/4-axis
// servo and encoder boards, 4 on the 2/4-axis steppers; 0 without a group.
int ioBitCountOf(int typeCode);

// I/O bits of the board's general-purpose port: 6 on codes 0..2, 8 on every other board.
int ioPortBitCountOf(int typeCode);

std::optional<BoardClass> classOf(int typeCode);
std::optional<BoardBus> busOf(int typeCode);
std::optional<BoardFamily> familyOf(int typeCode);

// True for servo and closed-loop stepper boards: both can close the position loop.
bool isClosedLoopCapable(int typeCode);

// True for the 2/4-axis servo and 2/4-axis closed-loop stepper groups, whose index search
// is awaited through the communication status register.
bool IsClosedLoop4AType(int typeCode);

} // namespace tarvik
