#include "commands/io/frm5F.h"

#include "commands/io/TriggerBufferDesign.h"

namespace tarvik {

frm5F::frm5F(App& app) : CommandDialog(app, triggerBufferDesign(TriggerBufferMember::BeginPrestore)) {}

} // namespace tarvik
