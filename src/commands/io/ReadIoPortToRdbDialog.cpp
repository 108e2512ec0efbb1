#include "commands/io/ReadIoPortToRdbDialog.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

ReadIoPortToRdbDialog::ReadIoPortToRdbDialog(App& app) : CommandDialog(app, rdbRequestDesign("frm47")) {}

} // namespace tarvik
