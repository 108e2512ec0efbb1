#pragma once

#include "common/BoardPicker.h"
#include "common/EntryField.h"
#include "common/MotionWaits.h"
#include "common/StatusLamp.h"
#include "common/WatchedMotionPanel.h"
#include "driver/MotionDriver.h"
#include "program/OpenWindows.h"
#include "runtime/FormRuntime.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvik {

// What a single-axis test panel declares about itself; RunPanel builds the shared part of the
// window from it.
struct RunPanelDesign {
    std::string name{};
    std::string caption{};
    int helpTopic = 0; // F1 opens help here
    bool OpenWindows::*openFlag = nullptr;         // ServoTestOpen or StepperTestOpen
    std::string trajectoryHeading{};               // caption above the position fields
    std::string position1Name{};
    std::string position2Name{};
    FieldBounds positionBounds{};
    int positionMaxLength = 11;
    FieldBounds dwellBounds{};
    int dwellMaxLength = 2;
    FieldLeaving dwellLeaving = FieldLeaving::Keep;
    // The cycle-mode options and the labels that caption them.
    std::string cycleOnName{};
    std::string cycleOnLabelName{};
    std::string cycleOffName{};
    std::string cycleOffLabelName{};
    float height = 6600;
};

// The single-axis test panel: one axis of one board is moved to Position 1 once, or back and
// forth between Position 1 and Position 2 with a dwell between moves, while a 50 ms poll shows
// the position, the panel's own read-back and seven status lamps. The servo and stepper panels
// derive from it and add their fields, set-up calls, read-back and board list.
//
// A run lives inside the Start click and lets window events run between its polls; the stop
// buttons, the poll, the option clicks and a close request reach it only through RunStopped,
// CloseRequested and DwellDone. A stop button pressed during a run always ends it, even when the
// board refuses the stop (the axis then stays watched); a move whose status cannot be read, or
// that has not ended within kMoveDoneTimeoutMicros, ends it too: the axis is killed, with one
// message naming the board and the axis. Start is disabled for the run, and when the run ends a
// keyboard left on a stop button goes back to Start (FocusBackToStart); a panel that leaves a
// field enabled during a run may see Start pressed again inside it (the servo panel's velocity
// mode), and that nested run sends the whole set-up again to the moving axis.
//
// The axis of a run is a watched motion (WatchedMotionPanel) from its first start to the end of
// the run. Closing the panel during a run decelerates the axis; when that fails the axis is
// killed, and only when the kill fails too does the panel stay open, so an axis is never left
// moving with nobody able to stop it. File > Quit during a run closes the panel the same way,
// and the program ends once the run has wound up.
class RunPanel : public WatchedMotionPanel {
public:
    // The run modes.
    static constexpr std::int16_t SingleMove = 1;
    static constexpr std::int16_t Cyclic = 2;
    // The dwell timer takes at most this many milliseconds.
    static constexpr double kDwellCapMs = 64000;
    static constexpr int kPollIntervalMs = 50;

    // The panel's window fields.
    std::int16_t BoardId = -1;
    std::int16_t AxisNumber = 1;
    std::int16_t RunMode = SingleMove;
    std::int16_t RunStopped = 1;
    std::int16_t CloseRequested = 0;
    std::int16_t NextTarget = 1;
    std::int16_t FirstMove = 0;
    std::int16_t DwellDone = 0;
    double DwellMs = 0;

    Label lblBoardId;
    ComboBox bidlist;
    Label lblAxis;
    TextBox axistxt;
    Label lblTrajectory;
    Label lblPos1;
    TextBox pos1;
    Label lblPos2;
    TextBox pos2;
    Label lblDwell;
    TextBox dwelltxt;
    CommandButton startcmd;
    CommandButton decelcmd;
    CommandButton haltcmd;
    CommandButton killcmd;
    CommandButton resetcmd;
    Label lblCycleMode;
    Frame cycleFrame;
    OptionButton cycleOn;
    Label cycleOnLabel;
    OptionButton cycleOff;
    Label cycleOffLabel;
    Label lblAlternates;
    Label lblFeedback;
    Label lblPosition;
    Label readposlbl;
    Timer pollTimer;
    Timer dwelltimer;

    // The lamp of AxisStatus bit `bit` (0, 1, 2, 5, 7, 10 or 12); std::out_of_range otherwise.
    Shape& lamp(int bit) const;
    const BoardPicker& boards() const { return boards_; }
    std::int16_t axisValid() const { return axisField_.valid(); }
    // True while a run is in progress (Start has not returned).
    bool running() const { return runDepth_ > 0; }

protected:
    RunPanel(App& app, const RunPanelDesign& design);

    // The panel's share of Form_Load after the common steps: its board list and defaults.
    virtual void loadPanel() = 0;
    // Step 3 of Start: the set-up calls in order; the first status that is not 0, or 0.
    virtual DriverStatus sendSetUp() = 0;
    // Step 3 of the poll; false ends the tick (a failure was reported).
    virtual bool readBack() = 0;
    // The run inputs the panel disables at Start and enables again at the end of a run, beyond
    // the common ones (Start, the board list, the axis, position and dwell fields, the cycle
    // frame).
    virtual void enablePanelInputs(bool enabled) = 0;
    // Before the stop calls of Halt.
    virtual void halting() {}
    // A board was selected (bidlist Click), after BoardId and the axis check.
    virtual void boardSelected() {}

    // Adds a field of the panel to those the Start rule asks in every mode.
    void addRunField(EntryField& field);
    // The Start rule: in single mode every valid flag but those of Position 2 and the dwell is
    // 1, in cyclic mode every flag; otherwise Start is disabled.
    void applyStartRule();
    // Enables or disables Position 2 and the dwell field as the cycle mode asks.
    void enableCycleFields(bool enabled);
    // Shows a failing status in the error window; a poll's failure while the error window is
    // already open is dropped, so polling never stacks error windows.
    void reportFailure(DriverStatus status) const;
    void reportPollFailure(DriverStatus status) const;
    // Places a labelled entry box in row `row` of the trajectory column (0: Position 1).
    void placeRow(int row, Label& label, TextBox& box) const;
    float rightColumnLeft() const;
    // Top of the feedback row `row` (0: Position).
    float feedbackTop(int row) const;

    App& app() const { return app_; }
    BoardPicker boards_;
    // Whole number of a field's text (halves to even, saturated).
    static std::int32_t wholeOf(const TextBox& box);
    static double valueOf(const TextBox& box);

private:
    struct LampRow {
        std::uint16_t bit = 0;
        std::unique_ptr<Shape> lamp;
        std::unique_ptr<Label> label;
    };

    void Form_Load() final;
    void Form_Unload(int& cancel) override;
    void Form_Resize() override;
    void Form_Deactivate() override;
    bool stopWatchedForClosing() override;

    void wireEvents();
    void makeLamps();
    std::optional<FieldBounds> axisBounds() const;
    void bidlist_Click();
    void cycleOn_Click();
    void cycleOff_Click();

    void startcmd_Click();
    // The run after set-up; ends by returning, whatever the path.
    void runSingle();
    void runCycles();
    // Waits the dwell; false when the run must end.
    bool dwell();
    // load_target_pos then start_motion; the first failing status, or 0.
    DriverStatus sendMove(std::int32_t target);
    void endRun(std::optional<DriverStatus> failure);
    void enableRunInputs(bool enabled);
    // Ends the run (RunStopped), then set_stop_mode and stop_motion (both sent); true when both
    // returned 0, else the first failure is shown and the axis stays watched.
    bool stopAxis(std::int16_t mode);
    // A move the run can no longer follow (a failing status read, the time bound) is abandoned:
    // the axis killed, the user told why and how it went.
    void reportWaitEnd(const MoveWaitEnd& end);
    void decelcmd_Click();
    void haltcmd_Click();
    void killcmd_Click();
    void resetcmd_Click();
    void pollTimer_Timer();
    void light(std::int16_t word);

    RunPanelDesign design_;
    EntryField axisField_;
    EntryField pos1Field_;
    EntryField pos2Field_;
    EntryField dwellField_;
    std::vector<EntryField*> runFields_;
    std::vector<LampRow> lamps_;
    int runDepth_ = 0;
};

} // namespace tarvik
