#pragma once

#include "forms/common/CommandDesign.h"

namespace tarvik {

// The breakpoint dialogs that send one typed value to one axis: the breakpoint position, the
// breakpoint modulus and the trigger buffer a breakpoint fires. Their differences are rows of
// one table (BreakpointDesign.cpp); the Absolute/Relative dialog (frm66) has a shape of its own.
enum class BreakpointMember {
    Position,    // frm65: load_pos_brk(board, axis, position)
    Modulus,     // frmbreakmod: load_break_mod(board, axis, modulus)
    TriggerLink, // frmPosToTrig: enable_pos_trig(board, axis, trigger buffer)
};

// The frame's design of one member.
CommandDesign breakpointDesign(BreakpointMember member);

} // namespace tarvik
