#pragma once

#include "forms/runtime/Control.h"

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
    // The items of this menu, in declaration order.
    std::vector<MenuItem*> items() const;
    bool isSeparator() const { return caption_ == "-"; }

private:
    std::string caption_;
    bool checked_ = false;
};

} // namespace tarvik
