#include "commands/io/ReadLimitSwitchStatusToRdbDialog.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

ReadLimitSwitchStatusToRdbDialog::ReadLimitSwitchStatusToRdbDialog(App& app) : CommandDialog(app, rdbRequestDesign("frm42")) {}

} // namespace tarvik
