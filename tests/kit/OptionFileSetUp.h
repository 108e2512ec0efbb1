#pragma once

#include "program/FileResult.h"
#include "program/OptionFiles.h"

namespace tarvik::testing {

// Option files put in place before a test acts, as start-up would have left them. The program
// itself creates them only through start-up (newOptionFiles, RecordFile::createMissing).

// Creates the file holding the group's default record ten times, named "option 1:" ..
// "option 10:", when it is missing; true when it was created. An existing file is left alone.
FileResult<bool> createOptionFileIfMissing(const OptionFile& file);

// Creates every missing option file; one error naming those that could not be created.
FileStatus createMissingOptionFiles();

} // namespace tarvik::testing
