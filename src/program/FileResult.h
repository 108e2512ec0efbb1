#pragma once

#include <string>
#include <utility>
#include <variant>

namespace tarvik {

// A file operation that went wrong: the message names the file and the problem, ready to be
// shown to the user as it stands.
struct FileError {
    std::string message;
};

// The outcome of a file operation: its value, or the error that stopped it.
template <class T>
class FileResult {
public:
    FileResult(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    FileResult(FileError error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // Only when ok().
    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }

    // Empty when ok().
    const std::string& error() const
    {
        static const std::string none;
        return ok() ? none : std::get<1>(state_).message;
    }

private:
    std::variant<T, FileError> state_;
};

// The outcome of a file operation that yields nothing but success.
using FileStatus = FileResult<std::monostate>;

inline FileStatus fileOk()
{
    return std::monostate{};
}

} // namespace tarvik
