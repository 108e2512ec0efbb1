#pragma once

#include <functional>
#include <stdexcept>
#include <string>

namespace tarvik::script {

class Session;

// A malformed line: the script does not run.
class SyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A command that could not be carried out (a window that is not open, a disabled button):
// reported as a failure at its line; the script goes on.
class StepFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The program is in no state to go on (a prompt nobody answered, an error thrown by the
// program): reported at the line of the innermost command running; the rest of the file is
// skipped.
class ScriptAbort : public std::runtime_error {
public:
    ScriptAbort(int at, const std::string& message) : std::runtime_error(message), line(at) {}
    int line;
};

// One parsed command and the line it stands on.
struct Step {
    using Action = std::function<void(Session&)>;
    int line = 0;
    Action run;
};

} // namespace tarvik::script
