#include "init/InitStepsRanges.h"

#include "base/NumberText.h"

#include <optional>
#include <string_view>

namespace tarvik {

namespace {

// One checked field: its label as the windows show it, its value and its bounds.
struct Checked {
    std::string_view label;
    double value;
    double low;
    double high;
};

constexpr double kShortMax = 32767;
constexpr double kLinesMax = 16383;
// Servo boards take a following error of at most 32767 counts, closed-loop steppers 65535.
constexpr double kServoFollowingErrorMax = 32767;
constexpr double kStepperFollowingErrorMax = 65535;
constexpr double kSamplePeriodMax = 255;
constexpr double kServoFindRpmMax = 1048576;

// Fields every axis sub-record has.
template <class Axis>
void visitCommon(const Axis& a, auto&& f)
{
    f(Checked{"Limit Enable", double(a.LimitEnableBits), -1, 7});
    f(Checked{"Stop Mode", double(a.StopMode), 1, 3});
}

void visitFields(const ServoAxisSettings& a, auto&& f)
{
    f(Checked{"Encoder Lines", double(a.EncoderLines), 1, kShortMax});
    visitCommon(a, f);
    f(Checked{"Proportional Gain", double(a.PropGain), 0, kShortMax});
    f(Checked{"Integral Gain", double(a.IntgGain), 0, kShortMax});
    f(Checked{"Derivative Gain", double(a.DerivGain), 0, kShortMax});
    f(Checked{"Derivative Sample Period", double(a.DerivPeriod), 0, kSamplePeriodMax});
    f(Checked{"Integration Limit", double(a.IntgLimit), 0, kShortMax});
    f(Checked{"Find Velocity", a.FindRpm, 1, kServoFindRpmMax});
    f(Checked{"Following Error", double(a.FollowingError), 1, kServoFollowingErrorMax});
}

void visitFields(const StepperAxisSettings& a, auto&& f)
{
    f(Checked{"Steps/Rev", double(a.StepsPerRev), 1, kShortMax});
    visitCommon(a, f);
    f(Checked{"Find Velocity", double(a.FindRpm), 1, kShortMax});
}

void visitFields(const ClosedLoopAxisSettings& a, auto&& f)
{
    f(Checked{"Steps/Rev", double(a.StepsPerRev), 1, kShortMax});
    f(Checked{"Lines/Rev", double(a.LinesPerRev), 1, kLinesMax});
    visitCommon(a, f);
    f(Checked{"Find Velocity", double(a.FindRpm), 1, kShortMax});
    f(Checked{"Following Error", double(a.FollowingError), 1, kStepperFollowingErrorMax});
}

std::string describe(int axis, const Checked& c)
{
    return "axis " + std::to_string(axis) + ": " + std::string(c.label) + " is " + strTrimmed(c.value) +
           ", outside " + strTrimmed(c.low) + " to " + strTrimmed(c.high) + ".";
}

} // namespace

std::string FirstValueOutOfRange(const SettingsTables& tables, int typeCode, int boardId)
{
    std::string problem;
    visitRecord(tables, typeCode, boardId, [&](const auto& record) {
        int axis = 0;
        for (const auto& a : record.Axis) {
            ++axis;
            visitFields(a, [&](const Checked& c) {
                // Written so that a NaN find velocity counts as out of range.
                if (problem.empty() && !(c.value >= c.low && c.value <= c.high)) problem = describe(axis, c);
            });
        }
    });
    return problem;
}

} // namespace tarvik
