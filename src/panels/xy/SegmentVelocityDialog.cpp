#include "panels/xy/SegmentVelocityDialog.h"

#include "base/NumberText.h"
#include "program/App.h"
#include "shell/Shell.h"

namespace tarvik {

std::string RatioText(float newVelocity, float oldVelocity)
{
    const std::string ratio = strSigned(static_cast<double>(newVelocity) / oldVelocity);
    const std::string newText = strSigned(newVelocity);
    const std::string oldText = strSigned(oldVelocity);
    if (ratio.size() < newText.size() + oldText.size()) return ratio + "  ";
    return " ( " + newText + " / " + oldText + " )  ";
}

SegmentVelocityDialog::SegmentVelocityDialog(App& app)
    : Form(app.runtime(), "frmScaleSegments",
           {.caption = "Change Vector Velocity", .width = 5175, .height = 2415, .mdiChild = false, .helpTopic = 208})
{
    routineButton.onClick = [this] { answer(AnswerYes); };
    segmentButton.onClick = [this] { answer(AnswerNo); };
    cancelButton.onClick = [this] { answer(AnswerCancel); };
    cancelButton.setCancel(true);
}

std::optional<std::int16_t> SegmentVelocityDialog::ask()
{
    answer_ = AnswerCancel;
    if (!showModal()) return std::nullopt;
    return answer_;
}

void SegmentVelocityDialog::answer(std::int16_t code)
{
    answer_ = code;
    unload();
}

} // namespace tarvik
