#include "init/EncoderWizard.h"

#include "init/WizardFields.h"

namespace tarvik {

namespace {

const WizardDeclaration kDeclaration{
    .formName = "frminitPelto",
    .caption = "Initialize Pelto - Encoder",
    .helpTopic = 316,
    .banner = "  4 Axis Pelto Encoder  ",
    .group = BoardGroup::Encoder,
    .axes = 4,
    .kind = wizard_fields::kEncoder,
};

} // namespace

EncoderWizard::EncoderWizard(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
