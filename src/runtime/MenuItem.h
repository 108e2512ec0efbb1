#pragma once

#include "runtime/Control.h"

#include <vector>

namespace tarvik {

// A menu item. Items without a parent (Design::container) stand in the form's menu bar; the main
// window owns the program's menu bar. A caption of "-" is a separator.
class MenuItem : public Control {
public:
    MenuItem(Form* form, std::string name, Design design = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    MenuItem* parentMenu() const;
    // The items of this menu, in declaration order (array elements where they were added):
    // the order the menu shows them in.
    std::vector<MenuItem*> items() const;
    // Where the item stands in its menu (the form's menu bar for a top-level item), from 0 in
    // that order; separators and hidden items keep their places and count.
    int position() const;
    bool isSeparator() const { return caption_ == "-"; }

private:
    std::string caption_;
    bool checked_ = false;
};

} // namespace tarvik
