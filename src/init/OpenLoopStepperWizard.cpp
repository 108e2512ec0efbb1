#include "init/OpenLoopStepperWizard.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitstol",
    .caption = "Initialize Kadrel - OL",
    .helpTopic = 311,
    .banner = "  3 Axis Kadrel-OL  ",
    .group = BoardGroup::OpenLoop3,
    .axes = 3,
    .kind = wizard_fields::kOpenLoop,
};

} // namespace

OpenLoopStepperWizard::OpenLoopStepperWizard(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
