#pragma once

#include "common/CommandDesign.h"

#include <string_view>

namespace tarvik {

// The dialogs that act on a board's Return Data Buffer without reading it: five ask the board to
// put one value into the buffer (velocity, I/O port, per-axis status, position, limit switch
// status), one empties it. None shows a value; what the board puts into the buffer is fetched
// with Read Return Data Buffer. The five requests carry a warning against running them beside a
// test panel, which reads the same buffer.
//
// The declaration of the dialog of form `form` ("frm54s", "frm47", "frm49", "frm53", "frm42" or
// "frmfrdb"); std::invalid_argument for any other name.
CommandDesign rdbRequestDesign(std::string_view form);

} // namespace tarvik
