#pragma once

#include "common/EntryField.h"
#include "program/SettingsTables.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvik {

class App;

// The values each field of a settings record may hold: what the window that edits the field lets
// a user enter (a wizard box, option pair or list, Load PID All, the limit-switch, I/O and
// step-output dialogs). The wizard boxes and Load PID All take their bounds from here, and the
// checks below hold a record against the same bounds, so a record the windows could have written
// is exactly a record the checks pass.
struct FieldRange {
    std::string_view label; // as the windows name the field
    FieldBounds bounds;     // both inclusive
};

namespace field_ranges {

inline constexpr double kShortMax = 32767;

inline constexpr FieldRange kStepsPerRev{"Steps/Rev", {1, kShortMax}};
inline constexpr FieldRange kLinesPerRev{"Lines/Rev", {1, 16383}};
inline constexpr FieldRange kEncoderLines{"Lines/Rev", {1, kShortMax}};
// Servo boards take a following error of at most 32767 counts, closed-loop steppers 65535.
inline constexpr FieldRange kServoFollowingError{"Following Error", {1, kShortMax}};
inline constexpr FieldRange kStepperFollowingError{"Following Error", {1, 65535}};
inline constexpr FieldRange kIndexOffset{"Index Offset", {-32768, kShortMax}};
// The box takes up to 1048576; a stepper's 16-bit field keeps at most 32767 of it.
inline constexpr FieldRange kFindRpm{"Find Velocity", {1, 1048576}};
inline constexpr FieldRange kStopMode{"Stop Mode", {1, 3}};

inline constexpr FieldRange kProportionalGain{"Proportional Gain", {0, kShortMax}};
inline constexpr FieldRange kIntegralGain{"Integral Gain", {0, kShortMax}};
inline constexpr FieldRange kDerivativeGain{"Derivative Gain", {0, kShortMax}};
inline constexpr FieldRange kSamplePeriod{"Derivative Sample Period", {1, 255}};
inline constexpr FieldRange kIntegrationLimit{"Integration Limit", {0, kShortMax}};

// The limit-switch dialog stores -1 or 0 and the sum of the enabled inputs (0..7); the default
// records hold -1 in all of them.
inline constexpr FieldRange kLimitEnable{"Limit Enable", {-1, 7}};

// The Boolean fields (directions, loop mode, polarities, I/O directions, step-output fields) are
// set when non-zero, whatever the value: no value of theirs is out of range, so they are not
// checked. The labels of those the wizards show as option pairs:
inline constexpr std::string_view kLoopModeLabel = "Loop Mode";
inline constexpr std::string_view kHomeDirectionLabel = "Home Direction";
inline constexpr std::string_view kIndexDirectionLabel = "Index Direction";

} // namespace field_ranges

// The first field of the board's settings record, in file order, whose value lies outside its
// range (NaN and infinities always do), as "axis 2: Steps/Rev is 0, outside 1 to 32767."; empty
// when every value is in range or the board has no settings record.
std::string FirstValueOutOfRange(const SettingsTables& tables, int typeCode, int boardId);

// The report on a configured board's record that holds a value outside its range, for the error
// window or a status box: "The settings of board ID 3 (option 2 of the file "Moxel.scl") hold a
// value out of range, axis 1: ... Nothing of them is sent to the board until they are mended in
// the wizard." `option` is the option the record was read from or is kept as. Empty when every
// value is in range.
std::string OutOfRangeReport(const App& app, std::int16_t boardId, int option);

} // namespace tarvik
