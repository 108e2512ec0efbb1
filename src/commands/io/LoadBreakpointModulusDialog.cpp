#include "commands/io/LoadBreakpointModulusDialog.h"

#include "commands/io/BreakpointDesign.h"

namespace tarvik {

LoadBreakpointModulusDialog::LoadBreakpointModulusDialog(App& app) : CommandDialog(app, breakpointDesign(BreakpointMember::Modulus)) {}

} // namespace tarvik
