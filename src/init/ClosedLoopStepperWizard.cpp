#include "init/ClosedLoopStepperWizard.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitstcl",
    .caption = "Initialize Kadrel - CL",
    .helpTopic = 312,
    .banner = "  3 Axis Kadrel-CL  ",
    .group = BoardGroup::ClosedLoop3,
    .axes = 3,
    .kind = wizard_fields::kClosedLoop,
};

} // namespace

ClosedLoopStepperWizard::ClosedLoopStepperWizard(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
