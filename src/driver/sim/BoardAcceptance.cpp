#include "driver/sim/BoardAcceptance.h"

#include "driver/StatusText.h"

#include <array>

namespace tarvik::sim {

namespace {

// The refusal of each board class, then of a 3-axis board of an accepted class.
struct Rule {
    DriverStatus servo, openLoop, closedLoop, encoder, threeAxis;
};

constexpr DriverStatus ok = ZEVA_noError;
constexpr DriverStatus motion = ZEVA_motionOnlyError;
constexpr DriverStatus servoOnly = ZEVA_servoOnlyError;
constexpr DriverStatus stepperOnly = ZEVA_stepperOnlyError;
constexpr DriverStatus closedLoopOnly = ZEVA_closedLoopOnlyError;
constexpr DriverStatus closedLoopStepperOnly = ZEVA_closedLoopStepperOnlyError;
constexpr DriverStatus fourAxisOnly = ZEVA_fourAxisOnlyError;

// In the order of Accepts.
// clang-format off
constexpr std::array<Rule, 14> kRules{{
    {ok, ok, ok, ok, ok},                                                                   // AnyBoard
    {ok, ok, ok, motion, ok},                                                               // MotionBoard
    {ok, servoOnly, servoOnly, motion, ok},                                                 // Servo
    {ok, servoOnly, servoOnly, ok, ok},                                                     // ServoOrEncoder
    {ok, servoOnly, servoOnly, motion, fourAxisOnly},                                       // FourAxisServo
    {stepperOnly, ok, ok, motion, ok},                                                      // Stepper
    {stepperOnly, ok, ok, stepperOnly, ok},                                                 // StepperIo
    {ok, closedLoopOnly, ok, motion, ok},                                                   // ClosedLoop
    {ok, closedLoopOnly, ok, ok, ok},                                                       // ClosedLoopOrEncoder
    {ok, closedLoopOnly, ok, motion, fourAxisOnly},                                         // FourAxisClosedLoop
    {closedLoopStepperOnly, closedLoopStepperOnly, ok, closedLoopStepperOnly, ok},          // ClosedLoopStepper
    {ok, closedLoopStepperOnly, ok, ok, ok},                                                // EncoderFeedback
    {ok, ok, ok, motion, fourAxisOnly},                                                     // FourAxisMotion
    {ok, ok, ok, ok, fourAxisOnly},                                                         // FourAxis
}};
// clang-format on
static_assert(kRules.size() == static_cast<std::size_t>(Accepts::FourAxis) + 1, "one rule per Accepts");

} // namespace

DriverStatus refusal(Accepts accepts, const BoardKind& kind)
{
    const Rule& rule = kRules[static_cast<std::size_t>(accepts)];
    DriverStatus byClass = ok;
    switch (kind.boardClass) {
    case BoardClass::Servo: byClass = rule.servo; break;
    case BoardClass::OpenLoopStepper: byClass = rule.openLoop; break;
    case BoardClass::ClosedLoopStepper: byClass = rule.closedLoop; break;
    case BoardClass::Encoder: byClass = rule.encoder; break;
    }
    if (byClass != ok) return byClass;
    return kind.threeAxis() ? rule.threeAxis : ok;
}

} // namespace tarvik::sim
