#include "commands/io/frm54s.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

frm54s::frm54s(App& app) : CommandDialog(app, rdbRequestDesign("frm54s")) {}

} // namespace tarvik
