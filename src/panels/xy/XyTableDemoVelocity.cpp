#include "panels/xy/XyTableDemo.h"

#include "base/NumberText.h"
#include "common/RangeChecks.h"
#include "panels/xy/SegmentVelocityDialog.h"
#include "program/App.h"
#include "shell/Shell.h"

namespace tarvik {

namespace {

constexpr const char* kIncreaseQuestion = "Would you like to increase the speed of the entire routine by the same ratio "
                                          "as you've increased this segment (shown below) ?";
constexpr const char* kDecreaseQuestion = "Would you like to decrease the speed of the entire routine by the same ratio "
                                          "as you've decreased this segment (shown below) ?";

} // namespace

void XyTableDemo::vectveltxt_LostFocus()
{
    velocityField_.setValid(ClampRangeDouble(app_, vectveltxt, 0, 100));
    if (velocityField_.valid() == 1) {
        f_.VectorVelocity = static_cast<float>(valueOf(vectveltxt.text()));
        f_.VectorAccel = f_.VectorVelocity * (IsServoType(f_.BoardTypeCode) ? 10.0F : 4.0F);
    }
    if (f_.DemoMode == kDemoAutomatic && f_.ScaleQuestionPending != 0) askSegmentScaling();
}

void XyTableDemo::askSegmentScaling()
{
    if (f_.TargetCount < 1) return;
    const auto s = static_cast<std::size_t>(f_.SegmentIndex == f_.TargetCount - 1 ? 0 : f_.SegmentIndex + 1);
    const float old = f_.SegmentVelocity[s];
    if (old == f_.VectorVelocity) return;
    // A segment stored at 0 has no ratio to scale the routine by: it takes the new velocity.
    if (old == 0) {
        f_.SegmentVelocity[s] = f_.VectorVelocity;
        f_.ScaleQuestionPending = 0;
        return;
    }
    const double ratio = static_cast<double>(f_.VectorVelocity) / old;
    SegmentVelocityDialog& question = app_.form<SegmentVelocityDialog>();
    question.questionLabel.setCaption(ratio >= 1 ? kIncreaseQuestion : kDecreaseQuestion);
    question.ratioLabel.setCaption(question.ratioLabel.caption() + RatioText(f_.VectorVelocity, old));
    const std::optional<std::int16_t> answer = question.ask();
    if (!answer) return;
    if (*answer == AnswerYes) {
        for (int i = 0; i < f_.TargetCount; ++i) {
            float& velocity = f_.SegmentVelocity[static_cast<std::size_t>(i)];
            velocity = velocity * f_.VectorVelocity / old;
        }
    } else if (*answer == AnswerNo) {
        f_.SegmentVelocity[s] = f_.VectorVelocity;
    }
    f_.ScaleQuestionPending = 0;
}

} // namespace tarvik
