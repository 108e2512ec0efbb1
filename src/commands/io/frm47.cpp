#include "commands/io/frm47.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

frm47::frm47(App& app) : CommandDialog(app, rdbRequestDesign("frm47")) {}

} // namespace tarvik
