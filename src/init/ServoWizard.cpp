#include "init/ServoWizard.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitserv",
    .caption = "Initialize Kadrel - Servo",
    .helpTopic = 310,
    .banner = "  3 Axis Kadrel-Servo  ",
    .group = BoardGroup::Servo3,
    .axes = 3,
    .kind = wizard_fields::kServo3,
};

} // namespace

ServoWizard::ServoWizard(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
