#include "kit/OptionFileSetUp.h"

#include "program/RecordFile.h"

#include <stdexcept>
#include <string>

namespace tarvik::testing {

FileResult<bool> createOptionFileIfMissing(const OptionFile& file)
{
    // The program's own list of new option files holds each file with its default records.
    for (const NewRecordFile& created : newOptionFiles()) {
        if (created.file.name() == file.name) return created.file.createIfMissing(created.records);
    }
    throw std::invalid_argument("no option file is named " + std::string(file.name));
}

FileStatus createMissingOptionFiles()
{
    return RecordFile::createMissing(newOptionFiles());
}

} // namespace tarvik::testing
