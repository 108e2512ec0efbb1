#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read Encoder: read_encoder, the encoder position of one axis of a closed-loop stepper board,
// shown in `encoderlbl`.
class ReadEncoderDialog : public CommandDialog {
public:
    explicit ReadEncoderDialog(App& app);

    Label& encoderlbl = readBack(0);
};

} // namespace tarvik
