#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the encoder boards: encoder lines per axis only; an encoder
// board never moves, so there are no stop modes, directions, find or set-up buttons.
class EncoderWizard final : public Wizard {
public:
    explicit EncoderWizard(App& app);
};

} // namespace tarvik
