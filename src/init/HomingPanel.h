#pragma once

#include "common/WatchedMotionPanel.h"
#include "driver/BoardTypes.h"
#include "driver/MotionDriver.h"
#include "runtime/FormRuntime.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tarvik {

// Where a homing panel puts its controls (twips) and what it is called.
struct HomingPanelLayout {
    std::string name;
    std::string caption;
    int helpTopic; // F1 opens help here
    std::string searchName; // "home search", as the error window names it
    std::array<float, 4> axisLefts;
    float axisTop;
    float axisWidth;
    float axisHeight;
    Design quit;
    Design status;
};

// The search values of one axis, read from the board's settings record, the directions as -1
// (reverse) or 0. Records without index fields (the open-loop steppers) leave those at 0.
struct SearchSettings {
    double findRpm = 0;
    std::int16_t homeReverse = 0;
    std::int16_t indexReverse = 0;
    std::int16_t refOffset = 0;
};

// What the find-home and find-index panels share: the board they are shown for, one button per
// axis, "Done" and the status box, the placement over the main window, the re-spacing of the
// buttons on a 3-axis board, and the search velocity loaded before a search. A search is a
// watched motion of one axis (WatchedMotionPanel): closing the panel kills it first, and another
// search starts only once it has been killed.
//
// A board that names no configured board leaves the axis buttons disabled with a message in the
// status box, so no search reaches the driver.
class HomingPanel : public WatchedMotionPanel {
public:
    ControlArray<CommandButton> cmdaxis{this, "cmdaxis"};
    CommandButton cmdquit;
    TextBox msgtxt;

    // Shows the panel modally for `board` (a wizard's Find Home or Find Index button): lays out
    // the axis buttons for it and, for a configured board, runs shownForBoard(). The panel is
    // shown once per load: it unloads as it closes. The result is showModal()'s.
    bool showFor(std::int16_t board);

    std::int16_t boardId() const { return board_; }

protected:
    HomingPanel(App& app, const HomingPanelLayout& layout);

    // Places the panel over the main window.
    void Form_Load() override;
    void Form_Click() override { msgtxt.setText(""); }
    // What a panel does once its axis buttons are laid out for a configured board.
    virtual void shownForBoard() {}
    virtual void cmdaxis_Click(int axis) = 0;

    // The board's type code; -1 when the panel has no board.
    std::int16_t boardType() const;
    std::optional<BoardGroup> boardGroup() const { return groupOf(boardType()); }
    // Axes the board has (3 or 4); 0 without a board.
    int axisCount() const;
    // True when an axis button click may go on: the board is configured, the axis is one of its
    // axes and no axis is left watched (one is killed first). An encoder board gets the text of
    // ZEVA_motionOnlyError and false.
    bool mayRunOn(int axis);
    // Enables or disables the axis buttons 1..count.
    void enableAxisButtons(int count, bool enabled);
    // The axis' find velocity, directions and index offset from the board's settings record.
    // None when the record holds a value outside its range (a record loaded after the board was
    // initialised may): the report goes to the status box and nothing of the record may be sent.
    std::optional<SearchSettings> searchSettings(int axis);
    // load_rpm with the find velocity, then load_rpsps with a fifth of it. On a failure its status
    // text goes to the status box and the result is false.
    bool loadSearchVelocity(int axis, double rpm);
    // Shows the text of a driver status in the status box.
    void showStatus(DriverStatus status);

    // The search command for `axis` succeeded: the axis is watched.
    void searchStarted(std::int16_t axis);
    // For a search the panel can no longer follow (a failing status read, a wait that reached its
    // time limit): kills the axis and shows `reason` and whether the search was stopped.
    void abandonSearch(const std::string& reason);

    std::int16_t board_ = -1;

private:
    // Without a configured board: the axis buttons disabled and the message. With one: the
    // buttons of a 3-axis board spread over the width of four, then shownForBoard().
    void layOutForBoard();

    std::string searchName_;
};

} // namespace tarvik
