#pragma once

#include "driver/MotionDriver.h"

#include <string>
#include <string_view>

namespace tarvik {

// The driver statuses by name. Code 36 has no name.
inline constexpr DriverStatus ZEVA_noError = 0;
inline constexpr DriverStatus ZEVA_invalidBoardIdError = 1;
inline constexpr DriverStatus ZEVA_boardNotConfiguredError = 2;
inline constexpr DriverStatus ZEVA_boardNotInitializedError = 3;
inline constexpr DriverStatus ZEVA_boardTimeoutError = 4;
inline constexpr DriverStatus ZEVA_notReadyToReceiveError = 5;
inline constexpr DriverStatus ZEVA_badDeviceOrAxisError = 6;
inline constexpr DriverStatus ZEVA_argumentRangeError = 7;
inline constexpr DriverStatus ZEVA_posModeError = 8;
inline constexpr DriverStatus ZEVA_stopModeError = 9;
inline constexpr DriverStatus ZEVA_directionError = 10;
inline constexpr DriverStatus ZEVA_velocityRangeError = 11;
inline constexpr DriverStatus ZEVA_accelerationRangeError = 12;
inline constexpr DriverStatus ZEVA_axisRunningError = 13;
inline constexpr DriverStatus ZEVA_closedLoopOnlyError = 14;
inline constexpr DriverStatus ZEVA_servoOnlyError = 15;
inline constexpr DriverStatus ZEVA_stepperOnlyError = 16;
inline constexpr DriverStatus ZEVA_fourAxisOnlyError = 17;
inline constexpr DriverStatus ZEVA_closedLoopStepperOnlyError = 18;
inline constexpr DriverStatus ZEVA_threeAxisOnlyError = 19;
inline constexpr DriverStatus ZEVA_commandNotSupportedError = 20;
inline constexpr DriverStatus ZEVA_returnDataEmptyError = 21;
inline constexpr DriverStatus ZEVA_returnDataFullError = 22;
inline constexpr DriverStatus ZEVA_returnDataCountError = 23;
inline constexpr DriverStatus ZEVA_motionOnlyError = 24;
inline constexpr DriverStatus ZEVA_commandBufferFullError = 25;
inline constexpr DriverStatus ZEVA_prestoreActiveError = 26;
inline constexpr DriverStatus ZEVA_prestoreInactiveError = 27;
inline constexpr DriverStatus ZEVA_triggerBufferFullError = 28;
inline constexpr DriverStatus ZEVA_ioPortError = 29;
inline constexpr DriverStatus ZEVA_adcChannelError = 30;
inline constexpr DriverStatus ZEVA_bufferLengthError = 31;
inline constexpr DriverStatus ZEVA_unknownCommandError = 32;
inline constexpr DriverStatus ZEVA_wordCountError = 33;
inline constexpr DriverStatus ZEVA_hardwareFailureError = 34;
inline constexpr DriverStatus ZEVA_powerOnResetError = 35;
inline constexpr DriverStatus ZEVA_interfaceUnavailableError = 37;
inline constexpr DriverStatus ZEVA_infoAttributeError = 38;

// The message of a status: "status N: ZEVA_name. Explanation." for the named codes,
// "Undefined Error" for 36 and every other value.
std::string StatusText(DriverStatus status);

// Just the name ("ZEVA_badDeviceOrAxisError"); empty for a code without a name.
std::string_view StatusName(DriverStatus status);

} // namespace tarvik
