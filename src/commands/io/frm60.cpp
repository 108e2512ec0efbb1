#include "commands/io/frm60.h"

#include "commands/io/TriggerBufferDesign.h"

namespace tarvik {

frm60::frm60(App& app) : CommandDialog(app, triggerBufferDesign(TriggerBufferMember::EndPrestore)) {}

} // namespace tarvik
