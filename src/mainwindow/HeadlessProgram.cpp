#include "mainwindow/HeadlessProgram.h"

#include "program/frmerrmsg.h"

namespace tarvik {

namespace {
std::unique_ptr<SimulatedDriver> makeBoards(Clock& clock, const HeadlessProgram::Options& options)
{
    auto boards = options.boards ? std::make_unique<SimulatedDriver>(clock, *options.boards)
                                 : std::make_unique<SimulatedDriver>(clock);
    boards->setCallCost(options.driverCallCostMicros);
    return boards;
}
} // namespace

HeadlessProgram::HeadlessProgram() : HeadlessProgram(Options{}) {}

HeadlessProgram::HeadlessProgram(const Options& options)
    : runtime_(clock_, host_),
      simulated_(makeBoards(clock_, options)),
      recorder_(*simulated_, clock_),
      app_(runtime_, recorder_)
{
    // The error window is answered OK unless a test or script queues another answer for it.
    host_.setDefaultModalAction("frmerrmsg", [](Form& form) {
        auto& window = static_cast<frmerrmsg&>(form);
        window.runtime().input().click(window.okcmd);
    });
}

} // namespace tarvik
