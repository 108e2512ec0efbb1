#include "init/SettingsRanges.h"

#include "base/NumberText.h"
#include "program/App.h"
#include "program/OptionFiles.h"

namespace tarvik {

namespace {

using namespace field_ranges;

// Each visitor calls f(range, value) for the fields of a sub-record in their file order, so that
// the first field reported is the first one a reader of the file meets.

void visitFields(const ServoAxisSettings& a, auto&& f)
{
    f(kEncoderLines, a.EncoderLines);
    f(kLimitEnable, a.LimitEnableBits);
    f(kProportionalGain, a.PropGain);
    f(kIntegralGain, a.IntgGain);
    f(kDerivativeGain, a.DerivGain);
    f(kSamplePeriod, a.DerivPeriod);
    f(kIntegrationLimit, a.IntgLimit);
    f(kFindRpm, a.FindRpm);
    f(kIndexOffset, a.RefOffset);
    f(kServoFollowingError, a.FollowingError);
    f(kStopMode, a.StopMode);
}

// The fields both stepper sub-records begin with.
template <class Axis>
void visitStepperFields(const Axis& a, auto&& f)
{
    f(kStepsPerRev, a.StepsPerRev);
    f(kLimitEnable, a.LimitEnableBits);
    f(kFindRpm, a.FindRpm);
}

void visitFields(const StepperAxisSettings& a, auto&& f)
{
    visitStepperFields(a, f);
    f(kStopMode, a.StopMode);
}

void visitFields(const ClosedLoopAxisSettings& a, auto&& f)
{
    visitStepperFields(a, f);
    f(kLinesPerRev, a.LinesPerRev);
    f(kIndexOffset, a.RefOffset);
    f(kStepperFollowingError, a.FollowingError);
    f(kStopMode, a.StopMode);
}

bool inRange(const FieldRange& range, double value)
{
    // Written so that NaN counts as out of range.
    return value >= range.bounds.min && value <= range.bounds.max;
}

std::string describe(const std::string& where, const FieldRange& range, double value)
{
    return where + std::string(range.label) + " is " + strTrimmed(value) + ", outside " +
           strTrimmed(range.bounds.min) + " to " + strTrimmed(range.bounds.max) + ".";
}

} // namespace

std::string FirstValueOutOfRange(const SettingsTables& tables, int typeCode, int boardId)
{
    std::string problem;
    const auto check = [&](const std::string& where, const FieldRange& range, auto value) {
        if (problem.empty() && !inRange(range, static_cast<double>(value))) problem = describe(where, range, value);
    };
    visitRecord(tables, typeCode, boardId, [&](const auto& record) {
        int axis = 0;
        for (const auto& a : record.Axis) {
            const std::string where = "axis " + std::to_string(++axis) + ": ";
            visitFields(a, [&](const FieldRange& range, auto value) { check(where, range, value); });
        }
    });
    return problem;
}

std::string OutOfRangeReport(const App& app, std::int16_t boardId, int option)
{
    if (!app.state().boards.isBoard(boardId)) return {};
    const int type = app.state().boards.BoardType[static_cast<std::size_t>(boardId)];
    const std::string problem = FirstValueOutOfRange(app.state().Settings, type, boardId);
    if (problem.empty()) return {};
    const std::optional<OptionFile> file = optionFileOf(type);
    return "The settings of board ID " + std::to_string(boardId) + " (option " + std::to_string(option) +
           " of the file \"" + std::string(file ? file->name : "") + "\") hold a value out of range, " + problem +
           " Nothing of them is sent to the board until they are mended in the wizard.";
}

} // namespace tarvik
