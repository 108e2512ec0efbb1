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
    .kind = wizard_fields::kOpenLoop,
};

} // namespace

frminitstol::frminitstol(App& app) : Wizard(app, kDeclaration) {}

} // namespace tarvik
