#include "program/RecordFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tarvik {

namespace fs = std::filesystem;

// An open file, closed when it goes.
class RecordFile::Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now: the error a late write-back reports, if any.
    std::error_code close()
    {
        const int result = ::close(std::exchange(fd_, -1));
        return result == 0 ? std::error_code() : std::error_code(errno, std::generic_category());
    }

private:
    int fd_;
};

namespace {

// How often a temporary name is drawn afresh when one is taken.
constexpr int kTemporaryNameTries = 100;

std::string quoted(const std::string& name)
{
    return "\"" + name + "\"";
}

FileError failure(const std::string& name, const std::string& problem)
{
    return FileError{"The file " + quoted(name) + " " + problem};
}

std::error_code lastError()
{
    return {errno, std::generic_category()};
}

std::string workingDirectory()
{
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    return ec ? std::string("(unknown)") : quoted(here.string());
}

// "The file "a" could not ..." or "The files "a", "b" could not ...": one sentence for the
// files that failed for one reason.
std::string notCreated(const std::vector<std::string>& names, const std::error_code& reason)
{
    std::string text = names.size() == 1 ? "The file " : "The files ";
    for (std::size_t i = 0; i < names.size(); ++i) text += (i == 0 ? "" : ", ") + quoted(names[i]);
    return text + " could not be created in the working directory " + workingDirectory() + ": " + reason.message() +
           ".";
}

std::error_code writeAll(int fd, const std::vector<RecordBytes>& records)
{
    for (const RecordBytes& record : records) {
        std::size_t done = 0;
        while (done < record.size()) {
            const ssize_t written = ::write(fd, record.data() + done, record.size() - done);
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return lastError();
            done += static_cast<std::size_t>(written);
        }
    }
    return {};
}

constexpr std::string_view kTemporaryLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryTagLength = 8;

// A name for a temporary file beside `name` that nobody is likely to have taken.
std::string temporaryName(const std::string& name)
{
    std::random_device source;
    std::uniform_int_distribution<std::size_t> pick(0, kTemporaryLetters.size() - 1);
    std::string temporary = name + std::string(kTemporaryMark);
    for (std::size_t i = 0; i < kTemporaryTagLength; ++i) temporary += kTemporaryLetters[pick(source)];
    return temporary;
}

// True when `candidate` is a name temporaryName(name) could have given.
bool isTemporaryName(std::string_view candidate, const std::string& name)
{
    const std::size_t prefix = name.size() + kTemporaryMark.size();
    if (candidate.size() != prefix + kTemporaryTagLength || !candidate.starts_with(name) ||
        candidate.substr(name.size(), kTemporaryMark.size()) != kTemporaryMark)
        return false;
    return candidate.substr(prefix).find_first_not_of(kTemporaryLetters) == std::string_view::npos;
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

FileResult<RecordFile::Descriptor> RecordFile::openSound(bool forWriting) const
{
    // Non-blocking, so that a named pipe under the name is refused rather than waited on; the
    // checks below are made on what was opened, so nothing can be swapped in between.
    const int flags = (forWriting ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    const int fd = ::open(name_.c_str(), flags);
    if (fd < 0 && errno == ENOENT) return failure(name_, "does not exist.");
    if (fd < 0 && (errno == ENXIO || errno == EISDIR)) return failure(name_, "is not a regular file.");
    if (fd < 0) {
        const std::string problem = forWriting ? "cannot be opened for writing: " : "cannot be read: ";
        return failure(name_, problem + lastError().message() + ".");
    }
    Descriptor file(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0) return failure(name_, "cannot be read: " + lastError().message() + ".");
    if (!S_ISREG(status.st_mode)) return failure(name_, "is not a regular file.");
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    const std::uintmax_t expected = recordLength_ * static_cast<std::uintmax_t>(recordCount_);
    if (size != expected) {
        return failure(name_, std::string("is damaged: it is too ") + (size < expected ? "short" : "long") + " (" +
                                  std::to_string(size) + " bytes, where " + std::to_string(recordCount_) +
                                  " records of " + std::to_string(recordLength_) + " bytes take " +
                                  std::to_string(expected) + ").");
    }
    return file;
}

FileStatus RecordFile::check() const
{
    if (FileResult<Descriptor> file = openSound(false); !file) {
        return FileError{file.error()};
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

FileStatus RecordFile::checkRecords(const std::vector<RecordBytes>& records) const
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
    return fileOk();
}

FileResult<RecordBytes> RecordFile::read(int recordNo) const
{
    if (FileStatus s = checkRecordNo(recordNo); !s) {
        return FileError{s.error()};
    }
    FileResult<Descriptor> file = openSound(false);
    if (!file) {
        return FileError{file.error()};
    }
    RecordBytes record(recordLength_);
    const auto offset = static_cast<off_t>(recordLength_ * static_cast<std::size_t>(recordNo - 1));
    std::size_t done = 0;
    while (done < recordLength_) {
        const ssize_t count = ::pread(file.value().get(), record.data() + done, recordLength_ - done,
                                      offset + static_cast<off_t>(done));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            return failure(name_, "could not be read (record " + std::to_string(recordNo) + ").");
        }
        done += static_cast<std::size_t>(count);
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
    FileResult<Descriptor> file = openSound(true);
    if (!file) {
        return FileError{file.error()};
    }
    // In place and without truncation: only this record's bytes change.
    const auto offset = static_cast<off_t>(recordLength_ * static_cast<std::size_t>(recordNo - 1));
    const FileError unwritten = failure(name_, "could not be written (record " + std::to_string(recordNo) + ").");
    std::size_t done = 0;
    while (done < record.size()) {
        const ssize_t count = ::pwrite(file.value().get(), record.data() + done, record.size() - done,
                                       offset + static_cast<off_t>(done));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            return unwritten;
        }
        done += static_cast<std::size_t>(count);
    }
    if (file.value().close()) {
        return unwritten;
    }
    return fileOk();
}

FileResult<bool> RecordFile::createIfMissing(const std::vector<RecordBytes>& records) const
{
    if (exists()) {
        return false;
    }
    if (FileStatus created = createMissing({{*this, records}}); !created) {
        return FileError{created.error()};
    }
    return true;
}

FileStatus RecordFile::replace(const std::vector<RecordBytes>& records) const
{
    if (FileStatus s = checkRecords(records); !s) {
        return s;
    }
    if (const std::error_code ec = writeWhole(records)) {
        return failure(name_, "could not be written: " + ec.message() + ".");
    }
    return fileOk();
}

FileStatus RecordFile::createMissing(const std::vector<NewRecordFile>& files)
{
    std::string refused;
    // The names that failed, by the reason, in the order the reasons first came up.
    std::vector<std::pair<std::error_code, std::vector<std::string>>> failed;
    for (const NewRecordFile& file : files) {
        const RecordFile& target = file.file;
        if (target.exists()) {
            continue;
        }
        if (FileStatus s = target.checkRecords(file.records); !s) {
            refused += (refused.empty() ? "" : " ") + s.error();
            continue;
        }
        if (const std::error_code ec = target.writeWhole(file.records)) {
            auto same = std::find_if(failed.begin(), failed.end(), [&](const auto& group) { return group.first == ec; });
            if (same == failed.end()) {
                failed.emplace_back(ec, std::vector<std::string>{});
                same = std::prev(failed.end());
            }
            same->second.push_back(target.name());
        }
    }
    std::string message;
    for (const auto& [reason, names] : failed) {
        message += (message.empty() ? "" : " ") + notCreated(names, reason);
    }
    if (!refused.empty()) {
        message += (message.empty() ? "" : " ") + refused;
    }
    if (!message.empty()) {
        return FileError{message};
    }
    return fileOk();
}

void RecordFile::removeStaleTemporaries() const
{
    std::error_code ec;
    for (fs::directory_iterator it(".", ec), end; !ec && it != end; it.increment(ec)) {
        const std::string found = it->path().filename().string();
        std::error_code statusError;
        // A link, a folder or a pipe under such a name is not one of ours.
        if (isTemporaryName(found, name_) && it->symlink_status(statusError).type() == fs::file_type::regular)
            fs::remove(found, statusError);
    }
}

std::error_code RecordFile::writeWhole(const std::vector<RecordBytes>& records) const
{
    // Exclusive creation refuses a name that is taken, a link included, so the temporary file is
    // always a new file of this program's own; the rename then replaces the target (or a link
    // standing in its place) in one step.
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < kTemporaryNameTries; ++attempt) {
        temporary = temporaryName(name_);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return lastError();
        }
    }
    if (fd < 0) {
        return lastError();
    }
    Descriptor file(fd);
    std::error_code ec = writeAll(fd, records);
    if (const std::error_code closed = file.close(); !ec) {
        ec = closed;
    }
    if (!ec && ::rename(temporary.c_str(), name_.c_str()) != 0) {
        ec = lastError();
    }
    if (ec) {
        ::unlink(temporary.c_str());
    }
    return ec;
}

} // namespace tarvik
