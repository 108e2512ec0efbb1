#include "init/frminitstcl.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitstcl",
    .caption = "Initialize Kadrel - CL",
    .banner = "  3 Axis Kadrel-CL  ",
    .group = BoardGroup::ClosedLoop3,
    .axes = 3,
    .boardText = wizard_fields::kClosedLoopText,
    .boxes = wizard_fields::kClosedLoopBoxes,
    .choices = wizard_fields::kClosedLoopChoices,
    .buttons = wizard_fields::kClosedLoopButtons,
    .stopModes = true,
    .enterLeavesBox = true,
    .loadSetsCurrentBoard = false,
};

} // namespace

frminitstcl::frminitstcl(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
