#include "commands/io/frmPosToTrig.h"

#include "commands/io/BreakpointDesign.h"

namespace tarvik {

frmPosToTrig::frmPosToTrig(App& app) : CommandDialog(app, breakpointDesign(BreakpointMember::TriggerLink)) {}

} // namespace tarvik
