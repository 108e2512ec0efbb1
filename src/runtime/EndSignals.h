#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>

namespace tarvik {

// SIGTERM, SIGINT and SIGHUP, caught for the event loop to end the program with (the runtime's
// endUnasked). The first one that comes only raises a flag and writes a byte to a pipe: the loop
// checks the flag, at no cost, and empties the pipe once it is up; under Qt the pipe wakes the
// loop. The program so ends from its own loop, never from inside the handler. A second one, of
// any of the three kinds, ends the process at once by that signal's default action, with one
// line on stderr: a program held in a driver call that never returns still ends. A signal the
// process ignored when this was set up (nohup, a background job) stays ignored. One at a time in
// a process; the handlers the process had before come back when it goes.
class EndSignals {
public:
    // `program` names the process on the second signal's line ("tarvik: ..."); it must outlive
    // this. Throws std::system_error when the pipe cannot be made or a handler not installed.
    explicit EndSignals(const char* program = "tarvik");
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;
    ~EndSignals();

    // The pipe's end the loop watches: readable once a signal has come.
    int readFd() const { return readFd_; }
    // Lowers the flag and empties the pipe; true when a signal had come since the last call.
    // Makes no system call when none had.
    bool drainArrivals();
    // Sleeps up to `micros`, returning as soon as a signal comes (or had come, undrained).
    void sleepUntilArrival(std::int64_t micros) const;
    // Whether `number` stays ignored: the process ignored it when this was set up.
    bool ignored(int number) const;
    // Raises `number` in this process as a first signal from outside, whatever came before; it
    // never ends the process as a second one (the script runner's `signal`, which stands for
    // one signal sent to one of the programs it runs). False when the signal is ignored.
    bool raiseAsFirst(int number);

private:
    // Gives the first `caught` signals their former handlers back and closes the pipe.
    void release(std::size_t caught);

    int readFd_ = -1;
    int writeFd_ = -1;
};

// The end signals of a program's `main`: caught, or, when that fails, none, with a line on
// `errors` saying so and that the signals then end `program` at once, which runs on.
std::unique_ptr<EndSignals> catchEndSignals(const char* program, std::ostream& errors);

} // namespace tarvik
