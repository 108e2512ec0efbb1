#pragma once

#include "common/RangeChecks.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

class App;
class TextBox;

// Entry fields: the text boxes a user types numbers into. Every window declares its fields with
// a FieldRule and lets an EntryField run them, so that keys, checks, leaving and valid flags
// behave alike in the command dialogs, the wizards and Load PID All.

// Key sets of entry fields.
inline constexpr std::string_view kUnsignedKeys = "0123456789";
inline constexpr std::string_view kSignedKeys = "+-0123456789";
inline constexpr std::string_view kDecimalKeys = ".0123456789";

// The range check a field's Change runs (common/RangeChecks.h).
enum class FieldCheck {
    ValidateInteger,
    ValidateDouble,
    ValidateDoubleOrBlank,
    ValidateHex,
    ClampInteger,
    ClampLong,
    ClampDouble,
};

// What leaving a field does.
enum class FieldLeaving {
    Keep,      // nothing
    Whole,     // NormalizeWhole: the text becomes its whole number
    Decimal,   // NormalizeDecimal: the text becomes its decimal form
    Recheck,   // the field's check runs again on the text as it stands
    ClampLong, // a silent clamp to the bounds (ClampRangeLong)
};

struct FieldBounds {
    double min = 0;
    double max = 0;
};

// What one entry field (or a column of them, one per axis) is.
struct FieldRule {
    std::string_view keys = kUnsignedKeys; // the characters a keystroke may add; empty: every key
    FieldCheck check = FieldCheck::ValidateInteger;
    FieldBounds bounds{};
    FieldLeaving leaving = FieldLeaving::Whole;
    bool selectOnFocus = true; // entering the field selects its whole text
    // A sign ("+" or "-") may stand only as the first character: a keystroke that would put one
    // anywhere else is dropped, and a text that holds one elsewhere (pasted) is not valid, so
    // that "5-" or "--" never reach a command as 5 or 0.
    bool signFirstOnly = false;
    // Change only reads the text: its check runs with RangeTest::Off (no range test, no message,
    // no rewrite), so the field counts as valid only once leaving it has run the full check
    // (FieldLeaving::Recheck).
    bool quietChange = false;
};

// Runs the range check `check` on the box with the bounds; returns the field's valid flag.
// Bounds outside a whole-number check's type are brought to the type's limits.
std::int16_t CheckField(App& app, TextBox& box, FieldCheck check, FieldBounds bounds, RangeTest test = RangeTest::On);

// A text box run by its rule. It takes over the box's KeyPress (the key set; Enter passes, and
// does what leaving does when `enterLeaves` is set), GotFocus (`entered`, then the text selected
// when the rule says so), Change (the check into the valid flag) and, unless the rule keeps the
// text, LostFocus (what leaving does). After every check `checked` runs: the window's rule for
// its Run or Initialize button. The window keeps the box's other events (KeyDown, Click).
class EntryField {
public:
    EntryField(App& app, TextBox& box, const FieldRule& rule);
    EntryField(const EntryField&) = delete;
    EntryField& operator=(const EntryField&) = delete;

    TextBox& box() const { return box_; }
    const FieldRule& rule() const { return rule_; }

    // 1 when the last check found a value, 0 when it found none (or before any check).
    std::int16_t valid() const { return valid_; }
    void setValid(std::int16_t valid) { valid_ = valid; }

    // Runs the check on the text as it stands, with the bounds of the moment; then `checked`.
    void check();
    // Puts a text the program chose into the box: the check its Change runs makes no range test
    // (no message, no rewrite), as for a field that only reads its text as it changes.
    void writeQuietly(std::string text);
    // What leaving the field does; a spinner beside the box calls it when it loses the focus.
    void leave();

    // Runs first when the field takes the focus (a dialog empties its status box).
    std::function<void()> entered;
    // Bounds that follow the window's state (the selected board's axes or type). Nothing means
    // no value can be valid yet: the flag is 0 and no check is made. Without it, the rule's.
    std::function<std::optional<FieldBounds>()> boundsNow;
    // Runs after every check; once for one edit: when the check rewrote the text and the nested
    // check of the new text already ran it with the same flag, it does not run again.
    std::function<void()> checked;
    // Enter does what leaving does.
    bool enterLeaves = false;

private:
    // Runs `check` with the bounds of the moment (none: flag 0 without a check), then `checked`.
    void settleWith(FieldCheck check, RangeTest test = RangeTest::On);

    App& app_;
    TextBox& box_;
    FieldRule rule_;
    std::int16_t valid_ = 0;
    // True while writeQuietly puts its text in.
    bool writingQuietly_ = false;
    // How often `checked` has run, and the flag it last ran with.
    unsigned checkedRuns_ = 0;
    std::int16_t lastCheckedValid_ = 0;
};

} // namespace tarvik
