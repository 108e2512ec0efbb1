#include "driver/sim/RawCommand.h"

#include "driver/StatusText.h"

namespace tarvik::sim {

namespace {

enum class Data { None, Word, Long };
// Some codes mean one command to servo and encoder boards and another to stepper boards.
enum class Boards { All, Servo, Stepper };

struct RawCommand {
    std::int16_t code;
    Boards boards;
    Data data;
    DriverStatus (*run)(MotionDriver&, std::int16_t board, std::int16_t axis, std::int32_t data);
};

std::int16_t word(std::int32_t data) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(data)); }

using D = MotionDriver;
using I16 = std::int16_t;
using I32 = std::int32_t;

// clang-format off
constexpr RawCommand kCommands[] = {
    {kCommandReadLimitStatus, Boards::All, Data::None, [](D& d, I16 b, I16, I32) { return d.read_lim_stat_rdb(b); }},
    {0x45, Boards::All, Data::Word, [](D& d, I16 b, I16, I32 v) { return d.set_io_output(b, word(v)); }},
    {0x46, Boards::All, Data::Word, [](D& d, I16 b, I16, I32 v) { return d.enable_io_trig(b, word(v)); }},
    {kCommandReadIoPort, Boards::All, Data::None, [](D& d, I16 b, I16, I32) { return d.read_io_port_rdb(b); }},
    {0x48, Boards::All, Data::Word, [](D& d, I16 b, I16, I32 v) { return d.trigger_io(b, word(v)); }},
    {kCommandReadAxisStatus, Boards::All, Data::None, [](D& d, I16 b, I16 a, I32) { return d.read_axis_stat_rdb(b, a); }},
    {0x4C, Boards::All, Data::None, [](D& d, I16 b, I16 a, I32) { return d.stop_motion(b, a); }},
    {0x4D, Boards::All, Data::None, [](D& d, I16 b, I16 a, I32) { return d.kill_motion(b, a); }},
    {0x4E, Boards::All, Data::Long, [](D& d, I16 b, I16 a, I32 v) { return d.load_target_pos(b, a, v); }},
    {0x4F, Boards::All, Data::Long, [](D& d, I16 b, I16 a, I32 v) { return d.load_vel(b, a, v); }},
    {0x50, Boards::All, Data::None, [](D& d, I16 b, I16 a, I32) { return d.reset_pos(b, a); }},
    {kCommandReadPosition, Boards::All, Data::None, [](D& d, I16 b, I16 a, I32) { return d.read_pos_rdb(b, a); }},
    {kCommandReadVelocity, Boards::All, Data::None, [](D& d, I16 b, I16 a, I32) { return d.read_vel_rdb(b, a); }},
    {0x55, Boards::All, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.set_stop_mode(b, a, word(v)); }},
    {0x56, Boards::All, Data::Long, [](D& d, I16 b, I16 a, I32 v) { return d.load_fol_err(b, a, v); }},
    {0x57, Boards::Servo, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.load_deriv_per(b, a, word(v)); }},
    {0x57, Boards::Stepper, Data::Long, [](D& d, I16 b, I16 a, I32 v) { return d.load_steps_lines(b, a, v); }},
    {0x58, Boards::All, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.load_prop_gain(b, a, word(v)); }},
    {0x59, Boards::Servo, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.load_intg_gain(b, a, word(v)); }},
    {kCommandReadEncoder, Boards::Stepper, Data::None, [](D& d, I16 b, I16 a, I32) { return d.read_encoder_rdb(b, a); }},
    {0x5A, Boards::Servo, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.load_deriv_gain(b, a, word(v)); }},
    {0x5A, Boards::Stepper, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.set_loop_mode(b, a, word(v)); }},
    {0x5B, Boards::Servo, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.load_intg_lim(b, a, word(v)); }},
    {0x5B, Boards::Stepper, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.set_base_vel(b, a, word(v)); }},
    {0x5C, Boards::All, Data::Word, [](D& d, I16 b, I16, I32 v) { return d.multi_start(b, word(v)); }},
    {0x5D, Boards::All, Data::None, [](D& d, I16 b, I16, I32) { return d.trig_buff_delim(b); }},
    {0x5F, Boards::All, Data::Word, [](D& d, I16 b, I16, I32 v) { return d.begin_prestore(b, word(v)); }},
    {0x60, Boards::All, Data::None, [](D& d, I16 b, I16, I32) { return d.end_prestore(b); }},
    {0x61, Boards::All, Data::None, [](D& d, I16 b, I16 a, I32) { return d.start_motion(b, a); }},
    {0x62, Boards::All, Data::Long, [](D& d, I16 b, I16 a, I32 v) { return d.load_accel(b, a, v); }},
    {0x63, Boards::Servo, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.set_direction(b, a, word(v)); }},
    {0x63, Boards::Stepper, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.load_accel_fact(b, a, word(v)); }},
    {0x64, Boards::All, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.set_pos_mode(b, a, word(v)); }},
    {0x65, Boards::All, Data::Long, [](D& d, I16 b, I16 a, I32 v) { return d.load_pos_brk(b, a, v); }},
    {0x66, Boards::All, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.enable_brk(b, a, word(v)); }},
    {0x67, Boards::All, Data::Long, [](D& d, I16 b, I16 a, I32 v) { return d.load_time_brk(b, a, v); }},
    {0x68, Boards::All, Data::Long, [](D& d, I16 b, I16 a, I32 v) { return d.load_pos_ref(b, a, v); }},
    {0x69, Boards::All, Data::Long, [](D& d, I16 b, I16 a, I32 v) { return d.load_pos_scale(b, a, v); }},
    {0x6A, Boards::All, Data::Word, [](D& d, I16 b, I16 a, I32 v) { return d.set_scale_seq(b, a, word(v)); }},
};
// clang-format on

} // namespace

DriverStatus sendRawCommand(MotionDriver& driver, bool stepperBoard, std::int16_t board, std::int16_t axis,
                            std::int16_t command, std::int16_t wordCount, std::int32_t data)
{
    if (wordCount < 2 || wordCount > 4) return ZEVA_wordCountError;
    const Boards family = stepperBoard ? Boards::Stepper : Boards::Servo;
    for (const RawCommand& raw : kCommands) {
        if (raw.code != command || (raw.boards != Boards::All && raw.boards != family)) continue;
        if (raw.data == Data::Word && wordCount != 2) return ZEVA_wordCountError;
        if (raw.data == Data::Word && (data < -32768 || data > 0xFFFF)) return ZEVA_argumentRangeError;
        if (raw.data == Data::Long && wordCount == 2) return ZEVA_wordCountError;
        return raw.run(driver, board, axis, data);
    }
    return ZEVA_unknownCommandError;
}

} // namespace tarvik::sim
