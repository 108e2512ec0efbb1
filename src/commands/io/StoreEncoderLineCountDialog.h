#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Store Encoder Line Count: store_elc, the encoder lines per revolution (1 to 32767) of one axis
// of a servo or encoder board. It opens with the count the board's settings record holds for
// axis 1 (" 1000"), and after status 0 keeps the count sent as EncoderLines of the commanded
// board and axis.
class StoreEncoderLineCountDialog : public CommandDialog {
public:
    explicit StoreEncoderLineCountDialog(App& app);

    TextBox& elctxt = field(0);
};

} // namespace tarvik
