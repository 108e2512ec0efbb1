#include "program/RecordFile.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace tarvik {

namespace fs = std::filesystem;

namespace {

std::string quoted(const std::string& name)
{
    return "\"" + name + "\"";
}

FileError failure(const std::string& name, const std::string& problem)
{
    return FileError{"The file " + quoted(name) + " " + problem};
}

} // namespace

RecordFile::RecordFile(std::string name, std::size_t recordLength, int recordCount)
    : name_(std::move(name)), recordLength_(recordLength), recordCount_(recordCount)
{
}

bool RecordFile::exists() const
{
    // A name that cannot even be looked at counts as present, so that nothing is written over it.
    std::error_code ec;
    return fs::symlink_status(name_, ec).type() != fs::file_type::not_found;
}

FileStatus RecordFile::check() const
{
    std::error_code ec;
    const fs::file_status status = fs::status(name_, ec);
    if (status.type() == fs::file_type::not_found) {
        return failure(name_, "does not exist.");
    }
    if (ec) {
        return failure(name_, "cannot be read: " + ec.message() + ".");
    }
    if (status.type() != fs::file_type::regular) {
        return failure(name_, "is not a regular file.");
    }
    const std::uintmax_t size = fs::file_size(name_, ec);
    if (ec) {
        return failure(name_, "cannot be read: " + ec.message() + ".");
    }
    const std::uintmax_t expected = recordLength_ * static_cast<std::uintmax_t>(recordCount_);
    if (size != expected) {
        return failure(name_, std::string("is damaged: it is too ") + (size < expected ? "short" : "long") + " (" +
                                  std::to_string(size) + " bytes, where " + std::to_string(recordCount_) +
                                  " records of " + std::to_string(recordLength_) + " bytes take " +
                                  std::to_string(expected) + ").");
    }
    return fileOk();
}

bool RecordFile::hasWrongSize() const
{
    std::error_code ec;
    if (!fs::is_regular_file(name_, ec)) {
        return false;
    }
    const std::uintmax_t size = fs::file_size(name_, ec);
    return !ec && size != recordLength_ * static_cast<std::uintmax_t>(recordCount_);
}

FileStatus RecordFile::checkRecordNo(int recordNo) const
{
    if (recordNo < 1 || recordNo > recordCount_) {
        return failure(name_, "has no record " + std::to_string(recordNo) + ": its records are numbered 1 to " +
                                  std::to_string(recordCount_) + ".");
    }
    return fileOk();
}

FileStatus RecordFile::checkRecordLength(const RecordBytes& record) const
{
    if (record.size() != recordLength_) {
        return failure(name_, "was not written: a record of " + std::to_string(record.size()) +
                                  " bytes does not fit its records of " + std::to_string(recordLength_) + " bytes.");
    }
    return fileOk();
}

FileResult<RecordBytes> RecordFile::read(int recordNo) const
{
    if (FileStatus s = checkRecordNo(recordNo); !s) {
        return FileError{s.error()};
    }
    if (FileStatus s = check(); !s) {
        return FileError{s.error()};
    }
    std::ifstream in(name_, std::ios::binary);
    RecordBytes record(recordLength_);
    in.seekg(static_cast<std::streamoff>(recordLength_ * static_cast<std::size_t>(recordNo - 1)));
    in.read(reinterpret_cast<char*>(record.data()), static_cast<std::streamsize>(recordLength_));
    if (!in || static_cast<std::size_t>(in.gcount()) != recordLength_) {
        return failure(name_, "could not be read (record " + std::to_string(recordNo) + ").");
    }
    return record;
}

FileResult<std::vector<RecordBytes>> RecordFile::readAll() const
{
    std::vector<RecordBytes> records;
    for (int n = 1; n <= recordCount_; ++n) {
        FileResult<RecordBytes> record = read(n);
        if (!record) {
            return FileError{record.error()};
        }
        records.push_back(std::move(record).value());
    }
    return records;
}

FileStatus RecordFile::write(int recordNo, const RecordBytes& record) const
{
    if (FileStatus s = checkRecordNo(recordNo); !s) {
        return s;
    }
    if (FileStatus s = checkRecordLength(record); !s) {
        return s;
    }
    if (FileStatus s = check(); !s) {
        return s;
    }
    // In place and without truncation: only this record's bytes change.
    std::fstream out(name_, std::ios::binary | std::ios::in | std::ios::out);
    if (!out) {
        return failure(name_, "cannot be opened for writing.");
    }
    out.seekp(static_cast<std::streamoff>(recordLength_ * static_cast<std::size_t>(recordNo - 1)));
    out.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
    out.flush();
    if (!out) {
        return failure(name_, "could not be written (record " + std::to_string(recordNo) + ").");
    }
    return fileOk();
}

FileResult<bool> RecordFile::createIfMissing(const std::vector<RecordBytes>& records) const
{
    if (exists()) {
        return false;
    }
    if (FileStatus s = writeWhole(records); !s) {
        return FileError{s.error()};
    }
    return true;
}

FileStatus RecordFile::replace(const std::vector<RecordBytes>& records) const
{
    return writeWhole(records);
}

FileStatus RecordFile::writeWhole(const std::vector<RecordBytes>& records) const
{
    if (records.size() != static_cast<std::size_t>(recordCount_)) {
        return failure(name_, "was not written: it takes " + std::to_string(recordCount_) + " records, not " +
                                  std::to_string(records.size()) + ".");
    }
    for (const RecordBytes& record : records) {
        if (FileStatus s = checkRecordLength(record); !s) {
            return s;
        }
    }
    const std::string temporary = name_ + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const RecordBytes& record : records) {
            out.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
        }
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return failure(name_, "could not be written.");
        }
    }
    std::error_code ec;
    fs::rename(temporary, name_, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return failure(name_, "could not be written: " + ec.message() + ".");
    }
    return fileOk();
}

} // namespace tarvik
