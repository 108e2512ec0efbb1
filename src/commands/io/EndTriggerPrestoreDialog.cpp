#include "commands/io/EndTriggerPrestoreDialog.h"

#include "commands/io/TriggerBufferDesign.h"

namespace tarvik {

EndTriggerPrestoreDialog::EndTriggerPrestoreDialog(App& app) : CommandDialog(app, triggerBufferDesign(TriggerBufferMember::EndPrestore)) {}

} // namespace tarvik
