#include "commands/io/FlushRdbDialog.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

FlushRdbDialog::FlushRdbDialog(App& app) : CommandDialog(app, rdbRequestDesign("frmfrdb")) {}

} // namespace tarvik
