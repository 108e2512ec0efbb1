#pragma once

#include "init/Wizard.h"

// The fields, option pairs and buttons of the wizards, by board kind. The 3-axis and 2/4-axis
// wizards of one kind share them; the wizards differ only in name, caption, banner, group and
// axes.
namespace tarvik::wizard_fields {

inline constexpr double kShortMax = 32767;
inline constexpr double kFindRpmMax = 1048576;

// Each box's rule: keys, the check on every change, bounds, what leaving the box does.
inline constexpr FieldRule kWholeRule{kUnsignedKeys, FieldCheck::ValidateInteger, {1, kShortMax}, FieldLeaving::Whole};

inline constexpr WizardBox kStepsRevWhole{"StepsRev", "Steps/Rev", "", kWholeRule, AxisField::StepsPerRev};
inline constexpr WizardBox kLinesRev{"LinesRev", "Lines/Rev", "",
                                     {kUnsignedKeys, FieldCheck::ValidateInteger, {1, 16383}, FieldLeaving::Whole},
                                     AxisField::LinesPerRev};
inline constexpr WizardBox kEncoderLines{"LinesRev", "Lines/Rev", "", kWholeRule, AxisField::EncoderLines};
inline constexpr WizardBox kIndexOffset{
    "IndexOff", "Index Offset", "Steps",
    {kSignedKeys, FieldCheck::ValidateDoubleOrBlank, {-32768, kShortMax}, FieldLeaving::Whole}, AxisField::RefOffset};
inline constexpr WizardBox kFindRpm{
    "FindRPM", "Find Velocity", "RPM",
    {kDecimalKeys, FieldCheck::ValidateDoubleOrBlank, {1, kFindRpmMax}, FieldLeaving::Decimal}, AxisField::FindRpm};

// The following error is clamped silently as the box is left.
constexpr WizardBox followingError(double max)
{
    return {"FolErr", "Following Error", "Counts",
            {kUnsignedKeys, FieldCheck::ValidateDoubleOrBlank, {1, max}, FieldLeaving::ClampLong},
            AxisField::FollowingError};
}

// Closed-loop steppers: the following error reaches 65535 counts.
inline constexpr WizardBox kClosedLoopBoxes[] = {
    kStepsRevWhole, kLinesRev, followingError(65535), kIndexOffset, kFindRpm,
};

// Open-loop steppers: steps tested as a double, the find velocity without the blank rule.
inline constexpr WizardBox kOpenLoopBoxes[] = {
    {"StepsRev", "Steps/Rev", "",
     {kUnsignedKeys, FieldCheck::ValidateDoubleOrBlank, {1, kShortMax}, FieldLeaving::Whole}, AxisField::StepsPerRev},
    {"FindRPM", "Find Velocity", "RPM",
     {kDecimalKeys, FieldCheck::ValidateDouble, {1, kFindRpmMax}, FieldLeaving::Decimal}, AxisField::FindRpm},
};

// Servos: encoder lines, and a following error of at most 32767 counts.
inline constexpr WizardBox kServoBoxes[] = {kEncoderLines, followingError(kShortMax), kIndexOffset, kFindRpm};

inline constexpr WizardBox kEncoderBoxes[] = {kEncoderLines};

inline constexpr WizardChoice kLoopMode{"fraLoopMd", "Loop Mode", {"btnOpenLoop", "Open"}, {"btnClosedLoop", "Closed "},
                                        false, AxisField::ClosedLoop};
inline constexpr WizardChoice kHomeDirection{"fraHomeDir", "Home Direction", {"btnHomeRev", "Rev"},
                                             {"btnHomeFwd", "Fwd"}, true, AxisField::HomeReverse};
inline constexpr WizardChoice kIndexDirection{"Frame13", "Index Direction", {"btnIndexRev", "Rev"},
                                              {"btnIndexFwd", "Fwd"}, true, AxisField::IndexReverse};

inline constexpr WizardChoice kClosedLoopChoices[] = {kLoopMode, kHomeDirection, kIndexDirection};
inline constexpr WizardChoice kOpenLoopChoices[] = {kHomeDirection};
inline constexpr WizardChoice kServoChoices[] = {kHomeDirection, kIndexDirection};

inline constexpr WizardButtonDesign kClosedLoopButtons[] = {
    {WizardButton::FindHome, "Find Home"},
    {WizardButton::FindIndex, "Find Index"},
    {WizardButton::IoSettings, "IO Polarity && Direction"},
    {WizardButton::LimitSettings, "Limit Sw Settings"},
    {WizardButton::StepOutput, "Output Mode && Polarity"},
};
inline constexpr WizardButtonDesign kOpenLoopButtons[] = {
    {WizardButton::FindHome, "Find Home"},
    {WizardButton::IoSettings, "IO Polarity && Dir"},
    {WizardButton::LimitSettings, "Limit Sw Settings"},
    {WizardButton::StepOutput, "Output Mode && Polarity"},
};
inline constexpr WizardButtonDesign kServoButtons[] = {
    {WizardButton::FindHome, "Find Home"},
    {WizardButton::FindIndex, "Find Index"},
    {WizardButton::IoSettings, "IO Polarity && Direction"},
    {WizardButton::LimitSettings, "Limit Sw Settings"},
    {WizardButton::PidGains, "PID Gains"},
};

// The kinds. Only the open-loop wizards make their board the current one as they load, and
// only there does Enter leave a box as typed.
inline constexpr WizardKind kClosedLoop{
    .boardText = "Closed Loop Stepper Board",
    .boxes = kClosedLoopBoxes,
    .choices = kClosedLoopChoices,
    .buttons = kClosedLoopButtons,
    .stopModes = true,
    .enterLeavesBox = true,
    .loadSetsCurrentBoard = false,
};
inline constexpr WizardKind kOpenLoop{
    .boardText = "Open Loop Stepper Board",
    .boxes = kOpenLoopBoxes,
    .choices = kOpenLoopChoices,
    .buttons = kOpenLoopButtons,
    .stopModes = true,
    .enterLeavesBox = false,
    .loadSetsCurrentBoard = true,
};
inline constexpr WizardKind kServo{
    .boardText = "Servo Board",
    .boxes = kServoBoxes,
    .choices = kServoChoices,
    .buttons = kServoButtons,
    .stopModes = true,
    .enterLeavesBox = true,
    .loadSetsCurrentBoard = false,
};
// Encoder boards never move: encoder lines only, no stop modes, directions or buttons.
inline constexpr WizardKind kEncoder{
    .boardText = "Encoder Board",
    .boxes = kEncoderBoxes,
    .choices = {},
    .buttons = {},
    .stopModes = false,
    .enterLeavesBox = true,
    .loadSetsCurrentBoard = false,
};

} // namespace tarvik::wizard_fields
