#pragma once

#include "app/InstanceLock.h"
#include "app/StartUp.h"
#include "forms/runtime/FormRuntime.h"

#include <memory>
#include <string_view>
#include <vector>

namespace tarvik {

class App;

// The main window: the menu bar of the whole program and, in Form_Load, the start-up. Unloading
// it ends the program. Created by startProgram.
class mditarvik : public Form {
public:
    mditarvik(App& app, StartOptions options);

    // A menu or item of the menu bar by name; nullptr when there is none.
    MenuItem* menu(std::string_view name) const;
    // True when the item's window is part of the program (its action exists).
    bool hasAction(std::string_view name) const;

    // The Initialize Board items, one per board ID 0..7.
    ControlArray<MenuItem> bidmu{this, "bidmu"};

private:
    struct Item {
        std::unique_ptr<MenuItem> control;
        void (*action)(App&);
    };

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, UnloadReason reason) override;
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
