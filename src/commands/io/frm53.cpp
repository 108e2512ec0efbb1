#include "commands/io/frm53.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

frm53::frm53(App& app) : CommandDialog(app, rdbRequestDesign("frm53")) {}

} // namespace tarvik
