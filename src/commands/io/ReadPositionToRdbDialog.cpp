#include "commands/io/ReadPositionToRdbDialog.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

ReadPositionToRdbDialog::ReadPositionToRdbDialog(App& app) : CommandDialog(app, rdbRequestDesign("frm53")) {}

} // namespace tarvik
