#include "commands/io/TriggerBufferDelimiterDialog.h"

#include "commands/io/TriggerBufferDesign.h"

namespace tarvik {

TriggerBufferDelimiterDialog::TriggerBufferDelimiterDialog(App& app) : CommandDialog(app, triggerBufferDesign(TriggerBufferMember::Delimiter)) {}

} // namespace tarvik
