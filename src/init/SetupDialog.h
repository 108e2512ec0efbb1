#pragma once

#include "common/BoardPicker.h"
#include "driver/BoardTypes.h"
#include "driver/MotionDriver.h"
#include "program/App.h"
#include "runtime/FormRuntime.h"
#include "shell/MainWindowServices.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tarvik {

// How a set-up dialog serves the user. From the main window's menu it lists every board of its
// groups and offers "RUN" (no "Set"); for an initialisation wizard it shows the wizard's board
// alone, offers "Set", and offers "RUN" only once that board is initialised.
enum class SetupMode { Menu, Wizard };

// Whether RUN keeps the choice in the settings record before it sends it, or only after the
// board accepted it.
enum class RunOrder { StoreThenSend, SendThenStoreOnSuccess };

// Position and size of a control, in twips.
struct Place {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// What one set-up dialog tells the shared frame: its window, where the shared controls stand,
// which boards it lists from the menu and the handlers it has.
struct SetupDialogDesign {
    FormDesign form;
    std::int16_t menuMask = -1;               // board groups the menu mode lists
    RunOrder runOrder = RunOrder::StoreThenSend;
    Place boardLabel;                          // "Board ID"
    Place boardList;
    Place setButton;
    Place runButton;
    Place cancelButton;
    Place statusBox;
    bool runTakesSetPlaceInMenuMode = false;   // menu mode moves "RUN" to where "Set" stands
    bool clearStatusOnFormClick = true;
    bool clearStatusWhenRunLosesFocus = false;
    bool backgroundToBackOnResize = false;
    bool backgroundToBackOnDeactivate = true;
};

// The frame of the limit-switch, step-output and I/O set-up dialogs: the board list in either
// mode, the loading and edited flags, the Set / RUN / Cancel buttons and their visibility, the
// status box, and the store-and-send of RUN. A dialog adds its choice controls, its layout by
// board type, the copy between its controls and the board's settings record, and its driver
// calls.
//
// The board list is filled as the dialog is shown, for the mode and board it is shown for. An
// open dialog that is shown again for another mode or, in wizard mode, another board loads that
// board and mode afresh, so a choice never lands in the record of a board the dialog no longer
// shows. "Set" and "RUN" act only on a listed board: with none, both are disabled and do nothing.
class SetupDialog : public Form {
public:
    // A wizard shows the dialog for its board, the menu items for the boards of the dialog's
    // groups, each as `how` says. When the dialog was not shown yet since it loaded, or shows
    // another mode, or in wizard mode another board, it is loaded afresh first; otherwise it
    // comes forward as it is.
    void showFor(std::int16_t board, Opening how = Opening::ShowOnly);
    void showFromMenu(Opening how);

    // Wizard mode while the dialog serves a wizard: a closing wizard closes the dialogs still
    // serving it.
    SetupMode mode() const { return mode_; }
    // The board whose record is shown; -1 while none is.
    std::int16_t boardId() const { return boardId_; }
    // True once the user clicked a choice since the record was last loaded or stored.
    bool edited() const { return edited_; }

    Label boardLabel;
    ComboBox bidlist;
    CommandButton cmdOK;
    CommandButton cmdRun;
    CommandButton cmdCancel;
    TextBox msgtxt;

protected:
    SetupDialog(App& app, std::string name, SetupDialogDesign design);

    App& app() const { return app_; }
    // A click on one of the dialog's choices: an edit, unless the record is being loaded.
    void choiceClicked();
    bool loading() const { return loading_; }

    // True when the dialog keeps settings for boards of this type code.
    virtual bool keepsSettingsFor(std::int16_t typeCode) const = 0;
    // Shows the controls that boards of this type code use (any code, -1 included).
    virtual void layoutFor(std::int16_t /*typeCode*/) {}
    // Copies the board's record into the choices; only for a type it keeps settings for.
    virtual void loadSettings(std::int16_t typeCode, std::int16_t board) = 0;
    // Copies the choices into the board's record; only for a type it keeps settings for.
    virtual void storeSettings(std::int16_t typeCode, std::int16_t board) = 0;
    // RUN's driver calls for the board; the status they end with.
    virtual DriverStatus sendSettings(std::int16_t typeCode, std::int16_t board) = 0;

private:
    void Form_Click() override;
    void Form_Resize() override;
    void Form_Deactivate() override;

    void bidlist_Click();
    void bidlist_KeyDown(int keyCode);
    void cmdOK_Click();
    void cmdRun_Click();
    void cmdCancel_Click();
    void clearStatus() { msgtxt.setText(""); }

    void open(SetupMode mode, std::int16_t wizardBoard, Opening how);
    void loadFor(SetupMode mode, std::int16_t wizardBoard);
    void listWizardBoard(std::int16_t board);
    void showNoBoard();
    void loadRecord();
    void store(std::int16_t board);
    void applyRunRule();
    std::int16_t typeOf(std::int16_t board) const;

    App& app_;
    SetupDialogDesign design_;
    // False until a show has loaded the dialog for its mode and board.
    bool prepared_ = false;
    SetupMode mode_ = SetupMode::Menu;
    std::int16_t boardId_ = -1;
    BoardPicker boards_;
    bool loading_ = false;
    bool edited_ = false;
};

// A menu item's opener for a set-up dialog: its one instance, in menu mode, opened as `how` says.
template <class Dialog, Opening how>
void openSetupDialogFromMenu(App& app)
{
    app.form<Dialog>().showFromMenu(how);
}

} // namespace tarvik
