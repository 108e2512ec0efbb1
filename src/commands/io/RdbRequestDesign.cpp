#include "commands/io/RdbRequestDesign.h"

#include <stdexcept>
#include <string>

namespace tarvik {

namespace {

enum class AxisKind {
    None,   // board-level
    Own,    // the axis field, kept in AxisNumber
    Shared, // the axis field, kept in CurrentAxis
};

// Where the warning line is broken once more, if anywhere.
enum class WarningBreak { None, AfterWhileThe, AfterWhile };

struct RdbRequest {
    std::string_view form;
    std::string_view caption;
    int helpTopic; // F1 opens help here
    std::int16_t mask;
    AxisKind axis;
    bool boardKeys;    // digit keys in the board list pick a board
    bool messageClick; // focus or a click into msgtxt empties it
    bool warning;
    WarningBreak warningBreak;
    DriverStatus (*call)(CommandRun&);
};

constexpr Color kWarningBackColor = 0xFFFF80;

// clang-format off
constexpr RdbRequest kRequests[] = {
    {"frm54s", "Read Velocity to RDB", 96, kEveryGroup, AxisKind::Own, true, false, true, WarningBreak::None,
     [](CommandRun& run) { return run.driver.read_vel_rdb(run.board, run.axis); }},
    {"frm47", "Read I/O Port to RDB", 90, kEveryGroup, AxisKind::None, false, true, true, WarningBreak::None,
     [](CommandRun& run) { return run.driver.read_io_port_rdb(run.board); }},
    {"frm49", "Read Per Axis H/W Status to RDB", 86, kMotionGroups, AxisKind::Own, true, true, true,
     WarningBreak::AfterWhileThe,
     [](CommandRun& run) { return run.driver.read_axis_stat_rdb(run.board, run.axis); }},
    {"frm53", "Read Position to RDB", 92, kEveryGroup, AxisKind::Shared, true, false, true, WarningBreak::None,
     [](CommandRun& run) { return run.driver.read_pos_rdb(run.board, run.axis); }},
    {"frm42", "Read Limit Switch Status to RDB", 91, kEveryGroup, AxisKind::None, false, true, true,
     WarningBreak::AfterWhile,
     [](CommandRun& run) { return run.driver.read_lim_stat_rdb(run.board); }},
    {"frmfrdb", "Flush Return Data Buffer", 57, kEveryGroup, AxisKind::None, false, true, false, WarningBreak::None,
     [](CommandRun& run) { return run.driver.flush_rdb(run.board); }},
};
// clang-format on

std::string warningText(WarningBreak lineBreak)
{
    switch (lineBreak) {
    case WarningBreak::AfterWhileThe:
        return "Warning: Do not use this function while the \r\nStepper or Servo Test Panel is open.\r\n";
    case WarningBreak::AfterWhile:
        return "Warning: Do not use this function while \r\nthe Stepper or Servo Test Panel is open.\r\n";
    case WarningBreak::None:
        break;
    }
    return "Warning: Do not use this function while the Stepper or Servo Test Panel is open.\r\n";
}

} // namespace

CommandDesign rdbRequestDesign(std::string_view form)
{
    for (const RdbRequest& request : kRequests) {
        if (request.form != form) continue;
        CommandDesign design{.name = std::string(request.form),
                             .caption = std::string(request.caption),
                             .helpTopic = request.helpTopic,
                             .mask = request.mask,
                             .clearing = {.messageBox = request.messageClick},
                             .boardKeys = request.boardKeys,
                             .call = request.call};
        if (request.axis == AxisKind::None) design.axis = std::nullopt;
        else design.axis = CommandAxisField{.sharedAxis = request.axis == AxisKind::Shared};
        if (request.warning)
            design.notice = CommandNotice{.text = warningText(request.warningBreak), .backColor = kWarningBackColor};
        return design;
    }
    throw std::invalid_argument("no Return Data Buffer dialog is called " + std::string(form));
}

} // namespace tarvik
