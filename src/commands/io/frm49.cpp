#include "commands/io/frm49.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

frm49::frm49(App& app) : CommandDialog(app, rdbRequestDesign("frm49")) {}

} // namespace tarvik
