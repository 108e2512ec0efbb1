#pragma once

#include "runtime/Control.h"

namespace tarvik {

class TextBox;

// A scroll bar or spinner. Value stays between Min and Max (Min may be the larger one); writing
// a value clamps it, and a change of Value raises Change. The up/left arrow steps towards Min by
// SmallChange, the down/right arrow towards Max; Page keys step by LargeChange.
class ScrollBar : public Control {
public:
    enum class Orientation { Horizontal, Vertical };

    ScrollBar(Form* form, std::string name, Design design = {}, Orientation orientation = Orientation::Vertical);
    ~ScrollBar() override;

    Orientation orientation() const { return orientation_; }
    int min() const { return min_; }
    void setMin(int min);
    int max() const { return max_; }
    void setMax(int max);
    int value() const { return value_; }
    void setValue(int value);
    int smallChange() const { return smallChange_; }
    void setSmallChange(int change);
    int largeChange() const { return largeChange_; }
    // Moves Value by `steps` small changes, negative towards Min.
    void step(int steps);

    // The text box a spinner belongs to (nullptr: none, or it is gone). A spinner with a buddy is
    // part of its box for the keyboard: Tab passes over the spinner (setting a buddy turns its
    // TabStop off), and Up and Down typed in the box step the spinner as its own arrows do. A
    // click still focuses the spinner itself.
    TextBox* buddy() const { return buddy_; }
    void setBuddy(TextBox* box);

    bool canFocus() const override { return true; }

private:
    void keyNavigate(int keyCode, int shift) override;
    void userClick() override {}
    int clamped(long long value) const;

    friend class TextBox;

    Orientation orientation_;
    TextBox* buddy_ = nullptr;
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

} // namespace tarvik
