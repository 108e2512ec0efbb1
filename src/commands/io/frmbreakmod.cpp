#include "commands/io/frmbreakmod.h"

#include "commands/io/BreakpointDesign.h"

namespace tarvik {

frmbreakmod::frmbreakmod(App& app) : CommandDialog(app, breakpointDesign(BreakpointMember::Modulus)) {}

} // namespace tarvik
