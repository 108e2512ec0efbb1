#include "commands/io/ReadVelocityToRdbDialog.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

ReadVelocityToRdbDialog::ReadVelocityToRdbDialog(App& app) : CommandDialog(app, rdbRequestDesign("frm54s")) {}

} // namespace tarvik
