#pragma once

#include "driver/recording/RecordingDriver.h"
#include "driver/sim/SimulatedDriver.h"
#include "forms/runtime/HeadlessHost.h"
#include "forms/runtime/Runtime.h"
#include "program/App.h"

#include <memory>
#include <optional>
#include <vector>

namespace tarvik {

// The whole program without a window system: a virtual clock, the headless host, the runtime,
// simulated boards behind a recording driver, and the App. Tests and tarvik-script drive it as
// a user would; every driver call costs a fixed slice of virtual time so that polling loops end.
// The error window is closed with OK unless told otherwise.
class HeadlessProgram {
public:
    struct Options {
        // The simulated boards; without them, the board configuration file in the working
        // directory (or the built-in set).
        std::optional<std::vector<SimBoardSpec>> boards{};
        std::int64_t driverCallCostMicros = 100;
    };

    HeadlessProgram();
    explicit HeadlessProgram(const Options& options);

    VirtualClock& clock() { return clock_; }
    HeadlessHost& host() { return host_; }
    Runtime& runtime() { return runtime_; }
    SimulatedDriver& boards() { return *simulated_; }
    RecordingDriver& driver() { return recorder_; }
    App& app() { return app_; }

private:
    VirtualClock clock_;
    HeadlessHost host_;
    Runtime runtime_;
    std::unique_ptr<SimulatedDriver> simulated_;
    RecordingDriver recorder_;
    App app_;
};

} // namespace tarvik
