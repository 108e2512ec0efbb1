#include "program/HelpTopics.h"

#include <algorithm>
#include <array>

namespace tarvik {

namespace {

// Every window and its topic, sorted by form name. Windows that share a help page share a number.
constexpr std::array<WindowHelpTopic, 99> kTopics{{
    {"Frm71", 89},
    {"Frm72", 101},
    {"Frm72c", 106},
    {"GetBInfo", 59},
    {"GetBName", 60},
    {"frm42", 91},
    {"frm42ret", 91},
    {"frm45", 102},
    {"frm46", 51},
    {"frm47", 90},
    {"frm47ret", 90},
    {"frm48", 118},
    {"frm49", 86},
    {"frm4C", 347},
    {"frm4D", 345},
    {"frm4E", 330},
    {"frm4Fs", 332},
    {"frm50", 341},
    {"frm53", 92},
    {"frm53ret", 331},
    {"frm54rets", 334},
    {"frm54s", 96},
    {"frm55", 348},
    {"frm56s", 354},
    {"frm57", 364},
    {"frm57s", 353},
    {"frm58", 349},
    {"frm59", 367},
    {"frm59ret", 366},
    {"frm59s", 350},
    {"frm5A", 365},
    {"frm5As", 351},
    {"frm5Bs", 352},
    {"frm5C", 344},
    {"frm5D", 117},
    {"frm5F", 48},
    {"frm5b", 360},
    {"frm60", 54},
    {"frm61", 343},
    {"frm62", 336},
    {"frm63", 362},
    {"frm63s", 339},
    {"frm64s", 340},
    {"frm65", 71},
    {"frm66", 50},
    {"frm67", 359},
    {"frm68", 356},
    {"frm69", 355},
    {"frm6A", 357},
    {"frmAdjustVel", 361},
    {"frmFindIndex", 56},
    {"frmIOSettings", 321},
    {"frmLimSwSettings", 319},
    {"frmPosToTrig", 53},
    {"frmRotaryCount", 75},
    {"frmScaleSegments", 208},
    {"frmStepOutMode", 320},
    {"frmabout", 305},
    {"frmasksave", 302},
    {"frmaxstat", 338},
    {"frmbadconfig", 306},
    {"frmbreakmod", 65},
    {"frmconfbid", 303},
    {"frmconfinit", 304},
    {"frmerrmsg", 301},
    {"frmfindhmdir", 55},
    {"frmfindhome", 322},
    {"frmfindindx", 323},
    {"frmfrdb", 57},
    {"frminitPelto", 316},
    {"frminitserv", 310},
    {"frminitserv4a", 313},
    {"frminitstcl", 312},
    {"frminitstcl4a", 315},
    {"frminitstol", 311},
    {"frminitstol4a", 314},
    {"frminpos", 342},
    {"frmkillall", 346},
    {"frmldpid", 324},
    {"frmldrpm", 333},
    {"frmldrpsps", 337},
    {"frmloadopt", 317},
    {"frmpicture", 300},
    {"frmprefs", 307},
    {"frmrdbret", 93},
    {"frmreadadc", 85},
    {"frmretrpm", 335},
    {"frmrtcostat", 87},
    {"frmsaveopt", 318},
    {"frmsendcmd", 98},
    {"frmservtest", 202},
    {"frmsteptest", 202},
    {"frmstoreelc", 114},
    {"frmstorespr", 363},
    {"frmxyhome", 55},
    {"frmxyindex", 56},
    {"frmxytable", 218},
    {"mditarvik", 300},
    {"mstrslav", 358},
}};

// The lookup below relies on the order.
static_assert(std::is_sorted(kTopics.begin(), kTopics.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; }));

} // namespace

int helpTopicOf(std::string_view formName)
{
    auto it = std::lower_bound(kTopics.begin(), kTopics.end(), formName,
                               [](const auto& row, std::string_view name) { return row.first < name; });
    return it != kTopics.end() && it->first == formName ? it->second : 0;
}

std::span<const WindowHelpTopic> windowHelpTopics() { return kTopics; }

} // namespace tarvik
