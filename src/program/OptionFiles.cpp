#include "program/OptionFiles.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace tarvik {

namespace {

using G = BoardGroup;

constexpr std::array<OptionFile, 11> kOptionFiles{{
    {"Moxel.ser", G::Servo3, false},
    {"Moxel.sol", G::OpenLoop3, false},
    {"Moxel.scl", G::ClosedLoop3, false},
    {"Moxel4.ser", G::Servo4, false},
    {"Moxel4.sol", G::OpenLoop4, false},
    {"Moxel4.scl", G::ClosedLoop4, false},
    {"Moxel.enc", G::Encoder, false},
    {"moxpci11.ser", G::Servo4, true},
    {"moxpci12.sol", G::OpenLoop4, true},
    {"moxpci13.scl", G::ClosedLoop4, true},
    {"moxpci14.enc", G::Encoder, true},
}};

RecordFile recordFileOf(const OptionFile& file)
{
    return RecordFile(std::string(file.name), recordLengthOf(file.group), kOptionCount);
}

FileError noOptionFile(int typeCode)
{
    return FileError{"Board type " + std::to_string(typeCode) + " has no option file."};
}

FileError noBoard(int boardId)
{
    return FileError{"There is no board ID " + std::to_string(boardId) + "."};
}

// The group's default record ten times, named "option 1:" .. "option 10:".
std::vector<RecordBytes> defaultOptions(BoardGroup group)
{
    const SettingsTables defaults;
    std::vector<RecordBytes> records;
    visitTable(defaults, group, [&](const auto& table) {
        auto record = table.front();
        for (int n = 1; n <= kOptionCount; ++n) {
            record.Name = defaultOptionName(n);
            records.push_back(packRecord(record));
        }
    });
    return records;
}

} // namespace

std::span<const OptionFile> allOptionFiles()
{
    return kOptionFiles;
}

std::optional<OptionFile> optionFileOf(int typeCode)
{
    const std::optional<BoardGroup> group = groupOf(typeCode);
    if (!group) {
        return std::nullopt;
    }
    const bool second = familyOf(typeCode) == BoardFamily::SecondGeneration;
    const auto found = std::find_if(kOptionFiles.begin(), kOptionFiles.end(), [&](const OptionFile& file) {
        return file.group == *group && file.secondGeneration == second;
    });
    return found == kOptionFiles.end() ? std::nullopt : std::optional<OptionFile>(*found);
}

std::size_t recordLengthOf(BoardGroup group)
{
    const SettingsTables defaults;
    return visitTable(defaults, group, [](const auto& table) {
        return std::remove_cvref_t<decltype(table)>::value_type::kPackedSize;
    });
}

FixedName defaultOptionName(int optionNo)
{
    return FixedName("option " + std::to_string(optionNo) + ":");
}

std::vector<NewRecordFile> newOptionFiles()
{
    std::vector<NewRecordFile> files;
    for (const OptionFile& file : kOptionFiles) {
        files.push_back({recordFileOf(file), defaultOptions(file.group)});
    }
    return files;
}

bool optionFileExists(const OptionFile& file)
{
    return recordFileOf(file).exists();
}

std::optional<FileError> optionFileDamage(const OptionFile& file)
{
    const RecordFile records = recordFileOf(file);
    if (!records.hasWrongSize()) {
        return std::nullopt;
    }
    return FileError{records.check().error()};
}

FileStatus replaceWithDefaultOptions(const OptionFile& file)
{
    return recordFileOf(file).replace(defaultOptions(file.group));
}

FileResult<std::vector<FixedName>> readOptionNames(int typeCode)
{
    const std::optional<OptionFile> file = optionFileOf(typeCode);
    if (!file) {
        return noOptionFile(typeCode);
    }
    FileResult<std::vector<RecordBytes>> records = recordFileOf(*file).readAll();
    if (!records) {
        return FileError{records.error()};
    }
    std::vector<FixedName> names;
    for (const RecordBytes& record : records.value()) {
        FixedName name;
        RecordReader reader(record);
        reader(name);
        names.push_back(name);
    }
    return names;
}

FileStatus readOption(SettingsTables& tables, int typeCode, int boardId, int optionNo)
{
    const std::optional<OptionFile> file = optionFileOf(typeCode);
    if (!file) {
        return noOptionFile(typeCode);
    }
    if (!isBoardId(boardId)) {
        return noBoard(boardId);
    }
    FileResult<RecordBytes> bytes = recordFileOf(*file).read(optionNo);
    if (!bytes) {
        return FileError{bytes.error()};
    }
    bool unpacked = false;
    visitRecord(tables, typeCode, boardId, [&](auto& record) {
        using Record = std::remove_cvref_t<decltype(record)>;
        if (std::optional<Record> read = unpackRecord<Record>(bytes.value())) {
            record = std::move(*read);
            unpacked = true;
        }
    });
    if (!unpacked) {
        return FileError{"Option " + std::to_string(optionNo) + " of the file \"" + std::string(file->name) +
                         "\" could not be read."};
    }
    return fileOk();
}

FileStatus writeOption(const SettingsTables& tables, int typeCode, int boardId, int optionNo)
{
    const std::optional<OptionFile> file = optionFileOf(typeCode);
    if (!file) {
        return noOptionFile(typeCode);
    }
    if (!isBoardId(boardId)) {
        return noBoard(boardId);
    }
    RecordBytes bytes;
    visitRecord(tables, typeCode, boardId, [&](const auto& record) { bytes = packRecord(record); });
    return recordFileOf(*file).write(optionNo, bytes);
}

} // namespace tarvik
