// The entry points that hand the library buffers: each gets buffers of the size the entry point
// is defined with, and what comes back is checked before it reaches the caller.

#include "driver/StatusText.h"
#include "driver/library/LibraryDriver.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace tarvik::library {

DriverStatus LibraryDriver::get_bd_config(std::span<I16> typeCodes, std::span<I16> ioAddresses)
{
    if (!usable()) return ZEVA_interfaceUnavailableError;
    std::array<I16, kBoardConfigEntries> types{};
    std::array<I16, kBoardConfigEntries> addresses{};
    types.fill(-1);
    const DriverStatus status = functions_.get_bd_config(types.data(), addresses.data());
    if (status != ZEVA_noError) return status;
    const std::size_t entries = std::min({typeCodes.size(), ioAddresses.size(), types.size()});
    std::copy_n(types.begin(), entries, typeCodes.begin());
    std::copy_n(addresses.begin(), entries, ioAddresses.begin());
    return status;
}

DriverStatus LibraryDriver::get_motion_board_name(I16 board, std::span<char> name, I32& length)
{
    if (!usable()) return ZEVA_interfaceUnavailableError;
    if (length < 0) return ZEVA_bufferLengthError;
    DriverStatus status = ZEVA_noError;
    if (name.empty()) {
        // The length query: no buffer, the library tells the name's length.
        I32 nameLength = 0;
        status = functions_.get_motion_board_name(board, nullptr, &nameLength);
        if (status != ZEVA_noError) return status;
        if (nameLength < 0 || nameLength > kLongestBoardName) return ZEVA_bufferLengthError;
        length = nameLength;
        return status;
    }
    const auto room = static_cast<I32>(
        std::min({name.size(), static_cast<std::size_t>(length), static_cast<std::size_t>(kLongestBoardName)}));
    // One zero more than the library is told of: the terminator a C library writes after a name
    // that fills its buffer lands here, and anything else written there ran past the buffer.
    std::vector<char> buffer(static_cast<std::size_t>(room) + 1, '\0');
    I32 written = room;
    status = functions_.get_motion_board_name(board, buffer.data(), &written);
    if (status != ZEVA_noError) return status;
    if (written < 0 || written > room || buffer.back() != '\0') return ZEVA_bufferLengthError;
    // The name ends at the length the library hands back or at its terminator, if that is sooner.
    const auto end = std::find(buffer.begin(), buffer.begin() + written, '\0');
    std::copy(buffer.begin(), end, name.begin());
    length = static_cast<I32>(end - buffer.begin());
    return status;
}

DriverStatus LibraryDriver::read_rdb(I16 board, I16& count, std::span<I16> axes, std::span<I16> commands,
                                     std::span<I32> data)
{
    if (!usable()) return ZEVA_interfaceUnavailableError;
    const std::size_t room = std::min({axes.size(), commands.size(), data.size(), std::size_t{kRdbCapacity}});
    if (count < 0 || static_cast<std::size_t>(count) > room) return ZEVA_returnDataCountError;
    std::vector<I16> packetAxes(kRdbCapacity);
    std::vector<I16> packetCommands(kRdbCapacity);
    std::vector<I32> packetData(kRdbCapacity);
    I16 fetched = count;
    const DriverStatus status =
        functions_.read_rdb(board, &fetched, packetAxes.data(), packetCommands.data(), packetData.data());
    if (status != ZEVA_noError) return status;
    if (fetched < 0 || fetched > count) return ZEVA_returnDataCountError;
    std::copy_n(packetAxes.begin(), fetched, axes.begin());
    std::copy_n(packetCommands.begin(), fetched, commands.begin());
    std::copy_n(packetData.begin(), fetched, data.begin());
    count = fetched;
    return status;
}

} // namespace tarvik::library
