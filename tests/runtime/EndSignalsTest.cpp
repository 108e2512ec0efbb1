#include "runtime/EndSignals.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvik {
namespace {

// A program whose signals cannot be caught says so and runs on, rather than ending unexplained.
TEST(EndSignalsTest, SignalsThatCannotBeCaughtAreSaidSoAndTheProgramRunsOn)
{
    const EndSignals caught;
    std::ostringstream errors;
    EXPECT_EQ(catchEndSignals("tarvik", errors), nullptr);
    EXPECT_EQ(errors.str(), "tarvik: the end signals are caught once in a process; SIGTERM, SIGINT and SIGHUP will "
                            "end it at once, leaving any motion it watches running\n");
}

} // namespace
} // namespace tarvik
