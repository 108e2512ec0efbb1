#pragma once

#include "common/CommandDialog.h"
#include "common/EntryField.h"
#include "driver/MotionDriver.h"

#include <array>
#include <cstdint>

namespace tarvik {

// Read Return Data Buffer: read_rdb fetches up to 2000 packets (axis, command, data) from the
// Return Data Buffer of any listed board in one call; the user then pages through them one at a
// time, by typing a packet number or with the scroll bar, without calling the driver again.
//
// - "# of Packets" (numptxt, 1 to 2000) is the count asked for and, after a fetch, the count
//   fetched. A count the program writes is shown as it is, without the range message a typed
//   count gets; 0 (an empty buffer) leaves RUN disabled until the user types a count. A failed
//   fetch shows its status, fetches nothing and keeps the count asked for, RUN enabled.
// - "Packet #" (indtxt) shows packet 1 to 2000; the scroll bar steps it by one per arrow (up:
//   the next packet, past 2000 back to 1; down below 1: a beep, packet 1).
// - A slot that holds no packet (axis -1) shows three empty labels; otherwise the axis in
//   decimal, the command and the data in hexadecimal. Slots past the count fetched are empty.
// - The packets stay those of the last fetch until the next fetch, whichever board is picked.
class ReturnDataBufferViewer : public CommandDialog {
public:
    explicit ReturnDataBufferViewer(App& app);

    TextBox& numptxt = field(0);
    Frame returnedDataFrame;
    Label packetHeading;
    TextBox indtxt;
    ScrollBar packetScroll;
    Label axisHeading;
    Label axislbl;
    Label commandHeading;
    Label cmdlbl;
    Label dataHeading;
    Label datalbl;

    // The number of the packet shown (1 at load and after a fetch).
    std::int16_t currentPacket() const { return CurrentPacket_; }

private:
    App& app_;
    EntryField indField_;
    // The count asked for, then fetched, as numptxt shows it.
    std::int16_t PacketCount_ = 1;
    std::int16_t CurrentPacket_ = 1;
    // Packet k in entry k-1; axis -1 marks a slot without a packet.
    std::array<std::int16_t, kRdbCapacity> PacketAxis_{};
    std::array<std::int16_t, kRdbCapacity> PacketCommand_{};
    std::array<std::int32_t, kRdbCapacity> PacketData_{};

    void arrange();
    void loadPackets();
    DriverStatus fetch(CommandRun& run);
    void writeCount();
    void showPacket(int number);
    void indtxt_Checked();
    void VScroll1_Change();
};

} // namespace tarvik
