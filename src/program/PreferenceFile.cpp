#include "program/PreferenceFile.h"

#include <string>
#include <vector>

namespace tarvik {

namespace {

RecordFile preferenceFile()
{
    return RecordFile(std::string(PreferenceFile::kName), PreferenceFile::kRecordLength,
                      static_cast<int>(Preferences{}.size()));
}

RecordBytes pack(const PreferenceRecord& record)
{
    RecordBytes bytes;
    RecordWriter writer(bytes);
    writer(record.LoadOption, record.AutoInit);
    return bytes;
}

std::vector<RecordBytes> packAll(const Preferences& preferences)
{
    std::vector<RecordBytes> records;
    for (const PreferenceRecord& record : preferences) {
        records.push_back(pack(record));
    }
    return records;
}

} // namespace

int PreferenceRecord::option() const
{
    return (LoadOption >= 1 && LoadOption <= 10) ? LoadOption : 1;
}

namespace PreferenceFile {

FileResult<bool> createIfMissing()
{
    return preferenceFile().createIfMissing(packAll(Preferences{}));
}

NewRecordFile newFile()
{
    return {preferenceFile(), packAll(Preferences{})};
}

bool exists()
{
    return preferenceFile().exists();
}

FileResult<Preferences> load()
{
    FileResult<std::vector<RecordBytes>> records = preferenceFile().readAll();
    if (!records) {
        return FileError{records.error()};
    }
    Preferences preferences;
    for (std::size_t id = 0; id < preferences.size(); ++id) {
        RecordReader reader(records.value()[id]);
        reader(preferences[id].LoadOption, preferences[id].AutoInit);
    }
    return preferences;
}

FileStatus store(int boardId, const PreferenceRecord& record)
{
    if (boardId < 0 || boardId >= static_cast<int>(Preferences{}.size())) {
        return FileError{"The preference file " + std::string(kName) + " has no record for board ID " +
                         std::to_string(boardId) + "."};
    }
    return preferenceFile().write(boardId + 1, pack(record));
}

FileStatus replace(const Preferences& preferences)
{
    return preferenceFile().replace(packAll(preferences));
}

} // namespace PreferenceFile

} // namespace tarvik
