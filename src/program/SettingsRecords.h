#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "program/RecordBytes.h"

namespace tarvik {

// A 16-bit Boolean field of a record (a direction, the loop mode, a polarity) is set when it is
// non-zero, whatever the value. Sent as a direction or mode argument it goes as -1 (set) or 0,
// the values the windows store, so that the driver never sees another.
constexpr std::int16_t booleanArgument(std::int16_t field) { return field != 0 ? -1 : 0; }

// Values of `LimitEnableBits`.
inline constexpr std::int16_t LimitEnableReverse = 1;
inline constexpr std::int16_t LimitEnableHome = 2;
inline constexpr std::int16_t LimitEnableForward = 4;

// The per-axis sub-records. Member initialisers hold the start-up defaults; each `transfer`
// lists the fields in their file order and is the only place that order is written down.

struct ServoAxisSettings {
    static constexpr std::size_t kPackedSize = 40;

    std::int16_t EncoderLines = 1000;
    std::int16_t LimitEnableBits = -1;
    std::int16_t ReverseLimitInverted = -1;
    std::int16_t HomeInverted = -1;
    std::int16_t ForwardLimitInverted = -1;
    std::int16_t PropGain = 100;
    std::int16_t IntgGain = 20;
    std::int16_t DerivGain = 1000;
    std::int16_t DerivPeriod = 2;
    std::int16_t IntgLimit = 1000;
    double FindRpm = 500.0;
    std::int16_t HomeReverse = 0;
    std::int16_t IndexReverse = 0;
    std::int16_t RefOffset = 0;
    std::int32_t FollowingError = 1000;
    std::int16_t StopMode = 2;

    template <class Io, class Self>
    static void transfer(Io& io, Self& s)
    {
        io(s.EncoderLines, s.LimitEnableBits, s.ReverseLimitInverted, s.HomeInverted, s.ForwardLimitInverted,
           s.PropGain, s.IntgGain, s.DerivGain, s.DerivPeriod, s.IntgLimit, s.FindRpm, s.HomeReverse,
           s.IndexReverse, s.RefOffset, s.FollowingError, s.StopMode);
    }
    friend bool operator==(const ServoAxisSettings&, const ServoAxisSettings&) = default;
};

struct StepperAxisSettings {
    static constexpr std::size_t kPackedSize = 16;

    std::int16_t StepsPerRev = 2000;
    std::int16_t LimitEnableBits = -1;
    std::int16_t ReverseLimitInverted = -1;
    std::int16_t HomeInverted = -1;
    std::int16_t ForwardLimitInverted = -1;
    std::int16_t FindRpm = 100;
    std::int16_t HomeReverse = 0;
    std::int16_t StopMode = 2;

    template <class Io, class Self>
    static void transfer(Io& io, Self& s)
    {
        io(s.StepsPerRev, s.LimitEnableBits, s.ReverseLimitInverted, s.HomeInverted, s.ForwardLimitInverted,
           s.FindRpm, s.HomeReverse, s.StopMode);
    }
    friend bool operator==(const StepperAxisSettings&, const StepperAxisSettings&) = default;
};

struct ClosedLoopAxisSettings {
    static constexpr std::size_t kPackedSize = 28;

    std::int16_t StepsPerRev = 2000;
    std::int16_t LimitEnableBits = -1;
    std::int16_t ReverseLimitInverted = -1;
    std::int16_t HomeInverted = -1;
    std::int16_t ForwardLimitInverted = -1;
    std::int16_t FindRpm = 100;
    std::int16_t HomeReverse = 0;
    std::int16_t LinesPerRev = 500;
    std::int16_t IndexReverse = 0;
    std::int16_t RefOffset = 0;
    std::int32_t FollowingError = 100;
    std::int16_t ClosedLoop = 0;
    std::int16_t StopMode = 2;

    template <class Io, class Self>
    static void transfer(Io& io, Self& s)
    {
        io(s.StepsPerRev, s.LimitEnableBits, s.ReverseLimitInverted, s.HomeInverted, s.ForwardLimitInverted,
           s.FindRpm, s.HomeReverse, s.LinesPerRev, s.IndexReverse, s.RefOffset, s.FollowingError, s.ClosedLoop,
           s.StopMode);
    }
    friend bool operator==(const ClosedLoopAxisSettings&, const ClosedLoopAxisSettings&) = default;
};

template <std::size_t N>
constexpr std::array<std::int16_t, N> allMinusOne()
{
    std::array<std::int16_t, N> values{};
    values.fill(-1);
    return values;
}

// A board's settings record: option name, axis sub-records and the I/O flags. `IoInverted` and
// `IoInput` are indexed from 0 here (entry k-1 holds I/O bit k).
template <class AxisSettings, std::size_t AxisCount, std::size_t IoCount>
struct BoardSettings {
    using AxisType = AxisSettings;
    static constexpr std::size_t kAxisCount = AxisCount;
    static constexpr std::size_t kIoCount = IoCount;
    static constexpr std::size_t kPackedSize =
        FixedName::kLength + AxisCount * AxisSettings::kPackedSize + 2 * IoCount * sizeof(std::int16_t);

    FixedName Name;
    std::array<AxisSettings, AxisCount> Axis{};
    std::array<std::int16_t, IoCount> IoInverted = allMinusOne<IoCount>();
    std::array<std::int16_t, IoCount> IoInput = allMinusOne<IoCount>();

    // Axis a counted from 1; nullptr outside 1..AxisCount.
    AxisSettings* axis(int a) { return validAxis(a) ? &Axis[static_cast<std::size_t>(a - 1)] : nullptr; }
    const AxisSettings* axis(int a) const { return validAxis(a) ? &Axis[static_cast<std::size_t>(a - 1)] : nullptr; }

    template <class Io, class Self>
    static void transfer(Io& io, Self& s)
    {
        io(s.Name);
        for (auto& a : s.Axis) {
            AxisSettings::transfer(io, a);
        }
        io(s.IoInverted, s.IoInput);
    }
    friend bool operator==(const BoardSettings&, const BoardSettings&) = default;

private:
    static constexpr bool validAxis(int a) { return a >= 1 && a <= static_cast<int>(AxisCount); }
};

// The stepper records end with the board's step-output choices.
template <class AxisSettings, std::size_t AxisCount>
struct StepperBoardSettings : BoardSettings<AxisSettings, AxisCount, 6> {
    using Base = BoardSettings<AxisSettings, AxisCount, 6>;
    static constexpr std::size_t kPackedSize = Base::kPackedSize + 3 * sizeof(std::int16_t);

    std::int16_t InhibitInverted = -1;
    std::int16_t OutputInverted = -1;
    std::int16_t StepDirMode = -1;

    template <class Io, class Self>
    static void transfer(Io& io, Self& s)
    {
        Base::transfer(io, s);
        io(s.InhibitInverted, s.OutputInverted, s.StepDirMode);
    }
    friend bool operator==(const StepperBoardSettings&, const StepperBoardSettings&) = default;
};

using ServoSettings = BoardSettings<ServoAxisSettings, 3, 6>;
using Servo4Settings = BoardSettings<ServoAxisSettings, 4, 8>;
using OpenLoopSettings = StepperBoardSettings<StepperAxisSettings, 3>;
using OpenLoop4Settings = StepperBoardSettings<StepperAxisSettings, 4>;
using ClosedLoopSettings = StepperBoardSettings<ClosedLoopAxisSettings, 3>;
using ClosedLoop4Settings = StepperBoardSettings<ClosedLoopAxisSettings, 4>;

static_assert(ServoSettings::kPackedSize == 176);
static_assert(Servo4Settings::kPackedSize == 224);
static_assert(OpenLoopSettings::kPackedSize == 110);
static_assert(OpenLoop4Settings::kPackedSize == 126);
static_assert(ClosedLoopSettings::kPackedSize == 146);
static_assert(ClosedLoop4Settings::kPackedSize == 174);

// True for the four stepper record types, which carry the step-output fields.
template <class Record>
concept StepperRecord = requires(Record r) { r.StepDirMode; };

// The packed file form of a record (or axis sub-record).
template <class Record>
RecordBytes packRecord(const Record& record)
{
    RecordBytes bytes;
    bytes.reserve(Record::kPackedSize);
    RecordWriter writer(bytes);
    Record::transfer(writer, record);
    return bytes;
}

// A record from its packed form; none when the bytes are not exactly one record.
template <class Record>
std::optional<Record> unpackRecord(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() != Record::kPackedSize) {
        return std::nullopt;
    }
    Record record;
    RecordReader reader(bytes);
    Record::transfer(reader, record);
    if (!reader.consumedExactly()) {
        return std::nullopt;
    }
    return record;
}

} // namespace tarvik
