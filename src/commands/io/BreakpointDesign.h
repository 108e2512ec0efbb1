#pragma once

#include "common/CommandDesign.h"

namespace tarvik {

// The breakpoint dialogs that send one typed value to one axis: the breakpoint position, the
// breakpoint modulus and the trigger buffer a breakpoint fires. Their differences are rows of
// one table (BreakpointDesign.cpp); the Absolute/Relative dialog (EnableBreakpointDialog) has a shape of its own.
enum class BreakpointMember {
    Position,    // LoadPositionBreakpointDialog: load_pos_brk(board, axis, position)
    Modulus,     // LoadBreakpointModulusDialog: load_break_mod(board, axis, modulus)
    TriggerLink, // BreakpointTriggerLinkDialog: enable_pos_trig(board, axis, trigger buffer)
};

// The frame's design of one member.
CommandDesign breakpointDesign(BreakpointMember member);

} // namespace tarvik
