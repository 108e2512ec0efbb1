#include "init/ClosedLoopStepper4Wizard.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitstcl4a",
    .caption = "Initialize Kadrel 2/4 Axis - CL",
    .helpTopic = 315,
    .banner = "  2/4 Axis Kadrel-CL  ",
    .group = BoardGroup::ClosedLoop4,
    .axes = 4,
    .kind = wizard_fields::kClosedLoop,
};

} // namespace

ClosedLoopStepper4Wizard::ClosedLoopStepper4Wizard(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
