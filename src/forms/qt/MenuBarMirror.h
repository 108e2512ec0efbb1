#pragma once

#include <QPointer>

#include <unordered_map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace tarvik {

class Form;
class InputBridge;
class MenuItem;

// The menu bar of the main window, built from a form's menu items: nested menus, separators,
// captions with their "&" access keys, Enabled, Visible and Checked. Opening a menu opens it in
// the runtime (its Click) and choosing an item picks it there. Property changes update the items
// in place; new control-array elements rebuild the bar (the old menus are deleted later, so a
// menu that is still executing survives).
class MenuBarMirror {
public:
    MenuBarMirror(QMenuBar& bar, InputBridge& bridge);
    MenuBarMirror(const MenuBarMirror&) = delete;
    MenuBarMirror& operator=(const MenuBarMirror&) = delete;
    ~MenuBarMirror();

    // Fills the bar with the form's menus; nullptr empties it.
    void build(Form* form);
    // One item's caption, state or check mark changed.
    void changed(const MenuItem& item);
    // The Qt action standing for a menu item, nullptr when it has none.
    QAction* actionOf(const MenuItem& item) const;

private:
    void discard();
    void add(MenuItem& item, QWidget& into, QObject& owner);
    void mirror(const MenuItem& item, QAction& action) const;

    QMenuBar& bar_;
    InputBridge& bridge_;
    std::unordered_map<const MenuItem*, QAction*> actions_;
    std::vector<QPointer<QMenu>> menus_;
    QPointer<QObject> owner_; // owns the actions standing directly in the bar
};

} // namespace tarvik
