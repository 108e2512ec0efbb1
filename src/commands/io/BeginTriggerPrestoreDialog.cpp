#include "commands/io/BeginTriggerPrestoreDialog.h"

#include "commands/io/TriggerBufferDesign.h"

namespace tarvik {

BeginTriggerPrestoreDialog::BeginTriggerPrestoreDialog(App& app) : CommandDialog(app, triggerBufferDesign(TriggerBufferMember::BeginPrestore)) {}

} // namespace tarvik
