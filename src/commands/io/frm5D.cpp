#include "commands/io/frm5D.h"

#include "commands/io/TriggerBufferDesign.h"

namespace tarvik {

frm5D::frm5D(App& app) : CommandDialog(app, triggerBufferDesign(TriggerBufferMember::Delimiter)) {}

} // namespace tarvik
