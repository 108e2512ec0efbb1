#include "init/frminitserv.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitserv",
    .caption = "Initialize Kadrel - Servo",
    .banner = "  3 Axis Kadrel-Servo  ",
    .group = BoardGroup::Servo3,
    .axes = 3,
    .boardText = wizard_fields::kServoText,
    .boxes = wizard_fields::kServoBoxes,
    .choices = wizard_fields::kServoChoices,
    .buttons = wizard_fields::kServoButtons,
    .stopModes = true,
    .enterLeavesBox = true,
    .loadSetsCurrentBoard = false,
};

} // namespace

frminitserv::frminitserv(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
