#include "common/FocusBackToStart.h"

#include "runtime/FormRuntime.h"

#include <algorithm>

namespace tarvik {

FocusBackToStart::FocusBackToStart(CommandButton& start, std::initializer_list<const CommandButton*> stops)
    : start_(start)
{
    const Control* focused = start.form().activeControl();
    onStop_ = std::find(stops.begin(), stops.end(), focused) != stops.end();
}

void FocusBackToStart::apply() const
{
    if (onStop_) start_.setFocusWithinForm();
}

} // namespace tarvik
