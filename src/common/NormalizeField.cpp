#include "common/NormalizeField.h"

#include "base/NumberText.h"
#include "runtime/TextBox.h"

#include <cmath>

namespace tarvik {

void NormalizeWhole(TextBox& box)
{
    // Beyond this magnitude the text is kept as typed: it may hold more digits than a whole
    // 32-bit number can show, and the field's own check deals with it.
    constexpr double kLargestRewritten = 2100000000.0;
    const double value = valueOf(box.text());
    if (std::fabs(value) >= kLargestRewritten) return;
    box.setText(strTrimmed(toInt32Saturated(value)));
}

void NormalizeDecimal(TextBox& box) { box.setText(strTrimmed(valueOf(box.text()))); }

} // namespace tarvik
