#include "Session.h"

#include "TestWindow.h"

#include "mainwindow/StartUp.h"
#include "runtime/FormRuntime.h"

#include <algorithm>

namespace tarvik::script {

namespace {

constexpr const char* kLockFileName = "tarvik.lock";

std::string timeLimitPassed(const Instance& instance)
{
    std::string message = "the program's clock passed the time limit of " + std::to_string(instance.timeLimitMs) +
                          " ms (timelimit, --time-limit): a wait that never ends?";
    if (const std::size_t dropped = instance.program->driver().droppedCalls())
        message += " (the log dropped the oldest " + std::to_string(dropped) + " driver calls)";
    return message;
}

} // namespace

Session::Session(std::string fileName, std::filesystem::path directory, SessionOptions options, Reporter& reporter)
    : fileName_(std::move(fileName)),
      directory_(std::move(directory)),
      options_(std::move(options)),
      reporter_(reporter),
      timeLimitMs_(options_.timeLimitMs)
{
}

// Newest instance first: an instance that ended during its start-up goes before the one whose
// lock it met.
Session::~Session()
{
    while (!instances_.empty()) instances_.pop_back();
}

void Session::run(const Step& step)
{
    struct Restore {
        int& line;
        int outer;
        ~Restore() { line = outer; }
    } restore{line_, line_};
    line_ = step.line;
    try {
        step.run(*this);
        // An end signal ends the program once the step is over, as it does once the Qt loop runs.
        if (started()) program().runtime().endOnSignal();
    } catch (const StepFailure& failure) {
        reporter_.fail(fileName_, step.line, failure.what());
    } catch (const ScriptAbort&) {
        throw;
    } catch (const std::exception& error) {
        throw ScriptAbort(step.line, error.what());
    }
}

void Session::check(bool ok, const std::string& expected, const std::string& got)
{
    if (ok)
        reporter_.pass();
    else
        reporter_.fail(fileName_, line_, "expected " + expected + ", got " + got);
}

void Session::start()
{
    auto created = std::make_unique<Instance>();
    created->program =
        std::make_unique<HeadlessProgram>(HeadlessProgram::Options{.driverLibrary = options_.driverLibrary});
    created->timeLimitMs = timeLimitMs_;
    HeadlessProgram& program = *created->program;
    program.runtime().setProgramFolder(options_.programFolder);
    program.runtime().watchEndSignals(options_.endSignals);
    instances_.push_back(std::move(created));
    armTimeLimit(*instances_.back());
    for (Pending& pending : pending_) pending.setup(*instances_.back());
    pending_.clear();
    if (startProgram(program.app(), {.lockFile = directory_ / kLockFileName}) && options_.testWindow)
        program.app().form<TestWindow>().show();
}

Instance& Session::instance()
{
    if (instances_.empty()) throw StepFailure("the program has not been started (no start before this line)");
    return *instances_.back();
}

void Session::setUp(std::function<void(Instance&)> setup)
{
    if (started())
        setup(instance());
    else
        pending_.push_back({line_, std::move(setup)});
}

void Session::setTimeLimit(std::int64_t ms)
{
    timeLimitMs_ = ms;
    if (!started()) return;
    instance().timeLimitMs = ms;
    armTimeLimit(instance());
}

// The check runs as a scheduled action, which every wait and every loop that lets events run
// takes in turn; a loop that polls without doing so has a bound of its own.
void Session::armTimeLimit(Instance& instance)
{
    HeadlessProgram& program = *instance.program;
    const std::int64_t elapsedMs = program.clock().nowMicros() / 1000;
    program.runtime().schedule(std::max<std::int64_t>(instance.timeLimitMs - elapsedMs, 0), [this, &instance] {
        // A limit raised since this was scheduled has a check of its own.
        if (instance.program->clock().nowMicros() < instance.timeLimitMs * 1000) return;
        throw ScriptAbort(line_, timeLimitPassed(instance));
    });
}

int Session::promise(std::string what)
{
    promises_[nextPromise_] = {line_, std::move(what)};
    return nextPromise_++;
}

void Session::onModal(const std::string& form, std::vector<Step> steps)
{
    const int id = promise("on " + form + ": the window was never shown modally");
    setUp([this, form, steps = std::move(steps), id](Instance& instance) {
        instance.program->host().onModal(form, [this, steps, id](Form&) {
            kept(id);
            for (const Step& step : steps) run(step);
        });
    });
}

void Session::after(std::int64_t ms, Step step)
{
    const int id = promise("after " + std::to_string(ms) + ": the clock never got that far (a wait is missing)");
    setUp([this, ms, step = std::move(step), id](Instance& instance) {
        instance.program->runtime().schedule(ms, [this, step, id] {
            kept(id);
            run(step);
        });
    });
}

void Session::reportUnused()
{
    if (!started()) {
        for (const Pending& pending : pending_)
            reporter_.fail(fileName_, pending.line, "this never took effect: the script does not start the program");
        return;
    }
    for (const auto& [id, promise] : promises_) reporter_.fail(fileName_, promise.first, promise.second);
    for (const auto& instance : instances_) {
        const std::size_t unused = instance->program->host().pendingAnswers();
        const auto& lines = instance->answerLines;
        for (std::size_t i = lines.size() - std::min(unused, lines.size()); i < lines.size(); ++i)
            reporter_.fail(fileName_, lines[i], "answer msgbox: no message box came to take this answer");
    }
}

} // namespace tarvik::script
