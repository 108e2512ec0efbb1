#include "commands/io/frm48.h"

#include "commands/io/TriggerBufferDesign.h"

namespace tarvik {

frm48::frm48(App& app) : CommandDialog(app, triggerBufferDesign(TriggerBufferMember::TriggerIo)) {}

} // namespace tarvik
