#include "commands/io/frm42.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

frm42::frm42(App& app) : CommandDialog(app, rdbRequestDesign("frm42")) {}

} // namespace tarvik
