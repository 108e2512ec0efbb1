#pragma once

// The driver's entry points, each once: its name, its parameters as MotionDriver has them, and
// the names of those parameters. PLAIN entry points take values and by-reference outputs only;
// BUFFERS entry points also hand over arrays or a text buffer, which the code expanding the list
// handles by hand (the library binding checks their sizes and contents, the recording driver
// prints them). The parameter types are written with I16 and I32, which the expanding scope
// names as std::int16_t and std::int32_t.
#define TARVIK_ENTRY_POINTS(PLAIN, BUFFERS) \
    BUFFERS(get_bd_config, (std::span<I16> typeCodes, std::span<I16> ioAddresses), (typeCodes, ioAddresses)) \
    PLAIN(set_init_stat, (I16 board, I16 axis), (board, axis)) \
    PLAIN(set_lim_pol, (I16 board, I16 mask), (board, mask)) \
    PLAIN(enable_limits, (I16 board, I16 mask), (board, mask)) \
    PLAIN(set_io_pol, (I16 board, I16 mask), (board, mask)) \
    PLAIN(set_step_mode_pol, (I16 board, I16 word), (board, word)) \
    PLAIN(start_motion, (I16 board, I16 axis), (board, axis)) \
    PLAIN(multi_start, (I16 board, I16 mask), (board, mask)) \
    PLAIN(stop_motion, (I16 board, I16 axis), (board, axis)) \
    PLAIN(kill_motion, (I16 board, I16 axis), (board, axis)) \
    PLAIN(reset_pos, (I16 board, I16 axis), (board, axis)) \
    PLAIN(set_stop_mode, (I16 board, I16 axis, I16 mode), (board, axis, mode)) \
    PLAIN(set_pos_mode, (I16 board, I16 axis, I16 mode), (board, axis, mode)) \
    PLAIN(set_direction, (I16 board, I16 axis, I16 direction), (board, axis, direction)) \
    PLAIN(set_loop_mode, (I16 board, I16 axis, I16 mode), (board, axis, mode)) \
    PLAIN(set_scale_seq, (I16 board, I16 axis, I16 sequence), (board, axis, sequence)) \
    PLAIN(load_target_pos, (I16 board, I16 axis, I32 position), (board, axis, position)) \
    PLAIN(load_vel, (I16 board, I16 axis, I32 velocity), (board, axis, velocity)) \
    PLAIN(load_accel, (I16 board, I16 axis, I32 acceleration), (board, axis, acceleration)) \
    PLAIN(load_accel_fact, (I16 board, I16 axis, I16 factor), (board, axis, factor)) \
    PLAIN(set_base_vel, (I16 board, I16 axis, I16 velocity), (board, axis, velocity)) \
    PLAIN(load_vel_change, (I16 board, I16 axis, I16 change), (board, axis, change)) \
    PLAIN(load_rpm, (I16 board, I16 axis, double rpm), (board, axis, rpm)) \
    PLAIN(load_rpsps, (I16 board, I16 axis, double rpsps), (board, axis, rpsps)) \
    PLAIN(load_time_brk, (I16 board, I16 axis, I32 time), (board, axis, time)) \
    PLAIN(in_pos, (I16 board, I16 axis, I32 position, I32 deadband, I32& result), \
            (board, axis, position, deadband, result)) \
    PLAIN(read_pos, (I16 board, I16 axis, I32& position), (board, axis, position)) \
    PLAIN(read_encoder, (I16 board, I16 axis, I32& position), (board, axis, position)) \
    PLAIN(read_steps_vel, (I16 board, I16 axis, I32& stepsPerSecond), (board, axis, stepsPerSecond)) \
    PLAIN(read_vel, (I16 board, I16 axis, I16& velocity), (board, axis, velocity)) \
    PLAIN(read_rpm, (I16 board, I16 axis, double& rpm), (board, axis, rpm)) \
    PLAIN(read_axis_stat, (I16 board, I16 axis, I16& status), (board, axis, status)) \
    PLAIN(read_csr, (I16 board, I16& commStatus), (board, commStatus)) \
    PLAIN(read_io_port, (I16 board, I16& ioPort), (board, ioPort)) \
    PLAIN(read_lim_stat, (I16 board, I16& limitWord), (board, limitWord)) \
    PLAIN(read_gpio, (I16 board, I32& auxIo), (board, auxIo)) \
    PLAIN(read_adc, (I16 board, I16 channel, I16& value), (board, channel, value)) \
    BUFFERS(get_motion_board_name, (I16 board, std::span<char> name, I32& length), (board, name, length)) \
    PLAIN(get_motion_board_info, (I16 board, I16 attribute, I32& value), (board, attribute, value)) \
    PLAIN(load_prop_gain, (I16 board, I16 axis, I16 gain), (board, axis, gain)) \
    PLAIN(load_intg_gain, (I16 board, I16 axis, I16 gain), (board, axis, gain)) \
    PLAIN(load_deriv_gain, (I16 board, I16 axis, I16 gain), (board, axis, gain)) \
    PLAIN(load_deriv_per, (I16 board, I16 axis, I16 period), (board, axis, period)) \
    PLAIN(load_intg_lim, (I16 board, I16 axis, I16 limit), (board, axis, limit)) \
    PLAIN(load_fol_err, (I16 board, I16 axis, I32 counts), (board, axis, counts)) \
    PLAIN(master_slave_cfg, (I16 board, I16 axis, I32 mode), (board, axis, mode)) \
    PLAIN(load_pos_ref, (I16 board, I16 axis, I32 offset), (board, axis, offset)) \
    PLAIN(load_pos_scale, (I16 board, I16 axis, I32 scale), (board, axis, scale)) \
    PLAIN(store_steps_rev, (I16 board, I16 axis, I16 steps), (board, axis, steps)) \
    PLAIN(load_steps_lines, (I16 board, I16 axis, I32 linesAndSteps), (board, axis, linesAndSteps)) \
    PLAIN(store_elc, (I16 board, I16 axis, I16 lines), (board, axis, lines)) \
    PLAIN(load_rot_counts, (I16 board, I16 axis, I32 counts), (board, axis, counts)) \
    PLAIN(find_home, (I16 board, I16 axis, I16 direction), (board, axis, direction)) \
    PLAIN(find_index, (I16 board, I16 axis, I16 direction, I16 offset, I16& found), \
            (board, axis, direction, offset, found)) \
    PLAIN(set_io_output, (I16 board, I16 ioPort), (board, ioPort)) \
    PLAIN(set_gpio, (I16 board, I32 auxIo), (board, auxIo)) \
    PLAIN(set_portc_dir, (I16 board, I16 code), (board, code)) \
    PLAIN(begin_prestore, (I16 board, I16 trigger), (board, trigger)) \
    PLAIN(end_prestore, (I16 board), (board)) \
    PLAIN(trig_buff_delim, (I16 board), (board)) \
    PLAIN(trigger_io, (I16 board, I16 port), (board, port)) \
    PLAIN(enable_io_trig, (I16 board, I16 triggerMap), (board, triggerMap)) \
    PLAIN(enable_brk, (I16 board, I16 axis, I16 mode), (board, axis, mode)) \
    PLAIN(load_break_mod, (I16 board, I16 axis, I32 modulus), (board, axis, modulus)) \
    PLAIN(load_pos_brk, (I16 board, I16 axis, I32 position), (board, axis, position)) \
    PLAIN(enable_pos_trig, (I16 board, I16 axis, I16 link), (board, axis, link)) \
    PLAIN(read_pos_rdb, (I16 board, I16 axis), (board, axis)) \
    PLAIN(read_vel_rdb, (I16 board, I16 axis), (board, axis)) \
    PLAIN(read_axis_stat_rdb, (I16 board, I16 axis), (board, axis)) \
    PLAIN(read_io_port_rdb, (I16 board), (board)) \
    PLAIN(read_lim_stat_rdb, (I16 board), (board)) \
    PLAIN(read_encoder_rdb, (I16 board, I16 axis), (board, axis)) \
    PLAIN(flush_rdb, (I16 board), (board)) \
    BUFFERS(read_rdb, (I16 board, I16& count, std::span<I16> axes, std::span<I16> commands, std::span<I32> data), \
            (board, count, axes, commands, data)) \
    PLAIN(send_command, (I16 board, I16 axis, I16 command, I16 wordCount, I32 data), \
            (board, axis, command, wordCount, data))
