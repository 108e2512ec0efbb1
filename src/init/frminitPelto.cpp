#include "init/frminitPelto.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitPelto",
    .caption = "Initialize Pelto - Encoder",
    .banner = "  4 Axis Pelto Encoder  ",
    .group = BoardGroup::Encoder,
    .axes = 4,
    .boardText = wizard_fields::kEncoderText,
    .boxes = wizard_fields::kEncoderBoxes,
    .choices = {},
    .buttons = {},
    .stopModes = false,
    .enterLeavesBox = true,
    .loadSetsCurrentBoard = false,
};

} // namespace

frminitPelto::frminitPelto(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
