#include "init/frminitstol.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitstol",
    .caption = "Initialize Kadrel - OL",
    .banner = "  3 Axis Kadrel-OL  ",
    .group = BoardGroup::OpenLoop3,
    .axes = 3,
    .boardText = wizard_fields::kOpenLoopText,
    .boxes = wizard_fields::kOpenLoopBoxes,
    .choices = wizard_fields::kOpenLoopChoices,
    .buttons = wizard_fields::kOpenLoopButtons,
    .stopModes = true,
    .enterLeavesBox = false,
    .loadSetsCurrentBoard = true,
};

} // namespace

frminitstol::frminitstol(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
