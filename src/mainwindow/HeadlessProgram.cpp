#include "mainwindow/HeadlessProgram.h"

#include "driver/library/LibraryDriver.h"
#include "shell/ErrorWindow.h"

#include <stdexcept>

namespace tarvik {

namespace {

std::unique_ptr<Clock> makeClock(const HeadlessProgram::Options& options)
{
    if (options.driverLibrary.empty()) return std::make_unique<VirtualClock>();
    return std::make_unique<RealClock>();
}

std::unique_ptr<MotionDriver> makeBoards(Clock& clock, const HeadlessProgram::Options& options)
{
    if (!options.driverLibrary.empty()) return std::make_unique<LibraryDriver>(options.driverLibrary);
    auto boards = options.boards ? std::make_unique<SimulatedDriver>(clock, *options.boards)
                                 : std::make_unique<SimulatedDriver>(clock);
    boards->setCallCost(options.driverCallCostMicros);
    return boards;
}

} // namespace

HeadlessProgram::HeadlessProgram() : HeadlessProgram(Options{}) {}

HeadlessProgram::HeadlessProgram(const Options& options)
    : clock_(makeClock(options)),
      runtime_(*clock_, host_),
      boards_(makeBoards(*clock_, options)),
      simulated_(dynamic_cast<SimulatedDriver*>(boards_.get())),
      recorder_(*boards_, *clock_),
      app_(runtime_, recorder_)
{
    // The error window is answered OK unless a test or script queues another answer for it.
    host_.setDefaultModalAction("frmerrmsg", [](Form& form) {
        auto& window = static_cast<ErrorWindow&>(form);
        window.runtime().input().click(window.okcmd);
    });
}

SimulatedDriver& HeadlessProgram::boards()
{
    if (simulated_ == nullptr)
        throw std::logic_error("the boards are behind a driver library (--driver): only simulated boards can be set up");
    return *simulated_;
}

} // namespace tarvik
