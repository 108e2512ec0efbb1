#include "driver/StatusText.h"

#include <array>

namespace tarvik {
namespace {

struct StatusEntry {
    DriverStatus code;
    std::string_view name; // empty: the code has no meaning
    std::string_view explanation;
};

constexpr std::array<StatusEntry, 39> kStatuses{{
    {ZEVA_noError, "ZEVA_noError", "No error."},
    {ZEVA_invalidBoardIdError, "ZEVA_invalidBoardIdError", "The board ID is outside the range of board IDs."},
    {ZEVA_boardNotConfiguredError, "ZEVA_boardNotConfiguredError", "No board is configured at this board ID."},
    {ZEVA_boardNotInitializedError, "ZEVA_boardNotInitializedError", "The board has not been initialized."},
    {ZEVA_boardTimeoutError, "ZEVA_boardTimeoutError", "The board did not answer within the time allowed."},
    {ZEVA_notReadyToReceiveError, "ZEVA_notReadyToReceiveError",
     "The board was not ready to receive a command in time."},
    {ZEVA_badDeviceOrAxisError, "ZEVA_badDeviceOrAxisError",
     "The board ID or the axis number is not valid for this board."},
    {ZEVA_argumentRangeError, "ZEVA_argumentRangeError", "An argument is outside the range this command accepts."},
    {ZEVA_posModeError, "ZEVA_posModeError", "The position mode is not absolute, relative or velocity."},
    {ZEVA_stopModeError, "ZEVA_stopModeError", "The stop mode is not decelerate, halt or kill."},
    {ZEVA_directionError, "ZEVA_directionError", "The direction is not forward or reverse."},
    {ZEVA_velocityRangeError, "ZEVA_velocityRangeError", "The velocity is outside the range of this axis."},
    {ZEVA_accelerationRangeError, "ZEVA_accelerationRangeError",
     "The acceleration is outside the range of this axis."},
    {ZEVA_axisRunningError, "ZEVA_axisRunningError", "This command cannot be executed while the axis is running."},
    {ZEVA_closedLoopOnlyError, "ZEVA_closedLoopOnlyError",
     "This command is valid only on closed-loop axes (closed-loop stepper and servo)."},
    {ZEVA_servoOnlyError, "ZEVA_servoOnlyError", "This command is valid only on servo boards."},
    {ZEVA_stepperOnlyError, "ZEVA_stepperOnlyError", "This command is valid only on stepper boards."},
    {ZEVA_fourAxisOnlyError, "ZEVA_fourAxisOnlyError", "This command is valid only on 2- and 4-axis boards."},
    {ZEVA_closedLoopStepperOnlyError, "ZEVA_closedLoopStepperOnlyError",
     "This command is valid only on closed-loop stepper boards."},
    {ZEVA_threeAxisOnlyError, "ZEVA_threeAxisOnlyError", "This command is valid only on 3-axis boards."},
    {ZEVA_commandNotSupportedError, "ZEVA_commandNotSupportedError",
     "This command is not supported by this board class."},
    {ZEVA_returnDataEmptyError, "ZEVA_returnDataEmptyError", "The Return Data Buffer holds no data."},
    {ZEVA_returnDataFullError, "ZEVA_returnDataFullError", "The Return Data Buffer is full."},
    {ZEVA_returnDataCountError, "ZEVA_returnDataCountError",
     "The packet count is negative or larger than the arrays given."},
    {ZEVA_motionOnlyError, "ZEVA_motionOnlyError", "Motion command sent to an Encoder board."},
    {ZEVA_commandBufferFullError, "ZEVA_commandBufferFullError", "The board's command buffer is full."},
    {ZEVA_prestoreActiveError, "ZEVA_prestoreActiveError", "A trigger buffer prestore is already in progress."},
    {ZEVA_prestoreInactiveError, "ZEVA_prestoreInactiveError", "No trigger buffer prestore is in progress."},
    {ZEVA_triggerBufferFullError, "ZEVA_triggerBufferFullError", "The trigger buffer is full."},
    {ZEVA_ioPortError, "ZEVA_ioPortError", "The I/O port or bit is not valid for this board."},
    {ZEVA_adcChannelError, "ZEVA_adcChannelError", "The A/D channel is not valid for this board."},
    {ZEVA_bufferLengthError, "ZEVA_bufferLengthError", "The buffer is too small for the data requested."},
    {ZEVA_unknownCommandError, "ZEVA_unknownCommandError", "The command code is not known to the board."},
    {ZEVA_wordCountError, "ZEVA_wordCountError", "The word count is not valid for this command."},
    {ZEVA_hardwareFailureError, "ZEVA_hardwareFailureError", "The board reported a hardware failure."},
    {ZEVA_powerOnResetError, "ZEVA_powerOnResetError",
     "The board was reset by power-on or watchdog and must be initialized again."},
    {36, "", ""},
    {ZEVA_interfaceUnavailableError, "ZEVA_interfaceUnavailableError",
     "The driver could not reach the board interface."},
    {ZEVA_infoAttributeError, "ZEVA_infoAttributeError", "The board information attribute is not known."},
}};

constexpr bool codesInOrder() {
    for (std::size_t i = 0; i < kStatuses.size(); ++i)
        if (kStatuses[i].code != static_cast<DriverStatus>(i)) return false;
    return true;
}
static_assert(codesInOrder(), "each status sits at the index of its code");

const StatusEntry* findStatus(DriverStatus status) {
    if (status < 0 || static_cast<std::size_t>(status) >= kStatuses.size()) return nullptr;
    const StatusEntry& entry = kStatuses[static_cast<std::size_t>(status)];
    return entry.name.empty() ? nullptr : &entry;
}

} // namespace

std::string StatusText(DriverStatus status) {
    const StatusEntry* entry = findStatus(status);
    if (entry == nullptr) return "Undefined Error";
    std::string text = "status " + std::to_string(status) + ": ";
    text.append(entry->name).append(". ").append(entry->explanation);
    return text;
}

std::string_view StatusName(DriverStatus status) {
    const StatusEntry* entry = findStatus(status);
    return entry == nullptr ? std::string_view{} : entry->name;
}

} // namespace tarvik
