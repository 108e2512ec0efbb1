#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvik {

// The board attributes the Get Motion Board Info dialog offers, in its list's order, with the
// attribute code get_motion_board_info takes and how the value it returns is shown.
enum class InfoShown { Family, Number, Bus, BoardClass, YesNo };

struct InfoAttributeRow {
    std::string_view text;
    std::int16_t attribute;
    InfoShown shown;
};

std::span<const InfoAttributeRow> infoAttributeRows();

// The attribute sent while no row is chosen (text typed into the list), and what a successful
// call shows then. A failed call shows kInternalErrorText without a row, nothing with one.
inline constexpr std::int16_t kNoInfoAttribute = 0;
inline constexpr std::string_view kNoRowValueText = "This is impossible!  Contact Quorvane.";
// A value outside its attribute's meanings, or an attribute chosen by no row.
inline constexpr std::string_view kInternalErrorText = "Internal Software Error";

// The text of `value` returned for the attribute of `row`; a value outside the attribute's
// meanings reads "Internal Software Error".
std::string infoValueText(const InfoAttributeRow& row, std::int32_t value);

} // namespace tarvik
