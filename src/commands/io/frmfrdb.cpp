#include "commands/io/frmfrdb.h"

#include "commands/io/RdbRequestDesign.h"

namespace tarvik {

frmfrdb::frmfrdb(App& app) : CommandDialog(app, rdbRequestDesign("frmfrdb")) {}

} // namespace tarvik
