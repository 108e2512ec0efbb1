#include "commands/motion/LoadFollowingErrorDialog.h"

#include "commands/motion/AxisValueDesign.h"
#include "driver/BoardTypes.h"

#include <optional>

namespace tarvik {

namespace {

// Servo boards take at most 32767 counts, the closed-loop steppers (the other listed boards) 65535.
FieldBounds followingErrorBounds(std::int16_t typeCode)
{
    const std::optional<BoardGroup> group = groupOf(typeCode);
    const bool servo = group == BoardGroup::Servo3 || group == BoardGroup::Servo4;
    return {1, servo ? 32767.0 : 65535.0};
}

} // namespace

LoadFollowingErrorDialog::LoadFollowingErrorDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_fol_err,
          {.name = "frm56s", .caption = "Load Following Error Count", .helpTopic = 354, .mask = kClosedLoopCapableGroups,
           .kept = {{.field = AxisField::FollowingError, .shownAtLoad = true}}},
          {.name = "follerrtxt", .label = "Error Count", .maxLength = 6,
           .rule = {.check = FieldCheck::ValidateDoubleOrBlank}, .boundsByType = followingErrorBounds}))
{
}

} // namespace tarvik
