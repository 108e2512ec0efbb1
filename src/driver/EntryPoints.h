#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tarvik {

// An entry point of MotionDriver and the by-reference outputs it hands back, one letter per
// output in argument order: 'h' 16-bit, 'l' 32-bit, 'd' double, 'b' an array or text buffer.
struct EntryPoint {
    std::string_view name;
    std::string_view outputs;
};

inline constexpr std::array<EntryPoint, 75> kEntryPoints{{
    {"get_bd_config", "bb"},
    {"set_init_stat", ""},
    {"set_lim_pol", ""},
    {"enable_limits", ""},
    {"set_io_pol", ""},
    {"set_step_mode_pol", ""},
    {"start_motion", ""},
    {"multi_start", ""},
    {"stop_motion", ""},
    {"kill_motion", ""},
    {"reset_pos", ""},
    {"set_stop_mode", ""},
    {"set_pos_mode", ""},
    {"set_direction", ""},
    {"set_loop_mode", ""},
    {"set_scale_seq", ""},
    {"load_target_pos", ""},
    {"load_vel", ""},
    {"load_accel", ""},
    {"load_accel_fact", ""},
    {"set_base_vel", ""},
    {"load_vel_change", ""},
    {"load_rpm", ""},
    {"load_rpsps", ""},
    {"load_time_brk", ""},
    {"in_pos", "l"},
    {"read_pos", "l"},
    {"read_encoder", "l"},
    {"read_steps_vel", "l"},
    {"read_vel", "h"},
    {"read_rpm", "d"},
    {"read_axis_stat", "h"},
    {"read_csr", "h"},
    {"read_io_port", "h"},
    {"read_lim_stat", "h"},
    {"read_gpio", "l"},
    {"read_adc", "h"},
    {"get_motion_board_name", "bl"},
    {"get_motion_board_info", "l"},
    {"load_prop_gain", ""},
    {"load_intg_gain", ""},
    {"load_deriv_gain", ""},
    {"load_deriv_per", ""},
    {"load_intg_lim", ""},
    {"load_fol_err", ""},
    {"master_slave_cfg", ""},
    {"load_pos_ref", ""},
    {"load_pos_scale", ""},
    {"store_steps_rev", ""},
    {"load_steps_lines", ""},
    {"store_elc", ""},
    {"load_rot_counts", ""},
    {"find_home", ""},
    {"find_index", "h"},
    {"set_io_output", ""},
    {"set_gpio", ""},
    {"set_portc_dir", ""},
    {"begin_prestore", ""},
    {"end_prestore", ""},
    {"trig_buff_delim", ""},
    {"trigger_io", ""},
    {"enable_io_trig", ""},
    {"enable_brk", ""},
    {"load_break_mod", ""},
    {"load_pos_brk", ""},
    {"enable_pos_trig", ""},
    {"read_pos_rdb", ""},
    {"read_vel_rdb", ""},
    {"read_axis_stat_rdb", ""},
    {"read_io_port_rdb", ""},
    {"read_lim_stat_rdb", ""},
    {"read_encoder_rdb", ""},
    {"flush_rdb", ""},
    {"read_rdb", "hbbb"},
    {"send_command", ""},
}};

// The index of the entry point of that name in kEntryPoints; kEntryPoints.size() when none.
constexpr std::size_t entryPointIndex(std::string_view name) {
    std::size_t index = 0;
    while (index < kEntryPoints.size() && kEntryPoints[index].name != name) ++index;
    return index;
}

// The entry point of that name, or nullptr.
constexpr const EntryPoint* findEntryPoint(std::string_view name) {
    const std::size_t index = entryPointIndex(name);
    return index < kEntryPoints.size() ? &kEntryPoints[index] : nullptr;
}

} // namespace tarvik
