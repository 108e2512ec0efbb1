#include "commands/io/TriggerIoPortDialog.h"

#include "commands/io/TriggerBufferDesign.h"

namespace tarvik {

TriggerIoPortDialog::TriggerIoPortDialog(App& app) : CommandDialog(app, triggerBufferDesign(TriggerBufferMember::TriggerIo)) {}

} // namespace tarvik
