#include "runtime/MenuItem.h"

#include "runtime/Form.h"

#include <stdexcept>

namespace tarvik {

MenuItem::MenuItem(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::Menu), caption_(std::move(design.caption))
{
    if (container() && container()->kind() != ControlKind::Menu)
        throw std::invalid_argument("menu item " + this->name() + " must stand in a menu");
}

void MenuItem::setCaption(std::string caption) { assign(caption_, std::move(caption), Property::Caption); }
void MenuItem::setChecked(bool checked) { assign(checked_, checked, Property::Checked); }

MenuItem* MenuItem::parentMenu() const { return static_cast<MenuItem*>(container()); }

std::vector<MenuItem*> MenuItem::items() const
{
    std::vector<MenuItem*> children;
    for (Control* control : form().controls())
        if (control->container() == this && control->kind() == ControlKind::Menu)
            children.push_back(static_cast<MenuItem*>(control));
    return children;
}

int MenuItem::position() const
{
    int position = 0;
    for (const Control* control : form().controls()) {
        if (control == this) break;
        if (control->kind() == ControlKind::Menu && control->container() == container()) ++position;
    }
    return position;
}

} // namespace tarvik
