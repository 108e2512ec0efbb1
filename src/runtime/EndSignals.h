#pragma once

namespace tarvik {

// SIGTERM, SIGINT and SIGHUP, caught for the event loop to end the program with (the runtime's
// endUnasked). The handler does nothing but write a byte to a pipe: the loop reads the pipe,
// under Qt when it becomes readable, headless whenever due work runs (Runtime::runDue), so the
// program ends from its own loop, never from inside the handler. One at a time in a process;
// the handlers the process had before come back when it goes.
class EndSignals {
public:
    // Throws std::system_error when the pipe cannot be made or a handler not installed.
    EndSignals();
    EndSignals(const EndSignals&) = delete;
    EndSignals& operator=(const EndSignals&) = delete;
    ~EndSignals();

    // The pipe's end the loop watches: readable once a signal has come.
    int readFd() const { return readFd_; }
    // Empties the pipe; true when a signal had come since the last call.
    bool arrived();

private:
    int readFd_ = -1;
    int writeFd_ = -1;
};

} // namespace tarvik
