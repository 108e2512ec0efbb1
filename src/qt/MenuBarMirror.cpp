#include "qt/MenuBarMirror.h"

#include "qt/InputBridge.h"
#include "qt/QtUnits.h"
#include "runtime/Form.h"
#include "runtime/MenuItem.h"
#include "runtime/Runtime.h"
#include "runtime/UserInput.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace tarvik {

MenuBarMirror::MenuBarMirror(QMenuBar& bar, InputBridge& bridge) : bar_(bar), bridge_(bridge) {}

MenuBarMirror::~MenuBarMirror() { discard(); }

void MenuBarMirror::discard()
{
    for (QAction* action : bar_.actions()) bar_.removeAction(action);
    for (auto& menu : menus_)
        if (menu) menu->deleteLater();
    menus_.clear();
    unfilled_.clear();
    if (owner_) owner_->deleteLater();
    actions_.clear();
}

void MenuBarMirror::build(Form* form)
{
    discard();
    if (!form) return;
    owner_ = new QObject();
    for (Control* control : form->controls()) {
        if (control->kind() != ControlKind::Menu || control->container()) continue;
        add(static_cast<MenuItem&>(*control), bar_, *owner_);
    }
}

void MenuBarMirror::add(MenuItem& item, QWidget& into, QObject& owner)
{
    const auto children = item.items();
    QAction* action = nullptr;
    if (children.empty()) {
        action = new QAction(&owner);
        MenuItem* chosen = &item;
        QObject::connect(action, &QAction::triggered, action, [this, chosen, action] {
            auto found = actions_.find(chosen);
            if (found == actions_.end() || found->second != action) return;
            bridge_.userDid([&](UserInput& input) { input.pick(*chosen); });
            // The runtime decides the check mark, not Qt's toggle.
            found = actions_.find(chosen);
            if (found != actions_.end()) mirror(*chosen, *found->second);
        });
    } else {
        auto* menu = new QMenu();
        menus_.emplace_back(menu);
        unfilled_[menu] = &item;
        // The runtime's Click of a menu runs as it opens, before its items are shown.
        MenuItem* opened = &item;
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this, opened, menu] {
            auto found = actions_.find(opened);
            if (found == actions_.end() || found->second != menu->menuAction()) return;
            fill(*menu);
            bridge_.userDid([&](UserInput& input) { input.openMenu(*opened); });
        });
        action = menu->menuAction();
    }
    into.addAction(action);
    actions_[&item] = action;
    mirror(item, *action);
}

void MenuBarMirror::fill(QMenu& menu)
{
    const auto unfilled = unfilled_.find(&menu);
    if (unfilled == unfilled_.end()) return;
    MenuItem& item = *unfilled->second;
    unfilled_.erase(unfilled);
    for (MenuItem* child : item.items()) add(*child, menu, menu);
}

void MenuBarMirror::mirror(const MenuItem& item, QAction& action) const
{
    auto scope = bridge_.mirrorScope();
    action.setSeparator(item.isSeparator());
    // Styles that draw a separator's text show it as a section heading: a separator has none.
    action.setText(item.isSeparator() ? QString() : toQString(item.caption()));
    action.setEnabled(item.enabled() && !bridge_.runtime().keptFromUser(item));
    action.setVisible(item.visible());
    if (action.menu()) return;
    action.setCheckable(item.checked());
    action.setChecked(item.checked());
}

// An item not made yet takes its state when its menu first opens.
void MenuBarMirror::changed(const MenuItem& item)
{
    if (QAction* action = made(item)) mirror(item, *action);
}

void MenuBarMirror::reachChanged()
{
    for (const auto& [item, action] : actions_) mirror(*item, *action);
}

QAction* MenuBarMirror::made(const MenuItem& item) const
{
    auto found = actions_.find(&item);
    return found == actions_.end() ? nullptr : found->second;
}

QAction* MenuBarMirror::actionOf(const MenuItem& item)
{
    if (QAction* action = made(item)) return action;
    const MenuItem* parent = item.parentMenu();
    QAction* holder = parent ? actionOf(*parent) : nullptr;
    if (!holder || !holder->menu()) return nullptr;
    fill(*holder->menu());
    return made(item);
}

} // namespace tarvik
