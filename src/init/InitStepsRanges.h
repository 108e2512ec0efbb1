#pragma once

#include <string>

#include "program/SettingsTables.h"

namespace tarvik {

// The values a settings record may hold for the initialisation to send it: counts per
// revolution, following error, gains, sample period, stop mode, limit enables and find velocity
// each within what the boards accept. An option is checked against them before it is saved, and
// a record before a sequence sends it; a loaded option may hold a value outside them, which the
// wizard reports as it fills its boxes.
//
// The first value outside its range, as "axis 2: Steps/Rev is 0, outside 1 to 32767."; empty
// when every value is in range (or the board has no settings record).
std::string FirstValueOutOfRange(const SettingsTables& tables, int typeCode, int boardId);

} // namespace tarvik
