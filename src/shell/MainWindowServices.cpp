#include "shell/MainWindowServices.h"

#include "driver/BoardTypes.h"
#include "program/BoardTable.h"
#include "runtime/MenuItem.h"

namespace tarvik {

namespace {

void enableItem(App& app, std::string_view name, bool enabled)
{
    if (MenuBar* bar = app.menuBar())
        if (MenuItem* item = bar->menu(name)) item->setEnabled(enabled);
}

} // namespace

void OpenChildWindow(Form& form, Opening how)
{
    form.show();
    if (how == Opening::FrontThenRestore) form.zOrder(ZOrder::Front);
    if (how != Opening::ShowOnly && form.isLoaded()) form.setWindowState(WindowState::Normal);
}

void EnableMenusForBoardType(App& app, int typeCode)
{
    const auto boardClass = classOf(typeCode);
    if (!boardClass) return;
    switch (*boardClass) {
    case BoardClass::Servo:
        enableItem(app, kServoMenu, true);
        break;
    case BoardClass::ClosedLoopStepper:
        enableItem(app, kStepperClosedLoopMenu, true);
        enableItem(app, kStepperMenu, true);
        break;
    case BoardClass::OpenLoopStepper:
        enableItem(app, kStepperMenu, true);
        break;
    case BoardClass::Encoder:
        break;
    }
}

void LockPrestoreMenus(App& app, bool locked)
{
    const bool panelOpen = app.state().windows.ServoTestOpen || app.state().windows.StepperTestOpen || app.state().windows.XyDemoOpen;
    if (!locked && panelOpen) return;
    for (std::string_view name : {kBeginPrestoreItem, kEndPrestoreItem}) SwitchMenuItem(app, name, !locked);
}

void SwitchMenuItem(App& app, std::string_view name, bool on)
{
    if (MenuBar* bar = app.menuBar())
        if (MenuItem* item = bar->menu(name)) item->setEnabled(on && bar->hasAction(name));
}

std::string InitializeBoardCaption(App& app, int boardId)
{
    if (MenuBar* bar = app.menuBar())
        if (MenuItem* item = bar->boardItem(boardId)) return item->caption();
    const int type = app.state().boards.typeOf(boardId);
    return BoardMenuCaption(boardId, type);
}

void QuitProgram(App& app)
{
    if (Form* main = app.runtime().mainForm()) main->unload();
}

} // namespace tarvik
