#pragma once

#include "driver/MotionDriver.h"
#include "driver/sim/BoardKind.h"

namespace tarvik::sim {

// Which boards carry out a command; the others refuse it with the status of their class.
enum class Accepts {
    AnyBoard,
    MotionBoard,         // not encoder boards (24)
    Servo,               // encoder boards 24, steppers 15
    ServoOrEncoder,      // steppers 15
    FourAxisServo,       // encoder boards 24, steppers 15, 3-axis servo 17
    Stepper,             // encoder boards 24, servo 16
    StepperIo,           // every non-stepper 16
    ClosedLoop,          // encoder boards 24, open-loop steppers 14
    ClosedLoopOrEncoder, // open-loop steppers 14
    FourAxisClosedLoop,  // encoder boards 24, open-loop steppers 14, 3-axis boards 17
    ClosedLoopStepper,   // every other board 18
    EncoderFeedback,     // open-loop steppers 18
    FourAxisMotion,      // encoder boards 24, 3-axis boards 17
    FourAxis,            // 3-axis boards 17
};

// 0 when a board of `kind` carries out a command of `accepts`, else the status it refuses with.
DriverStatus refusal(Accepts accepts, const BoardKind& kind);

} // namespace tarvik::sim
