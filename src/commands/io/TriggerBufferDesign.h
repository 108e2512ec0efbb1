#pragma once

#include "common/CommandDesign.h"

#include <cstdint>

namespace tarvik {

// The trigger buffer dialogs: four board-level dialogs that list every board and make one call
// each, at most one of them with a trigger or port number. Their differences are rows of one
// table (TriggerBufferDesign.cpp).
enum class TriggerBufferMember {
    BeginPrestore, // BeginTriggerPrestoreDialog: begin_prestore(board, trigger number)
    EndPrestore,   // EndTriggerPrestoreDialog: end_prestore(board)
    Delimiter,     // TriggerBufferDelimiterDialog: trig_buff_delim(board)
    TriggerIo,     // TriggerIoPortDialog: trigger_io(board, I/O port number)
};

// The frame's design of one member.
CommandDesign triggerBufferDesign(TriggerBufferMember member);

// Trigger and I/O port numbers a board has: 1 to 6 on the 3-axis boards, 1 to 4 on the others.
FieldBounds triggerNumberBounds(std::int16_t typeCode);

} // namespace tarvik
