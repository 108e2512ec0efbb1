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
// captions with their "&" access keys, Enabled, Visible and Checked; an item an input hold keeps
// from the user shows disabled until the hold ends. Opening a menu opens it in
// the runtime (its Click) and choosing an item picks it there. A menu's items are made the first
// time it opens, so that the start-up builds the bar alone. Property changes update the items made
// in place; new control-array elements rebuild the bar (the old menus are deleted later, so a menu
// that is still executing survives).
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
    // An input hold began or ended: every item made shows whether the user can choose it now.
    void reachChanged();
    // The Qt action standing for a menu item, nullptr when it has none; the menus holding it are
    // filled first if they never opened.
    QAction* actionOf(const MenuItem& item);

private:
    void discard();
    void add(MenuItem& item, QWidget& into, QObject& owner);
    // Makes the items of a menu that has not opened before.
    void fill(QMenu& menu);
    QAction* made(const MenuItem& item) const;
    void mirror(const MenuItem& item, QAction& action) const;

    QMenuBar& bar_;
    InputBridge& bridge_;
    std::unordered_map<const MenuItem*, QAction*> actions_;
    std::vector<QPointer<QMenu>> menus_;
    // The menus not opened yet, with the item each stands for.
    std::unordered_map<const QMenu*, MenuItem*> unfilled_;
    QPointer<QObject> owner_; // owns the actions standing directly in the bar
};

} // namespace tarvik
