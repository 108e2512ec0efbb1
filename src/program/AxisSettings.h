#pragma once

#include "base/NumberText.h"
#include "program/SettingsTables.h"

#include <cstdint>
#include <optional>

namespace tarvik {

// One field of an axis sub-record, by name. A group's records hold a subset of them: the servo
// records have no StepsPerRev, the stepper records no PropGain, and so on.
enum class AxisField {
    StepsPerRev,
    LinesPerRev,
    EncoderLines,
    FollowingError,
    RefOffset,
    FindRpm,
    HomeReverse,
    IndexReverse,
    ClosedLoop,
    StopMode,
    PropGain,
    IntgGain,
    DerivGain,
    DerivPeriod,
    IntgLimit,
};

// Calls `use` with the field of an axis sub-record, typed as the record holds it (16-bit,
// 32-bit or double); false, and `use` not called, when the sub-record has no such field.
template <class Axis, class Use>
bool withAxisField(Axis& a, AxisField field, Use&& use)
{
    bool found = false;
    const auto call = [&](auto& f) {
        use(f);
        found = true;
    };
    switch (field) {
    case AxisField::StepsPerRev:
        if constexpr (requires { a.StepsPerRev; }) call(a.StepsPerRev);
        break;
    case AxisField::LinesPerRev:
        if constexpr (requires { a.LinesPerRev; }) call(a.LinesPerRev);
        break;
    case AxisField::EncoderLines:
        if constexpr (requires { a.EncoderLines; }) call(a.EncoderLines);
        break;
    case AxisField::FollowingError:
        if constexpr (requires { a.FollowingError; }) call(a.FollowingError);
        break;
    case AxisField::RefOffset:
        if constexpr (requires { a.RefOffset; }) call(a.RefOffset);
        break;
    case AxisField::FindRpm:
        call(a.FindRpm);
        break;
    case AxisField::HomeReverse:
        call(a.HomeReverse);
        break;
    case AxisField::IndexReverse:
        if constexpr (requires { a.IndexReverse; }) call(a.IndexReverse);
        break;
    case AxisField::ClosedLoop:
        if constexpr (requires { a.ClosedLoop; }) call(a.ClosedLoop);
        break;
    case AxisField::StopMode:
        call(a.StopMode);
        break;
    case AxisField::PropGain:
        if constexpr (requires { a.PropGain; }) call(a.PropGain);
        break;
    case AxisField::IntgGain:
        if constexpr (requires { a.IntgGain; }) call(a.IntgGain);
        break;
    case AxisField::DerivGain:
        if constexpr (requires { a.DerivGain; }) call(a.DerivGain);
        break;
    case AxisField::DerivPeriod:
        if constexpr (requires { a.DerivPeriod; }) call(a.DerivPeriod);
        break;
    case AxisField::IntgLimit:
        if constexpr (requires { a.IntgLimit; }) call(a.IntgLimit);
        break;
    }
    return found;
}

// The value of a field of an axis sub-record; nothing when the sub-record has no such field.
template <class Axis>
std::optional<double> axisFieldValue(const Axis& a, AxisField field)
{
    std::optional<double> value;
    withAxisField(a, field, [&](const auto& f) { value = static_cast<double>(f); });
    return value;
}

// The outcome of storing a value into a field.
enum class Stored {
    Exactly,     // the field holds the value (whole numbers rounded, halves to even)
    AtLimit,     // the value did not fit the field's type: the field holds the nearer limit
    NoSuchField, // nothing was stored
};

namespace detail {

inline bool storeWithin(std::int16_t& field, double value)
{
    field = toInt16Saturated(value);
    return toInt16(value).has_value();
}
inline bool storeWithin(std::int32_t& field, double value)
{
    field = toInt32Saturated(value);
    return toInt32(value).has_value();
}
inline bool storeWithin(double& field, double value)
{
    field = value;
    return true;
}

} // namespace detail

// Stores `value` into a field of an axis sub-record, within the field's type.
template <class Axis>
Stored storeAxisField(Axis& a, AxisField field, double value)
{
    bool fits = true;
    if (!withAxisField(a, field, [&](auto& f) { fits = detail::storeWithin(f, value); })) return Stored::NoSuchField;
    return fits ? Stored::Exactly : Stored::AtLimit;
}

// A board's settings: the axis sub-record of its record in the table of its type code's group.
// Each answers nothing (or NoSuchField) for a type code without a group, a board ID outside
// 0..7, an axis the record does not have, or a field its sub-record does not hold.
std::optional<double> axisSetting(const SettingsTables& tables, int typeCode, int board, int axis, AxisField field);
Stored setAxisSetting(SettingsTables& tables, int typeCode, int board, int axis, AxisField field, double value);

} // namespace tarvik
