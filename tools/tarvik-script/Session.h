#pragma once

#include "Reporter.h"
#include "Step.h"

#include "mainwindow/HeadlessProgram.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarvik {
class EndSignals;
}

namespace tarvik::script {

// How long a program may run by default, in ms of virtual time from its start: an hour, far
// beyond any wait a script means, and beyond the time a modal window nobody answers is given,
// so that such a window is reported as unanswered.
inline constexpr std::int64_t kDefaultTimeLimitMs = 3'600'000;
// The longest time limit that can be set (a year).
inline constexpr std::int64_t kLongestTimeLimitMs = 31'536'000'000;

// How the sessions of a run start their programs.
struct SessionOptions {
    // The program's folder as the program sees it (where it looks for its help).
    std::filesystem::path programFolder{};
    // Open the runner's test window frmscripttest after every start-up that succeeded.
    bool testWindow = false;
    // The time limit of every program the scripts start, until a script sets its own.
    std::int64_t timeLimitMs = kDefaultTimeLimitMs;
    // The driver library the programs drive their boards through (--driver); empty: simulated.
    std::filesystem::path driverLibrary{};
    // The end signals the programs end on, as the program does (none: the default handlers).
    EndSignals* endSignals = nullptr;
};

// One started program and what the script has checked of it so far.
struct Instance {
    std::unique_ptr<HeadlessProgram> program;
    // Past this time on its clock (which starts at 0) the script ends with a failure.
    std::int64_t timeLimitMs = kDefaultTimeLimitMs;
    // Records before these positions of the host's record are consumed.
    std::size_t modalCursor = 0;
    std::size_t msgboxCursor = 0;
    std::size_t beepCursor = 0;
    // Lines of the `answer msgbox` commands given to this instance, in order.
    std::vector<int> answerLines;
};

// What one script file runs against: its working directory, the program instances it started
// (commands address the most recent one), and the bookkeeping that lets the runner say which
// scripted answers and timed commands never came into play.
class Session {
public:
    Session(std::string fileName, std::filesystem::path directory, SessionOptions options, Reporter& reporter);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs a step: a StepFailure is reported at its line and the script goes on; anything else
    // thrown (a prompt nobody answered) becomes a ScriptAbort at the innermost line.
    void run(const Step& step);
    // The line of the step running now.
    int line() const { return line_; }

    // Counts an expectation; reports "expected ..., got ..." when it failed.
    void check(bool ok, const std::string& expected, const std::string& got);

    const std::filesystem::path& directory() const { return directory_; }

    // The program: start-up as the program runs it, in a new instance. The single-instance
    // lock file lies in the working directory, so a second start meets the first one's lock.
    void start();
    bool started() const { return !instances_.empty(); }
    // The most recently started instance; StepFailure before the first start.
    Instance& instance();
    HeadlessProgram& program() { return *instance().program; }
    // Applies `setup` to the current instance, or, before the first start, to the first
    // instance as soon as it exists (faults and answers for the start-up itself).
    void setUp(std::function<void(Instance&)> setup);

    // The time limit of the current instance and of those started later. A program that passes
    // it (a wait that never ends) stops the script with a ScriptAbort at the line running then.
    void setTimeLimit(std::int64_t ms);

    // Runs `steps` the next time `form` shows modally.
    void onModal(const std::string& form, std::vector<Step> steps);
    // Runs `step` when `ms` more have passed on the clock.
    void after(std::int64_t ms, Step step);

    // Reports what the script set up and never came into play. Call once at the end.
    void reportUnused();

private:
    struct Pending {
        int line;
        std::function<void(Instance&)> setup;
    };

    void armTimeLimit(Instance& instance);
    int promise(std::string what);
    void kept(int id) { promises_.erase(id); }

    std::string fileName_;
    std::filesystem::path directory_;
    SessionOptions options_;
    Reporter& reporter_;
    int line_ = 0;
    std::int64_t timeLimitMs_;
    std::vector<std::unique_ptr<Instance>> instances_;
    std::vector<Pending> pending_;
    // Scripted reactions still waiting, by id: the line and what never happened.
    std::map<int, std::pair<int, std::string>> promises_;
    int nextPromise_ = 0;
};

} // namespace tarvik::script
