#include "CallPattern.h"
#include "Commands.h"
#include "HexBytes.h"
#include "ScriptParser.h"
#include "Session.h"
#include "Tokens.h"

#include "driver/StatusText.h"
#include "driver/sim/BoardConfigFile.h"
#include "runtime/EndSignals.h"
#include "runtime/MsgBox.h"

#include <algorithm>
#include <csignal>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

namespace tarvik::script {

namespace {

constexpr int kHighestNamedStatus = 63;

// "ID:TYPE:HEXADDR" as a board configuration line "ID TYPE HEXADDR". The values go to the
// file as written, so that the simulated driver's own checks of the configuration apply.
std::string boardLine(const std::string& word)
{
    const auto first = word.find(':');
    const auto second = first == std::string::npos ? first : word.find(':', first + 1);
    long long id = 0;
    long long type = 0;
    const std::string address = second == std::string::npos ? "" : word.substr(second + 1);
    if (second == std::string::npos || !parseInteger(word.substr(0, first), id) ||
        !parseInteger(word.substr(first + 1, second - first - 1), type) || address.empty() ||
        address.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        throw SyntaxError("expected a board as ID:TYPE:HEXADDR (e.g. 1:0:300), got " + word);
    return std::to_string(id) + " " + std::to_string(type) + " " + address;
}

// A status as a number or a ZEVA_ name.
DriverStatus statusCode(Words& words)
{
    const std::string word = words.word("a status");
    for (int code = 0; code <= kHighestNamedStatus; ++code)
        if (StatusName(static_cast<DriverStatus>(code)) == word) return static_cast<DriverStatus>(code);
    long long value = 0;
    if (!parseInteger(word, value) || value < std::numeric_limits<DriverStatus>::min() ||
        value > std::numeric_limits<DriverStatus>::max())
        throw SyntaxError("expected a status (a 16-bit number or a ZEVA_ name), got " + word);
    return static_cast<DriverStatus>(value);
}

struct AnswerName {
    std::string_view name;
    int code;
};
constexpr AnswerName kAnswers[] = {
    {"OK", msgbox::Ok},       {"Cancel", msgbox::Cancel}, {"Abort", msgbox::Abort}, {"Retry", msgbox::Retry},
    {"Ignore", msgbox::Ignore}, {"Yes", msgbox::Yes},     {"No", msgbox::No},
};

int answerCode(Words& words)
{
    const std::string word = words.word("an answer code");
    for (const AnswerName& answer : kAnswers)
        if (answer.name == word) return answer.code;
    long long code = 0;
    if (!parseInteger(word, code) || code < msgbox::Ok || code > msgbox::No)
        throw SyntaxError("expected an answer code (1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore, 6 Yes, 7 No), got " + word);
    return static_cast<int>(code);
}

// A whole number that fits the driver argument type T.
template <class T>
T driverInteger(Words& words, std::string_view what)
{
    const long long value = words.integer(what);
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        throw SyntaxError(std::string(what) + " must be a whole number from " +
                          std::to_string(std::numeric_limits<T>::min()) + " to " +
                          std::to_string(std::numeric_limits<T>::max()));
    return static_cast<T>(value);
}

std::int64_t milliseconds(Words& words)
{
    const long long ms = words.integer("a time in ms");
    if (ms < 0) throw SyntaxError("a time cannot be negative");
    return ms;
}

} // namespace

std::string entryName(Words& words)
{
    std::string entry = words.word("a driver entry point");
    if (!isEntryPoint(entry)) throw SyntaxError("the driver has no entry point " + entry);
    return entry;
}

int callCount(Words& words, std::string_view what, long long lowest)
{
    const long long count = words.integer(what);
    if (count < lowest || count > std::numeric_limits<int>::max())
        throw SyntaxError(std::string(what) + " must be a whole number of at least " + std::to_string(lowest));
    return static_cast<int>(count);
}

std::string parseFileName(Words& words)
{
    std::string name = words.wordOrText("a file name");
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string::npos)
        throw SyntaxError("a file name must name a file in the working directory, without folders: " + name);
    return name;
}

Step::Action parseBoards(Words& words)
{
    std::string text;
    while (!words.atEnd()) text += boardLine(words.word("a board")) + "\n";
    return [text](Session& session) {
        const std::string_view bytes = text;
        if (!writeBytes(session.directory() / sim::kBoardConfigFileName, Bytes(bytes.begin(), bytes.end())))
            throw StepFailure("cannot write the board configuration file");
    };
}

Step::Action parseFile(Words& words)
{
    const std::string name = parseFileName(words);
    std::string hex;
    while (!words.atEnd()) hex += words.word("hexadecimal bytes");
    const auto bytes = parseHexBytes(hex);
    if (!bytes) throw SyntaxError("expected bytes as pairs of hexadecimal digits, got " + hex);
    return [name, bytes = *bytes](Session& session) {
        if (!writeBytes(session.directory() / name, bytes)) throw StepFailure("cannot write the file " + name);
    };
}

Step::Action parseStart(Words& words)
{
    words.end();
    return [](Session& session) { session.start(); };
}

Step::Action parseWait(Words& words)
{
    const std::int64_t ms = milliseconds(words);
    words.end();
    return [ms](Session& session) { session.program().runtime().wait(ms); };
}

Step::Action parseTimeLimit(Words& words)
{
    const std::int64_t ms = milliseconds(words);
    words.end();
    if (ms == 0 || ms > kLongestTimeLimitMs)
        throw SyntaxError("a time limit must be from 1 to " + std::to_string(kLongestTimeLimitMs) + " ms");
    return [ms](Session& session) { session.setTimeLimit(ms); };
}

Step::Action parseAfter(Words& words)
{
    const std::int64_t ms = milliseconds(words);
    Step::Action command = parseCommand(words);
    return [ms, command](Session& session) { session.after(ms, {session.line(), command}); };
}

Step::Action parseFault(Words& words)
{
    const std::string entry = entryName(words);
    const DriverStatus status = statusCode(words);
    std::optional<int> count;
    bool after = words.accept("after");
    if (!after && !words.atEnd()) {
        count = callCount(words, "the call count", 1);
        after = words.accept("after");
    }
    const int passes = after ? callCount(words, "after N", 0) : 0;
    words.end();
    return [=](Session& session) {
        session.setUp([=](Instance& instance) { instance.program->driver().injectFault(entry, status, count, passes); });
    };
}

Step::Action parseMachine(Words& words)
{
    const bool index = words.accept("index");
    if (!index && !words.accept("encoder")) throw SyntaxError("expected index or encoder after machine");
    const auto board = driverInteger<std::int16_t>(words, "the board ID");
    const auto axis = driverInteger<std::int16_t>(words, "the axis");
    const auto value = driverInteger<std::int32_t>(words, index ? "the index offset" : "the count rate");
    words.end();
    return [=](Session& session) {
        session.setUp([=, &session, line = session.line()](Instance& instance) {
            SimulatedDriver& boards = instance.program->boards();
            if (index ? boards.setIndexOffset(board, axis, value) : boards.setEncoderRate(board, axis, value)) return;
            // Reported at this line also when it takes effect at start-up, and the start goes on.
            const std::string where = "board " + std::to_string(board) + " axis " + std::to_string(axis);
            const std::string problem = where + (index ? " does not exist" : " is not an encoder board's axis");
            session.run({line, [problem](Session&) { throw StepFailure(problem); }});
        });
    };
}

Step::Action parseAnswer(Words& words)
{
    if (words.accept("msgbox")) {
        const int code = answerCode(words);
        words.end();
        return [code](Session& session) {
            session.setUp([code, line = session.line()](Instance& instance) {
                instance.program->host().answerMessageBox(code);
                instance.answerLines.push_back(line);
            });
        };
    }
    const ControlRef button = parseControlRef(words.word("FORM.BUTTON or msgbox"));
    words.end();
    return [button](Session& session) { session.onModal(button.form, {{session.line(), clickControl(button)}}); };
}

Step::Action parseSignal(Words& words)
{
    static constexpr std::pair<std::string_view, int> kSignals[] = {{"TERM", SIGTERM}, {"INT", SIGINT}, {"HUP", SIGHUP}};
    const std::string name = words.word("the signal (TERM, INT or HUP)");
    words.end();
    const auto known = std::ranges::find(kSignals, name, &std::pair<std::string_view, int>::first);
    if (known == std::end(kSignals)) throw SyntaxError("expected TERM, INT or HUP after signal, got " + name);
    return [number = known->second, name](Session& session) {
        EndSignals* caught = session.program().runtime().endSignals();
        if (caught == nullptr) throw StepFailure("the end signals are not caught in this run");
        // Delivered to this process at once, as from outside: the program's handler takes it, and
        // the step's end hands it to the program (Session::run).
        if (!caught->raiseAsFirst(number))
            throw StepFailure("SIG" + name + " is ignored in this run: it was ignored when tarvik-script started");
    };
}

Step::Action parseMark(Words& words)
{
    words.end();
    return [](Session& session) {
        Instance& instance = session.instance();
        instance.program->driver().mark();
        instance.modalCursor = instance.msgboxCursor = instance.beepCursor = instance.program->host().shown().size();
    };
}

} // namespace tarvik::script
