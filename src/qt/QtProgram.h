#pragma once

// The Qt program: no Qt types in here, so that main.cpp stays free of Qt.

#include <functional>
#include <memory>
#include <string>

namespace tarvik {

class Clock;
class Host;
class Renderer;
class Runtime;

// Runs the program under Qt. The runtime is built on this program's clock and host, so it is
// constructed after the QtProgram and destroyed before it:
//
//     QtProgram qt(argc, argv);
//     Runtime runtime(qt.clock(), qt.host());
//     ... the driver and the App on the runtime ...
//     return qt.run(runtime, [&] { startUp(app); });
class QtProgram {
public:
    // The page of a help topic: the path of its HTML file; "" when there is none.
    using HelpSource = std::function<std::string(int topic)>;

    // Creates the Qt application; `argc` must stay valid as long as the QtProgram lives.
    QtProgram(int& argc, char** argv);
    QtProgram(const QtProgram&) = delete;
    QtProgram& operator=(const QtProgram&) = delete;
    ~QtProgram();

    // Real time for the runtime.
    Clock& clock();
    // The Qt host for the runtime.
    Host& host();
    void setHelpSource(HelpSource source);

    // Mirrors the runtime in Qt windows and runs `startUp` (the program's start-up, which loads
    // the main form). Throws std::logic_error for a runtime not built on this program's host.
    void start(Runtime& runtime, const std::function<void()>& startUp);
    // Runs the Qt event loop until the runtime has ended the program; returns the exit status.
    int exec();
    // start, then exec.
    int run(Runtime& runtime, const std::function<void()>& startUp);

    // The renderer after start (for the smoke test); nullptr before.
    Renderer* renderer() const;

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace tarvik
