#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "program/FileResult.h"
#include "program/RecordBytes.h"

namespace tarvik {

// A file of a fixed number of fixed-length records, opened by bare name in the current
// directory. Records are counted from 1.
//
// Every access first checks that the file holds exactly recordCount records: a short, long or
// unreadable file gives an error naming the file and the problem and is left as it is.
// Writing one record rewrites only that record's bytes in place, so a failed write can touch no
// other record and never changes the file's size. Whole files (creation, an asked-for
// replacement) are written to a temporary file first and then renamed over the target, so a
// failure leaves either the old file or none.
class RecordFile {
public:
    RecordFile(std::string name, std::size_t recordLength, int recordCount);

    const std::string& name() const { return name_; }
    std::size_t recordLength() const { return recordLength_; }
    int recordCount() const { return recordCount_; }

    bool exists() const;

    // Success when the file exists and has exactly the expected size.
    FileStatus check() const;
    // True when the file is a regular file of the wrong size (short or long): the damage that
    // replacing the whole file mends.
    bool hasWrongSize() const;

    FileResult<RecordBytes> read(int recordNo) const;
    FileResult<std::vector<RecordBytes>> readAll() const;
    FileStatus write(int recordNo, const RecordBytes& record) const;

    // Creates the file from `records` when it does not exist; true when it was created.
    // An existing file is left untouched, whatever it holds.
    FileResult<bool> createIfMissing(const std::vector<RecordBytes>& records) const;
    // Replaces the whole file with `records`; only for when the user asked for it.
    FileStatus replace(const std::vector<RecordBytes>& records) const;

private:
    FileStatus checkRecordNo(int recordNo) const;
    FileStatus checkRecordLength(const RecordBytes& record) const;
    FileStatus writeWhole(const std::vector<RecordBytes>& records) const;

    std::string name_;
    std::size_t recordLength_;
    int recordCount_;
};

} // namespace tarvik
