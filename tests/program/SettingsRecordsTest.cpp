#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <string>
#include <variant>
#include <vector>

#include "kit/ScratchDirectory.h"
#include "program/SettingsRecords.h"

namespace tarvik::testing {
namespace {

using testing::le16;
using testing::le32;

double leDouble(const RecordBytes& bytes, std::size_t offset)
{
    std::uint64_t raw = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        raw |= std::uint64_t{bytes.at(offset + i)} << (8 * i);
    }
    return std::bit_cast<double>(raw);
}

// Offsets of the bytes in which two packings differ.
std::vector<std::size_t> changedOffsets(const RecordBytes& before, const RecordBytes& after)
{
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] != after[i]) {
            changed.push_back(i);
        }
    }
    return changed;
}

template <class Record>
void expectOnlyChangedWithin(const Record& base, const Record& modified, std::size_t offset, std::size_t width)
{
    for (std::size_t i : changedOffsets(packRecord(base), packRecord(modified))) {
        EXPECT_TRUE(i >= offset && i < offset + width) << "byte " << i << " changed outside " << offset;
    }
}

template <class Axis>
using FieldPtr = std::variant<std::int16_t Axis::*, std::int32_t Axis::*, double Axis::*>;

template <class Axis>
struct FieldAt {
    const char* name;
    std::size_t offset;
    FieldPtr<Axis> field;
};

template <class T>
T distinctive()
{
    if constexpr (std::is_same_v<T, double>) {
        return -1234.5625;
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return 0x12345678;
    } else {
        return 0x1234;
    }
}

// Gives one field a distinctive value and checks that exactly it lands at its offset.
template <class Axis>
void expectFieldAt(const FieldAt<Axis>& at)
{
    SCOPED_TRACE(at.name);
    const Axis base;
    Axis modified;
    std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(modified.*member)>;
            const T value = distinctive<T>();
            modified.*member = value;
            const RecordBytes bytes = packRecord(modified);
            ASSERT_EQ(bytes.size(), Axis::kPackedSize);
            if constexpr (std::is_same_v<T, double>) {
                EXPECT_EQ(leDouble(bytes, at.offset), value);
            } else if constexpr (std::is_same_v<T, std::int32_t>) {
                EXPECT_EQ(le32(bytes, at.offset), value);
            } else {
                EXPECT_EQ(le16(bytes, at.offset), value);
            }
            expectOnlyChangedWithin(base, modified, at.offset, sizeof(T));
        },
        at.field);
}

TEST(SettingsRecords, ServoAxisFieldsLieAtTheirOffsets)
{
    using A = ServoAxisSettings;
    const std::vector<FieldAt<A>> fields = {
        {"EncoderLines", 0, &A::EncoderLines}, {"LimitEnableBits", 2, &A::LimitEnableBits},
        {"ReverseLimitInverted", 4, &A::ReverseLimitInverted}, {"HomeInverted", 6, &A::HomeInverted},
        {"ForwardLimitInverted", 8, &A::ForwardLimitInverted}, {"PropGain", 10, &A::PropGain},
        {"IntgGain", 12, &A::IntgGain}, {"DerivGain", 14, &A::DerivGain}, {"DerivPeriod", 16, &A::DerivPeriod},
        {"IntgLimit", 18, &A::IntgLimit}, {"FindRpm", 20, &A::FindRpm}, {"HomeReverse", 28, &A::HomeReverse},
        {"IndexReverse", 30, &A::IndexReverse}, {"RefOffset", 32, &A::RefOffset},
        {"FollowingError", 34, &A::FollowingError}, {"StopMode", 38, &A::StopMode},
    };
    EXPECT_EQ(packRecord(A{}).size(), 40u);
    for (const auto& field : fields) {
        expectFieldAt(field);
    }
}

TEST(SettingsRecords, StepperAxisFieldsLieAtTheirOffsets)
{
    using A = StepperAxisSettings;
    const std::vector<FieldAt<A>> fields = {
        {"StepsPerRev", 0, &A::StepsPerRev}, {"LimitEnableBits", 2, &A::LimitEnableBits},
        {"ReverseLimitInverted", 4, &A::ReverseLimitInverted}, {"HomeInverted", 6, &A::HomeInverted},
        {"ForwardLimitInverted", 8, &A::ForwardLimitInverted}, {"FindRpm", 10, &A::FindRpm},
        {"HomeReverse", 12, &A::HomeReverse}, {"StopMode", 14, &A::StopMode},
    };
    EXPECT_EQ(packRecord(A{}).size(), 16u);
    for (const auto& field : fields) {
        expectFieldAt(field);
    }
}

TEST(SettingsRecords, ClosedLoopAxisFieldsLieAtTheirOffsets)
{
    using A = ClosedLoopAxisSettings;
    const std::vector<FieldAt<A>> fields = {
        {"StepsPerRev", 0, &A::StepsPerRev}, {"LimitEnableBits", 2, &A::LimitEnableBits},
        {"ReverseLimitInverted", 4, &A::ReverseLimitInverted}, {"HomeInverted", 6, &A::HomeInverted},
        {"ForwardLimitInverted", 8, &A::ForwardLimitInverted}, {"FindRpm", 10, &A::FindRpm},
        {"HomeReverse", 12, &A::HomeReverse}, {"LinesPerRev", 14, &A::LinesPerRev},
        {"IndexReverse", 16, &A::IndexReverse}, {"RefOffset", 18, &A::RefOffset},
        {"FollowingError", 20, &A::FollowingError}, {"ClosedLoop", 24, &A::ClosedLoop}, {"StopMode", 26, &A::StopMode},
    };
    EXPECT_EQ(packRecord(A{}).size(), 28u);
    for (const auto& field : fields) {
        expectFieldAt(field);
    }
}

// The layout of a whole record, written out as numbers.
struct Layout {
    std::size_t size;
    std::size_t axisSize;
    int axes;
    std::size_t ioCount;
    std::size_t ioInvertedAt;
    std::size_t stepOutputAt;   // 0: no step-output fields
};

template <class Record>
void expectLayout(const Layout& layout)
{
    const Record base;
    EXPECT_EQ(packRecord(base).size(), layout.size);

    Record named = base;
    named.Name = FixedName("Lathe X");
    const RecordBytes nameBytes = packRecord(named);
    EXPECT_EQ(std::string(nameBytes.begin(), nameBytes.begin() + 32), "Lathe X" + std::string(25, ' '));
    expectOnlyChangedWithin(base, named, 0, 32);

    for (int a = 1; a <= layout.axes; ++a) {
        SCOPED_TRACE("axis " + std::to_string(a));
        Record modified = base;
        const std::size_t at = 32 + static_cast<std::size_t>(a - 1) * layout.axisSize;
        modified.axis(a)->LimitEnableBits = 0x0705;   // second field of every sub-record
        modified.axis(a)->StopMode = 0x0302;          // last field of every sub-record
        const RecordBytes bytes = packRecord(modified);
        EXPECT_EQ(le16(bytes, at + 2), 0x0705);
        EXPECT_EQ(le16(bytes, at + layout.axisSize - 2), 0x0302);
        expectOnlyChangedWithin(base, modified, at, layout.axisSize);
    }
    EXPECT_EQ(base.axis(0), nullptr);
    EXPECT_EQ(base.axis(layout.axes + 1), nullptr);

    for (std::size_t k = 0; k < layout.ioCount; ++k) {
        Record modified = base;
        modified.IoInverted[k] = 0x0111;
        modified.IoInput[k] = 0x0222;
        const RecordBytes bytes = packRecord(modified);
        const std::size_t inverted = layout.ioInvertedAt + 2 * k;
        const std::size_t input = layout.ioInvertedAt + 2 * layout.ioCount + 2 * k;
        EXPECT_EQ(le16(bytes, inverted), 0x0111) << k;
        EXPECT_EQ(le16(bytes, input), 0x0222) << k;
        EXPECT_EQ(changedOffsets(packRecord(base), bytes),
                  (std::vector<std::size_t>{inverted, inverted + 1, input, input + 1}));
    }

    if constexpr (StepperRecord<Record>) {
        Record modified = base;
        modified.InhibitInverted = 0x0101;
        modified.OutputInverted = 0x0202;
        modified.StepDirMode = 0x0303;
        const RecordBytes bytes = packRecord(modified);
        EXPECT_EQ(le16(bytes, layout.stepOutputAt), 0x0101);
        EXPECT_EQ(le16(bytes, layout.stepOutputAt + 2), 0x0202);
        EXPECT_EQ(le16(bytes, layout.stepOutputAt + 4), 0x0303);
        EXPECT_EQ(layout.stepOutputAt + 6, layout.size);
    } else {
        EXPECT_EQ(layout.stepOutputAt, 0u);
    }
}

TEST(SettingsRecords, RecordLayoutsArePinned)
{
    expectLayout<ServoSettings>({176, 40, 3, 6, 152, 0});
    expectLayout<Servo4Settings>({224, 40, 4, 8, 192, 0});
    expectLayout<OpenLoopSettings>({110, 16, 3, 6, 80, 104});
    expectLayout<OpenLoop4Settings>({126, 16, 4, 6, 96, 120});
    expectLayout<ClosedLoopSettings>({146, 28, 3, 6, 116, 140});
    expectLayout<ClosedLoop4Settings>({174, 28, 4, 6, 144, 168});
}

TEST(SettingsRecords, DefaultRecordsHoldTheStartUpValues)
{
    const ServoAxisSettings servo;
    EXPECT_EQ(servo.EncoderLines, 1000);
    EXPECT_EQ(servo.PropGain, 100);
    EXPECT_EQ(servo.IntgGain, 20);
    EXPECT_EQ(servo.DerivGain, 1000);
    EXPECT_EQ(servo.DerivPeriod, 2);
    EXPECT_EQ(servo.IntgLimit, 1000);
    EXPECT_EQ(servo.FindRpm, 500.0);
    EXPECT_EQ(servo.FollowingError, 1000);
    EXPECT_EQ(servo.StopMode, 2);
    EXPECT_EQ(servo.LimitEnableBits, -1);
    EXPECT_EQ(servo.HomeReverse, 0);

    const ClosedLoopAxisSettings closed;
    EXPECT_EQ(closed.StepsPerRev, 2000);
    EXPECT_EQ(closed.LinesPerRev, 500);
    EXPECT_EQ(closed.FindRpm, 100);
    EXPECT_EQ(closed.FollowingError, 100);
    EXPECT_EQ(closed.ClosedLoop, 0);

    const OpenLoop4Settings open;
    EXPECT_EQ(open.Name.text(), std::string(32, ' '));
    EXPECT_EQ(open.Axis[3].StepsPerRev, 2000);
    EXPECT_EQ(open.IoInverted[5], -1);
    EXPECT_EQ(open.IoInput[0], -1);
    EXPECT_EQ(open.StepDirMode, -1);
    EXPECT_EQ(open.OutputInverted, -1);
    EXPECT_EQ(open.InhibitInverted, -1);
}

TEST(SettingsRecords, PackedRecordsReadBackUnchangedAndWrongSizesAreRefused)
{
    ClosedLoop4Settings record;
    record.Name = FixedName("option 7:");
    record.Axis[2].FollowingError = -70000;
    record.Axis[3].RefOffset = -5;
    record.IoInput[4] = 0;
    record.StepDirMode = 0;
    const RecordBytes bytes = packRecord(record);
    EXPECT_EQ(unpackRecord<ClosedLoop4Settings>(bytes), record);

    Servo4Settings servo;
    servo.Axis[0].FindRpm = 123.456;
    EXPECT_EQ(unpackRecord<Servo4Settings>(packRecord(servo)), servo);

    RecordBytes shorter = bytes;
    shorter.pop_back();
    EXPECT_EQ(unpackRecord<ClosedLoop4Settings>(shorter), std::nullopt);
    EXPECT_EQ(unpackRecord<ClosedLoopSettings>(bytes), std::nullopt);
}

TEST(FixedName, PadsCutsAndTrims)
{
    EXPECT_EQ(FixedName("option 1:").text(), "option 1:" + std::string(23, ' '));
    EXPECT_EQ(FixedName("  Lathe  ").trimmed(), "Lathe");
    EXPECT_EQ(FixedName().trimmed(), "");
    EXPECT_EQ(FixedName(std::string(40, 'x')).text(), std::string(32, 'x'));
    // A two-byte character across the 32-byte edge is dropped whole, not split.
    const std::string text = std::string(31, 'a') + "\xC3\xA9" + "b";
    EXPECT_EQ(FixedName(text).text(), std::string(31, 'a') + " ");
}

// A name that arrives already cut inside a character (a box that counted bytes) loses the broken
// character; whole characters of every length stay, up to the last byte.
TEST(FixedName, NeverStoresHalfACharacter)
{
    const std::string euro = "\xE2\x82\xAC";
    const std::string clef = "\xF0\x9D\x84\x9E";
    EXPECT_EQ(FixedName("Gantry \xCE").trimmed(), "Gantry");
    EXPECT_EQ(FixedName("Gantry " + euro.substr(0, 2)).trimmed(), "Gantry");
    EXPECT_EQ(FixedName("Gantry " + clef.substr(0, 3)).trimmed(), "Gantry");
    EXPECT_EQ(FixedName("Gantry " + euro).trimmed(), "Gantry " + euro);
    EXPECT_EQ(FixedName(std::string(28, 'a') + clef).text(), std::string(28, 'a') + clef);
    EXPECT_EQ(FixedName(std::string(29, 'a') + clef).text(), std::string(29, 'a') + "   ");
    EXPECT_EQ(FixedName(std::string(30, 'a') + euro + "z").text(), std::string(30, 'a') + "  ");
}

} // namespace
} // namespace tarvik::testing
