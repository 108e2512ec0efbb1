#pragma once

#include <string>

#include "init/SettingsTables.h"

namespace tarvik {

// The values a settings record may hold for the initialisation to send it: counts per
// revolution, following error, gains, sample period, stop mode, limit enables and find velocity
// each within what the boards accept. Option files are checked against them when an option is
// loaded or saved, and a record is checked again before a sequence sends it.
//
// The first value outside its range, as "axis 2: Steps/Rev is 0, outside 1 to 32767."; empty
// when every value is in range (or the board has no settings record).
std::string FirstValueOutOfRange(const SettingsTables& tables, int typeCode, int boardId);

} // namespace tarvik
