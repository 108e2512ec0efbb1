#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "program/FileResult.h"
#include "program/RecordFile.h"

namespace tarvik {

// Per board ID: the option to load at start-up and whether to initialise the board then.
struct PreferenceRecord {
    std::int16_t LoadOption = 1;
    std::int16_t AutoInit = 0;   // 1: initialise at start-up

    // The option to load: `LoadOption` when it is 1..10, else option 1.
    int option() const;
    bool initialisesAtStartUp() const { return AutoInit == 1; }

    friend bool operator==(const PreferenceRecord&, const PreferenceRecord&) = default;
};

// One record per board ID 0..7.
using Preferences = std::array<PreferenceRecord, 8>;

// The preference file "Moxel.prf" in the current directory: eight records of 4 bytes
// (`LoadOption`, `AutoInit`, 16-bit little-endian). Record n + 1 belongs to board ID n, so
// every ID 0..7 has its record (ID 0 is never a board; its record is kept as found).
namespace PreferenceFile {

inline constexpr std::string_view kName = "Moxel.prf";
inline constexpr std::size_t kRecordLength = 4;

// Creates the file with option 1 and no auto-initialisation for every board when it is
// missing; true when it was created. An existing file is never touched.
FileResult<bool> createIfMissing();

// The file with the records createIfMissing gives it, for creating it along with other files
// (RecordFile::createMissing).
NewRecordFile newFile();

// True when there is something under the file's name (a name that cannot be looked at counts).
bool exists();

// All eight records; a missing, short, long or unreadable file is an error and is left as it is.
FileResult<Preferences> load();

// Writes the one record of a board ID into the sound file; nothing else changes.
FileStatus store(int boardId, const PreferenceRecord& record);

// Replaces the whole file with `preferences`; for a damaged file once the user agreed.
FileStatus replace(const Preferences& preferences);

} // namespace PreferenceFile

} // namespace tarvik
