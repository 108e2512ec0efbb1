#include "commands/io/frm65.h"

#include "commands/io/BreakpointDesign.h"

namespace tarvik {

frm65::frm65(App& app) : CommandDialog(app, breakpointDesign(BreakpointMember::Position)) {}

} // namespace tarvik
