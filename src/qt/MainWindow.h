#pragma once

#include "qt/FormFrame.h"

#include <QMainWindow>

#include <memory>

class QMdiArea;
class QVBoxLayout;

namespace tarvik {

class MenuBarMirror;

// The program's main window: the main form's menu bar, a strip for the main form's own controls
// (empty for a plain multiple-document window) and the area the modeless child forms live in.
class MainWindow final : public FormFrame<QMainWindow> {
public:
    explicit MainWindow(InputBridge& bridge);
    ~MainWindow() override;

    QMdiArea& mdiArea() const { return *mdi_; }
    MenuBarMirror& menus() const { return *menus_; }

    // The main form takes the window: its caption, menus and surface.
    void bind(Form& form, QWidget& surface);
    void unbind();
    // The strip is as high as the lowest of the main form's visible controls.
    void fitStrip();

    // Another application has the keyboard, taken after one of the program's windows had it: a
    // window the program opens on its own then leaves it there. While the program starts, before
    // it first has the keyboard, its windows take it as a started program's do.
    bool inBackground() const;

protected:
    // F1 that no child window's control took (the bare main window has the focus) asks for the
    // main form's help.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The child windows' keys: Ctrl+F4 and Ctrl+W close the active child window as its close box does,
    // Ctrl+Tab and Ctrl+Shift+Tab activate the next or the previous one (backdrops excepted).
    void addChildWindowKeys();
    void activateNeighbour(int step);
    void closeActiveChild();

    QMdiArea* mdi_;
    QWidget* strip_;
    QVBoxLayout* stripLayout_;
    QWidget* surface_ = nullptr;
    std::unique_ptr<MenuBarMirror> menus_;
    bool hadKeyboard_ = false;
};

} // namespace tarvik
