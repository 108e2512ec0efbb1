#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "driver/BoardTypes.h"
#include "program/FileResult.h"
#include "program/RecordBytes.h"
#include "program/RecordFile.h"
#include "program/SettingsTables.h"

namespace tarvik {

// Every option file holds ten options (records 1..10).
inline constexpr int kOptionCount = 10;

// One option file: its bare name and the group whose settings records it holds.
struct OptionFile {
    std::string_view name;
    BoardGroup group;
    bool secondGeneration;   // the PCI/PXI boards' file of a family
};

// The eleven option files, in the order start-up creates them.
std::span<const OptionFile> allOptionFiles();

// The option file of a type code: the group's file, the second file of the family for the
// PCI and PXI boards. None for a type code without a group.
std::optional<OptionFile> optionFileOf(int typeCode);

// Bytes per record in a group's option file (its settings record's packed size).
std::size_t recordLengthOf(BoardGroup group);

// The name a new option file gives option n: "option n:".
FixedName defaultOptionName(int optionNo);

// Every option file with the ten options a new file gets, for creating those that are missing
// (RecordFile::createMissing).
std::vector<NewRecordFile> newOptionFiles();

// True when there is something under the file's name (a name that cannot be looked at counts).
bool optionFileExists(const OptionFile& file);

// The problem of an option file that exists with the wrong size (short or long), naming the
// file; none when the file is sound, missing or cannot be looked at.
std::optional<FileError> optionFileDamage(const OptionFile& file);

// Replaces the whole option file with the ten options a new file gets; only once the user
// agreed, as every option the file held is lost.
FileStatus replaceWithDefaultOptions(const OptionFile& file);

// The ten option names of the type code's option file, as stored (32 characters each).
FileResult<std::vector<FixedName>> readOptionNames(int typeCode);

// Reads option `optionNo` (1..10) of the board's option file into the board's record in its
// table. On any error the table is left as it was.
FileStatus readOption(SettingsTables& tables, int typeCode, int boardId, int optionNo);

// Writes the board's record from its table as option `optionNo` (1..10) of its option file;
// only that record of the file changes.
FileStatus writeOption(const SettingsTables& tables, int typeCode, int boardId, int optionNo);

} // namespace tarvik
