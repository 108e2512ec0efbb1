#pragma once

#include "mainwindow/InstanceLock.h"
#include "mainwindow/StartUp.h"
#include "program/MenuBar.h"
#include "runtime/FormRuntime.h"

#include <memory>
#include <string_view>
#include <vector>

namespace tarvik {

class App;

// The main window: the menu bar of the whole program and, in Form_Load, the start-up. Unloading
// it ends the program. Created by startProgram. Its items take their actions from the window
// families' tables; the windows reach the menu bar through App::menuBar().
class MainWindowForm : public Form, public MenuBar {
public:
    MainWindowForm(App& app, StartOptions options);
    ~MainWindowForm() override;

    MenuItem* menu(std::string_view name) const override;
    bool hasAction(std::string_view name) const override;
    MenuItem* boardItem(int boardId) const override { return bidmu.find(boardId); }

    // The Initialize Board items, one per board ID 0..7.
    ControlArray<MenuItem> bidmu{this, "bidmu"};

private:
    struct Item {
        std::unique_ptr<MenuItem> control;
        MenuAction action;
    };

    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    bool claimSingleInstance();
    bool readBoardConfiguration();
    void listBoardsInMenu();
    void switchClassMenusOff();

    App& app_;
    StartOptions options_;
    InstanceLock lock_;
    std::vector<Item> items_;
};

} // namespace tarvik
