#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Position Reference Offset: load_pos_ref, the position reference (index) offset of one
// axis of a servo or closed-loop stepper board. The box takes a 32-bit offset, but the record
// keeps it as a 16-bit RefOffset, so only offsets from -32767 to 32766 are sent; any other one is
// refused with a message in the status box, without a call. A sent offset is kept as the axis's
// RefOffset after status 0, and the box opens with the RefOffset of axis 1.
class LoadReferenceOffsetDialog : public CommandDialog {
public:
    explicit LoadReferenceOffsetDialog(App& app);

    TextBox& offsettxt = field(0);
};

} // namespace tarvik
