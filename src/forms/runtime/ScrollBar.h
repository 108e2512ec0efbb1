#pragma once

#include "forms/runtime/Control.h"

namespace tarvik {

// A scroll bar or spinner. Value stays between Min and Max (Min may be the larger one); writing
// a value clamps it, and a change of Value raises Change. The up/left arrow steps towards Min by
// SmallChange, the down/right arrow towards Max; Page keys step by LargeChange.
class ScrollBar : public Control {
public:
    enum class Orientation { Horizontal, Vertical };

    ScrollBar(Form* form, std::string name, Design design = {}, Orientation orientation = Orientation::Vertical);

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
    void setLargeChange(int change);
    // Moves Value by `steps` small changes, negative towards Min.
    void step(int steps);

    bool canFocus() const override { return true; }

private:
    void keyNavigate(int keyCode, int shift) override;
    void userClick() override {}
    int clamped(long long value) const;

    Orientation orientation_;
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

} // namespace tarvik
