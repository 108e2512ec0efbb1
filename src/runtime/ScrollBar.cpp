#include "runtime/ScrollBar.h"

#include "runtime/Keys.h"
#include "runtime/TextBox.h"

#include <algorithm>

namespace tarvik {

ScrollBar::ScrollBar(Form* form, std::string name, Design design, Orientation orientation)
    : Control(form, std::move(name), design, ControlKind::ScrollBar), orientation_(orientation)
{
}

ScrollBar::~ScrollBar() { setBuddy(nullptr); }

void ScrollBar::setBuddy(TextBox* box)
{
    if (buddy_) buddy_->spinner_ = nullptr;
    buddy_ = box;
    if (!box) return;
    if (box->spinner_) box->spinner_->buddy_ = nullptr;
    box->spinner_ = this;
    setTabStop(false);
}

int ScrollBar::clamped(long long value) const
{
    return static_cast<int>(std::clamp<long long>(value, std::min(min_, max_), std::max(min_, max_)));
}

void ScrollBar::setMin(int min)
{
    if (!assign(min_, min, Property::Range)) return;
    setValue(value_);
}

void ScrollBar::setMax(int max)
{
    if (!assign(max_, max, Property::Range)) return;
    setValue(value_);
}

void ScrollBar::setValue(int value)
{
    if (assign(value_, clamped(value), Property::Value)) raise(onChange);
}

void ScrollBar::setSmallChange(int change) { assign(smallChange_, std::max(change, 1), Property::Range); }

void ScrollBar::step(int steps)
{
    const long long direction = max_ >= min_ ? 1 : -1;
    setValue(clamped(value_ + direction * steps * smallChange_));
}

void ScrollBar::keyNavigate(int keyCode, int)
{
    const long long direction = max_ >= min_ ? 1 : -1;
    switch (static_cast<Key>(keyCode)) {
    case Key::Up:
    case Key::Left: step(-1); break;
    case Key::Down:
    case Key::Right: step(1); break;
    case Key::PageUp: setValue(clamped(value_ - direction * largeChange_)); break;
    case Key::PageDown: setValue(clamped(value_ + direction * largeChange_)); break;
    case Key::Home: setValue(min_); break;
    case Key::End: setValue(max_); break;
    default: break;
    }
}

} // namespace tarvik
