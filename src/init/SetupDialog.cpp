#include "init/SetupDialog.h"

#include "driver/StatusText.h"
#include "program/SettingsTables.h"
#include "shell/Shell.h"

#include <utility>

namespace tarvik {

namespace {

Design at(const Place& place, std::string caption = {})
{
    return {.caption = std::move(caption), .left = place.left, .top = place.top, .width = place.width,
            .height = place.height};
}

} // namespace

SetupDialog::SetupDialog(App& app, std::string name, SetupDialogDesign design)
    : Form(app.runtime(), std::move(name), design.form),
      boardLabel(this, "Label14", at(design.boardLabel, "Board ID")),
      bidlist(this, "bidlist", at(design.boardList), ComboBox::Style::DropDownList),
      cmdOK(this, "cmdOK", at(design.setButton, "Set")),
      cmdRun(this, "cmdRun", at(design.runButton, "RUN")),
      cmdCancel(this, "cmdCancel", at(design.cancelButton, "Cancel")),
      msgtxt(this, "msgtxt", at(design.statusBox)),
      app_(app),
      design_(std::move(design)),
      boards_(app, bidlist)
{
    msgtxt.setLocked(true);
    cmdCancel.setCancel(true);

    bidlist.onClick = [this] { bidlist_Click(); };
    bidlist.onKeyDown = [this](int& keyCode, int) { bidlist_KeyDown(keyCode); };
    bidlist.onGotFocus = [this] { clearStatus(); };
    msgtxt.onGotFocus = [this] { clearStatus(); };
    if (design_.clearStatusWhenRunLosesFocus) cmdRun.onLostFocus = [this] { clearStatus(); };
    cmdOK.onClick = [this] { cmdOK_Click(); };
    cmdRun.onClick = [this] { cmdRun_Click(); };
    cmdCancel.onClick = [this] { cmdCancel_Click(); };
}

void SetupDialog::showFor(std::int16_t board, Opening how)
{
    open(SetupMode::Wizard, board, how);
}

void SetupDialog::showFromMenu(Opening how)
{
    open(SetupMode::Menu, -1, how);
}

void SetupDialog::open(SetupMode mode, std::int16_t wizardBoard, Opening how)
{
    const bool sameTarget = prepared_ && mode == mode_ && (mode == SetupMode::Menu || boardId_ == wizardBoard);
    if (!sameTarget) loadFor(mode, wizardBoard);
    OpenChildWindow(*this, how);
}

void SetupDialog::choiceClicked()
{
    if (!loading_) edited_ = true;
}

void SetupDialog::Form_Click()
{
    if (design_.clearStatusOnFormClick) clearStatus();
}

void SetupDialog::Form_Resize()
{
    if (design_.backgroundToBackOnResize) SendBackgroundToBack(app_);
}

void SetupDialog::Form_Deactivate()
{
    if (design_.backgroundToBackOnDeactivate) SendBackgroundToBack(app_);
}

// Everything a load decides is set here, so that loading an open dialog again for another board
// or mode leaves nothing of the previous one behind.
void SetupDialog::loadFor(SetupMode mode, std::int16_t wizardBoard)
{
    prepared_ = true;
    mode_ = mode;
    boardId_ = -1;
    edited_ = false;
    clearStatus();
    boards_.clear();
    bidlist.setEnabled(true);
    cmdOK.setVisible(true);
    cmdRun.setVisible(true);
    cmdRun.setLeft(design_.runButton.left);
    cmdOK.setEnabled(true);
    cmdRun.setEnabled(true);

    if (mode == SetupMode::Wizard) {
        listWizardBoard(wizardBoard);
        return;
    }
    const std::optional<std::int16_t> preselected = boards_.fill(design_.menuMask);
    if (preselected && boardId_ == -1) boardId_ = *preselected;
    if (!boards_.listed()) {
        showNoBoard();
        return;
    }
    cmdOK.setVisible(false);
    if (design_.runTakesSetPlaceInMenuMode) cmdRun.setLeft(cmdOK.left());
}

// Wizard mode: the wizard's board is the one row; selecting it lays out and loads that board.
void SetupDialog::listWizardBoard(std::int16_t board)
{
    if (!isBoardId(board)) {
        showNoBoard();
        return;
    }
    boardId_ = board;
    boards_.listOnly(board);
    bidlist.setEnabled(false);
}

void SetupDialog::showNoBoard()
{
    bidlist.setEnabled(false);
    cmdOK.setEnabled(false);
    cmdRun.setEnabled(false);
}

void SetupDialog::bidlist_Click()
{
    const std::optional<std::int16_t> board = boards_.selected();
    if (!board) return;
    boardId_ = *board;
    layoutFor(typeOf(*board));
    loadRecord();
    applyRunRule();
}

void SetupDialog::bidlist_KeyDown(int keyCode)
{
    boards_.pickByKey(keyCode);
}

// In wizard mode RUN is offered only for a board whose initialisation completed.
void SetupDialog::applyRunRule()
{
    if (mode_ != SetupMode::Wizard || !isBoardId(boardId_)) return;
    cmdRun.setVisible(app_.state().boards.BoardInitState[static_cast<std::size_t>(boardId_)] == 1);
}

void SetupDialog::loadRecord()
{
    edited_ = false;
    const std::int16_t type = typeOf(boardId_);
    if (!keepsSettingsFor(type)) return;
    loading_ = true;
    loadSettings(type, boardId_);
    loading_ = false;
}

// Keeps the choices in the board's record; the record counts as changed only when the user
// clicked a choice since the last load or store.
void SetupDialog::store(std::int16_t board)
{
    const bool userEdited = edited_;
    edited_ = false;
    const std::int16_t type = typeOf(board);
    if (!keepsSettingsFor(type)) return;
    if (userEdited) app_.state().boards.SettingsChanged[static_cast<std::size_t>(board)] = -1;
    storeSettings(type, board);
}

void SetupDialog::cmdOK_Click()
{
    const std::optional<std::int16_t> board = boards_.selected();
    if (!board) return;
    store(*board);
    unload();
}

void SetupDialog::cmdRun_Click()
{
    const std::optional<std::int16_t> board = boards_.selected();
    if (!board) return;
    boardId_ = *board;
    const std::int16_t type = typeOf(*board);
    if (design_.runOrder == RunOrder::StoreThenSend) store(*board);
    const DriverStatus status = sendSettings(type, *board);
    msgtxt.setText(StatusText(status));
    if (design_.runOrder == RunOrder::SendThenStoreOnSuccess && status == 0) store(*board);
}

void SetupDialog::cmdCancel_Click()
{
    unload();
}

std::int16_t SetupDialog::typeOf(std::int16_t board) const
{
    return isBoardId(board) ? app_.state().boards.BoardType[static_cast<std::size_t>(board)] : kNoBoardType;
}

} // namespace tarvik
