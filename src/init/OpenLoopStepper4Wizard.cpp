#include "init/OpenLoopStepper4Wizard.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitstol4a",
    .caption = "Initialize Kadrel 2/4 Axis - OL",
    .helpTopic = 314,
    .banner = "  2/4 Axis Kadrel-OL  ",
    .group = BoardGroup::OpenLoop4,
    .axes = 4,
    .kind = wizard_fields::kOpenLoop,
};

} // namespace

OpenLoopStepper4Wizard::OpenLoopStepper4Wizard(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
