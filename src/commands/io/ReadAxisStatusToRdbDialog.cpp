#include "commands/io/ReadAxisStatusToRdbDialog.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

ReadAxisStatusToRdbDialog::ReadAxisStatusToRdbDialog(App& app) : CommandDialog(app, rdbRequestDesign("frm49")) {}

} // namespace tarvik
