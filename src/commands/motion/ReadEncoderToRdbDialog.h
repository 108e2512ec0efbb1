#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read Encoder to RDB: read_encoder_rdb, which puts the encoder position of one axis of a
// closed-loop stepper board into the board's Return Data Buffer. The dialog reads nothing back;
// it shows the status of the request and warns against running it beside a test panel.
class ReadEncoderToRdbDialog : public CommandDialog {
public:
    explicit ReadEncoderToRdbDialog(App& app);

    TextBox& warning = notice();
};

} // namespace tarvik
