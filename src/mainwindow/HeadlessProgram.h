#pragma once

#include "base/Clock.h"
#include "driver/recording/RecordingDriver.h"
#include "driver/sim/SimulatedDriver.h"
#include "program/App.h"
#include "runtime/HeadlessHost.h"
#include "runtime/Runtime.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace tarvik {

// The whole program without a window system: a virtual clock, the headless host, the runtime,
// simulated boards behind a recording driver, and the App. Tests and tarvik-script drive it as
// a user would; every driver call costs a fixed slice of virtual time so that polling loops end.
// Given a driver library instead, it drives the boards behind that library and runs on real
// time, as those boards do: a wait then lasts as long as it says.
// The error window is closed with OK unless told otherwise.
class HeadlessProgram {
public:
    struct Options {
        // The simulated boards; without them, the board configuration file in the working
        // directory (or the built-in set).
        std::optional<std::vector<SimBoardSpec>> boards{};
        std::int64_t driverCallCostMicros = 100;
        // The driver library to load (see LibraryDriver); empty: the simulated boards.
        std::filesystem::path driverLibrary{};
    };

    HeadlessProgram();
    explicit HeadlessProgram(const Options& options);

    Clock& clock() { return *clock_; }
    HeadlessHost& host() { return host_; }
    Runtime& runtime() { return runtime_; }
    // The simulated boards; throws std::logic_error when the boards are behind a driver library.
    SimulatedDriver& boards();
    RecordingDriver& driver() { return recorder_; }
    App& app() { return app_; }

private:
    std::unique_ptr<Clock> clock_;
    HeadlessHost host_;
    Runtime runtime_;
    std::unique_ptr<MotionDriver> boards_;
    SimulatedDriver* simulated_;
    RecordingDriver recorder_;
    App app_;
};

} // namespace tarvik
