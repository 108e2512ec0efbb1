#pragma once

#include "runtime/Control.h"

#include <array>
#include <cstdint>

namespace tarvik {

// The XY-table demo's window-level fields, shared by its set-up, drawing, target entry, segment
// move, run engine and velocity question. Counts are board position units, inches table units;
// Single fields stay float so that conversions round as the table's arithmetic does.
struct XyTableFields {
    static constexpr int kMaxTargets = 500;

    bool Redrawing = false;

    std::int16_t XProfileDone = 0;
    std::int16_t CountsPerRevX = 0;
    std::int16_t CountsPerRevY = 0;
    float PitchX = 0;
    float PitchY = 0;
    float GearX = 0;
    float GearY = 0;
    float GridX = 0;
    float GridY = 0;
    std::int16_t XAxis = 1;
    std::int16_t YAxis = 2;

    // The segment move's working values.
    float SegmentDx = 0;
    float SegmentDy = 0;
    std::int32_t VelXUnits = 0;
    std::int32_t VelYUnits = 0;
    double VelX = 0;
    double VelY = 0;
    std::int32_t AccXUnits = 0;
    std::int32_t AccYUnits = 0;
    double AccX = 0;
    double AccY = 0;
    double Slope = 0;
    double Angle = 0;

    std::int16_t ScaleQuestionPending = 0;
    std::int16_t BoardId = 0;
    float CountsPerInchX = 0;
    float CountsPerInchY = 0;
    double LastGoodMinX = 0;
    double LastGoodMinY = 0;
    double LastGoodMaxX = 0;
    double LastGoodMaxY = 0;
    float VectorVelocity = 0;
    float VectorAccel = 0;
    float MaxX = 0;
    float MinX = 0;
    float MaxY = 0;
    float MinY = 0;
    float RangeX = 0;
    float RangeY = 0;
    std::int32_t TargetX = 0;
    std::int32_t TargetY = 0;
    std::int32_t PrevTargetX = 0;
    std::int32_t PrevTargetY = 0;
    std::int32_t PresentX = 0;
    std::int32_t PresentY = 0;
    std::int32_t LastDrawnX = 0;
    std::int32_t LastDrawnY = 0;
    float PresentInchX = 0;
    float PresentInchY = 0;
    float TargetInchX = 0;
    float TargetInchY = 0;
    std::int16_t BoardTypeCode = 0;
    std::int16_t DemoMode = 1;
    float MarkerRadius = 0;

    // The recorded routine: entry 0 is the start point, the others the clicked points.
    std::array<std::int32_t, kMaxTargets> TargetsX{};
    std::array<std::int32_t, kMaxTargets> TargetsY{};
    std::array<float, kMaxTargets> SegmentVelocity{};
    std::int16_t TargetCount = 0;
    std::int16_t SegmentIndex = 0;

    std::int16_t Running = 0;
    std::int16_t FindIndexAllowed = 0;
    std::int16_t Loaded = 0;
    std::int16_t SnapToGrid = 0;
    std::int16_t MovePendingX = 0;
    std::int16_t MovePendingY = 0;
    Color PathColorA = 0;
    Color PathColorB = 0;
    // The poll's path colour: 0 until its first tick, then PathColorA or PathColorB.
    Color PathColor = 0;
};

inline constexpr std::int16_t kDemoManual = 1;
inline constexpr std::int16_t kDemoAutomatic = 2;

inline constexpr Color kPathBlue = rgb(0, 0, 200);
inline constexpr Color kPathRed = rgb(200, 0, 0);
inline constexpr Color kGridGrey = rgb(128, 128, 128);

// Servo boards (type codes 0, 3, 7, 11, 17, 25, 26): their counts per inch carry the encoder's
// four counts per line, their acceleration is ten times the velocity, and their moves are
// loaded in the servo units.
constexpr bool IsServoType(int typeCode)
{
    switch (typeCode) {
    case 0: case 3: case 7: case 11: case 17: case 25: case 26: return true;
    default: return false;
    }
}

constexpr bool IsEncoderType(int typeCode) { return typeCode == 6 || typeCode == 14; }

// Open- and closed-loop stepper boards.
constexpr bool IsStepperType(int typeCode)
{
    switch (typeCode) {
    case 1: case 2: case 4: case 5: case 8: case 9: case 12: case 13:
    case 18: case 19: case 20: case 21: case 22: case 23: case 29: case 30: return true;
    default: return false;
    }
}

constexpr bool IsClosedLoopStepperType(int typeCode)
{
    switch (typeCode) {
    case 2: case 5: case 9: case 13: case 19: case 21: case 23: case 29: return true;
    default: return false;
    }
}

} // namespace tarvik
