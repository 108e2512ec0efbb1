#include "init/Servo4Wizard.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitserv4a",
    .caption = "Initialize Kadrel 2/4 Axis - Servo",
    .helpTopic = 313,
    .banner = "  2/4 Axis Kadrel-Servo  ",
    .group = BoardGroup::Servo4,
    .axes = 4,
    .kind = wizard_fields::kServo4,
};

} // namespace

Servo4Wizard::Servo4Wizard(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
