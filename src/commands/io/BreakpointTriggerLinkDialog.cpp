#include "commands/io/BreakpointTriggerLinkDialog.h"

#include "commands/io/BreakpointDesign.h"

namespace tarvik {

BreakpointTriggerLinkDialog::BreakpointTriggerLinkDialog(App& app) : CommandDialog(app, breakpointDesign(BreakpointMember::TriggerLink)) {}

} // namespace tarvik
