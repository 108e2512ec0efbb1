#include "commands/io/LoadPositionBreakpointDialog.h"

#include "commands/io/BreakpointDesign.h"

namespace tarvik {

LoadPositionBreakpointDialog::LoadPositionBreakpointDialog(App& app) : CommandDialog(app, breakpointDesign(BreakpointMember::Position)) {}

} // namespace tarvik
