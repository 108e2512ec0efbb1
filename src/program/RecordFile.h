#pragma once

#include <cstddef>
#include <string>
#include <system_error>
#include <vector>

#include "program/FileResult.h"
#include "program/RecordBytes.h"

namespace tarvik {

struct NewRecordFile;

// A file of a fixed number of fixed-length records, opened by bare name in the current
// directory. Records are counted from 1.
//
// Every access first checks that the file holds exactly recordCount records: a short, long,
// unreadable or not regular file (a named pipe, a device, a folder) gives an error naming the
// file and the problem and is left as it is; the check is made on the file as opened, and
// nothing waits on a pipe. Writing one record rewrites only that record's bytes in place, so a
// failed write can touch no other record and never changes the file's size. Whole files
// (creation, an asked-for replacement) are written to a new temporary file beside the target,
// created exclusively and never through a link, and then renamed over the target, so a failure
// leaves either the old file or none, and nothing a name happens to point at is overwritten.
class RecordFile {
public:
    RecordFile(std::string name, std::size_t recordLength, int recordCount);

    const std::string& name() const { return name_; }
    std::size_t recordLength() const { return recordLength_; }
    int recordCount() const { return recordCount_; }

    bool exists() const;

    // Success when the file exists, can be read and has exactly the expected size.
    FileStatus check() const;
    // True when the file is a regular file of the wrong size (short or long): the damage that
    // replacing the whole file mends.
    bool hasWrongSize() const;

    FileResult<RecordBytes> read(int recordNo) const;
    FileResult<std::vector<RecordBytes>> readAll() const;
    FileStatus write(int recordNo, const RecordBytes& record) const;

    // Creates the file from `records` when it does not exist; true when it was created.
    // An existing file is left untouched, whatever it holds. The error of a file that could not
    // be made names the working directory and the system's reason.
    FileResult<bool> createIfMissing(const std::vector<RecordBytes>& records) const;
    // Replaces the whole file with `records`; only for when the user asked for it.
    FileStatus replace(const std::vector<RecordBytes>& records) const;

    // Creates each of `files` that does not exist, as createIfMissing does. The files that could
    // not be made are named together in one error, once per reason the system gave
    // ("Permission denied", "No space left on device").
    static FileStatus createMissing(const std::vector<NewRecordFile>& files);

    // Removes the temporary files that a whole-file write of this file left behind when the
    // program was killed during it: regular files named as those temporaries are named, nothing
    // else. Only while no other program can be writing (the start-up, with the working directory
    // locked to this instance).
    void removeStaleTemporaries() const;

private:
    class Descriptor;

    FileStatus checkRecordNo(int recordNo) const;
    FileStatus checkRecordLength(const RecordBytes& record) const;
    FileStatus checkRecords(const std::vector<RecordBytes>& records) const;
    // The file opened for reading, or for reading and writing, once it proved sound.
    FileResult<Descriptor> openSound(bool forWriting) const;
    // The system's error when the whole file could not be written; the target is then as it was.
    std::error_code writeWhole(const std::vector<RecordBytes>& records) const;

    std::string name_;
    std::size_t recordLength_;
    int recordCount_;
};

// A record file and the records it is created with when it is missing.
struct NewRecordFile {
    RecordFile file;
    std::vector<RecordBytes> records;
};

} // namespace tarvik
