#pragma once

#include "init/SettingsRanges.h"
#include "init/Wizard.h"

#include <array>

// The fields, option pairs and buttons of the wizards, by board kind. The 3-axis and 2/4-axis
// wizards of one kind share them; the wizards differ only in name, caption, banner, group and
// axes.
namespace tarvik::wizard_fields {

namespace ranges = field_ranges;

// A box whose label and bounds are its record field's (SettingsRanges.h), with its keys, the
// check on every change and what leaving it does.
constexpr WizardBox box(std::string_view name, const FieldRange& range, std::string_view unit, std::string_view keys,
                        FieldCheck check, FieldLeaving leaving, AxisField field)
{
    return {name, range.label, unit, {keys, check, range.bounds, leaving}, field};
}

inline constexpr WizardBox kStepsRevWhole = box("StepsRev", ranges::kStepsPerRev, "", kUnsignedKeys,
                                                FieldCheck::ValidateInteger, FieldLeaving::Whole,
                                                AxisField::StepsPerRev);
inline constexpr WizardBox kLinesRev = box("LinesRev", ranges::kLinesPerRev, "", kUnsignedKeys,
                                           FieldCheck::ValidateInteger, FieldLeaving::Whole, AxisField::LinesPerRev);
inline constexpr WizardBox kEncoderLines = box("LinesRev", ranges::kEncoderLines, "", kUnsignedKeys,
                                               FieldCheck::ValidateInteger, FieldLeaving::Whole,
                                               AxisField::EncoderLines);
inline constexpr WizardBox kIndexOffset = box("IndexOff", ranges::kIndexOffset, "Steps", kSignedKeys,
                                              FieldCheck::ValidateDoubleOrBlank, FieldLeaving::Whole,
                                              AxisField::RefOffset);
inline constexpr WizardBox kFindRpm = box("FindRPM", ranges::kFindRpm, "RPM", kDecimalKeys,
                                          FieldCheck::ValidateDoubleOrBlank, FieldLeaving::Decimal, AxisField::FindRpm);

// The following error is clamped silently as the box is left.
constexpr WizardBox followingError(const FieldRange& range)
{
    return box("FolErr", range, "Counts", kUnsignedKeys, FieldCheck::ValidateDoubleOrBlank, FieldLeaving::ClampLong,
               AxisField::FollowingError);
}

inline constexpr WizardBox kClosedLoopBoxes[] = {
    kStepsRevWhole, kLinesRev, followingError(ranges::kStepperFollowingError), kIndexOffset, kFindRpm,
};

// Open-loop steppers: steps tested as a double, the find velocity without the blank rule.
inline constexpr WizardBox kOpenLoopBoxes[] = {
    box("StepsRev", ranges::kStepsPerRev, "", kUnsignedKeys, FieldCheck::ValidateDoubleOrBlank, FieldLeaving::Whole,
        AxisField::StepsPerRev),
    box("FindRPM", ranges::kFindRpm, "RPM", kDecimalKeys, FieldCheck::ValidateDouble, FieldLeaving::Decimal,
        AxisField::FindRpm),
};

inline constexpr WizardBox kServoBoxes[] = {kEncoderLines, followingError(ranges::kServoFollowingError), kIndexOffset,
                                            kFindRpm};

inline constexpr WizardBox kEncoderBoxes[] = {kEncoderLines};

inline constexpr WizardChoice kLoopMode{"fraLoopMd", ranges::kLoopModeLabel, {"btnOpenLoop", "Open"},
                                        {"btnClosedLoop", "Closed "}, false, AxisField::ClosedLoop};
inline constexpr WizardChoice kHomeDirection{"fraHomeDir", ranges::kHomeDirectionLabel, {"btnHomeRev", "Rev"},
                                             {"btnHomeFwd", "Fwd"}, true, AxisField::HomeReverse};
inline constexpr WizardChoice kIndexDirection{"Frame13", ranges::kIndexDirectionLabel, {"btnIndexRev", "Rev"},
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
// The servo wizards differ only in their I/O button's caption.
constexpr std::array<WizardButtonDesign, 5> servoButtons(std::string_view ioCaption)
{
    return {{
        {WizardButton::FindHome, "Find Home"},
        {WizardButton::FindIndex, "Find Index"},
        {WizardButton::IoSettings, ioCaption},
        {WizardButton::LimitSettings, "Limit Sw Settings"},
        {WizardButton::PidGains, "PID Gains"},
    }};
}
inline constexpr auto kServo3Buttons = servoButtons("IO Polarity && Dir");
inline constexpr auto kServo4Buttons = servoButtons("I/O Polarity && Dir");

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
constexpr WizardKind servo(std::span<const WizardButtonDesign> buttons)
{
    return {
        .boardText = "Servo Board",
        .boxes = kServoBoxes,
        .choices = kServoChoices,
        .buttons = buttons,
        .stopModes = true,
        .enterLeavesBox = true,
        .loadSetsCurrentBoard = false,
    };
}
inline constexpr WizardKind kServo3 = servo(kServo3Buttons);
inline constexpr WizardKind kServo4 = servo(kServo4Buttons);
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
