#pragma once

#include "panels/xy/XyTableFields.h"
#include "runtime/Control.h"

#include <cstdint>

namespace tarvik {

class App;

// What a run of the XY table asks of the window that shows it: the axis boxes' validity, the
// present position, the drawing and the stop that a failure calls for.
class XyRunWindow {
public:
    virtual ~XyRunWindow() = default;

    // Both axis boxes hold a valid axis; until they do, nothing is sent to the axes.
    virtual bool axesValid() const = 0;
    // Reads both axes' positions into the fields (failures not reported) and shows them in inches.
    virtual void updatePresentPosition() = 0;
    // Draws the path from the last drawn point to the present position: `width` wide in `color`,
    // or (no colour) in the box's own drawing colour and width.
    virtual void drawTravel(int width, Color color) = 0;
    virtual void drawTravel() = 0;
    // A filled circle at board position (x, y).
    virtual void drawMarker(std::int32_t x, std::int32_t y, Color color) = 0;
    // Clears the box and draws the grid and the present position.
    virtual void RedrawTable() = 0;
    // Shows the segment under way: its target in inches and its vector velocity.
    virtual void showSegment(float targetInchX, float targetInchY, float velocity) = 0;
    // Ends the run as STOP does (axes stopped, controls back to idle).
    virtual void stopRun() = 0;
};

// The run of the XY table, Manual or Automatic, from START to STOP: the 50 ms poll checks both
// axes of the move in progress (a failure on one kills it, stops the other and ends the run),
// draws the path travelled and, in Automatic mode, sends the routine's next segment through
// MoveSegment, lap after lap, the path colour changing with each lap. It works on the demo's
// fields and leaves every control to the window.
class XyTableRun {
public:
    XyTableRun(App& app, XyTableFields& fields, XyRunWindow& window);

    // Starts a run; false (nothing changed) in Automatic mode without a recorded routine.
    bool start();
    // Stops both axes and waits for them, draws where the table came to rest and ends the run;
    // in Automatic mode the next start runs the interrupted segment again and a velocity typed
    // meanwhile asks whether it changes the routine.
    void stop();
    // One tick of the poll.
    void poll();

private:
    // Checks one axis of a move in progress; true when it ended with a failure (then both axes
    // are stopped and the message shown).
    bool checkAxis(std::int16_t axis, std::int16_t otherAxis, std::int16_t& movePending, int axisNumber, bool& done);
    void nextSegment();
    void drawTargetMarkers(Color color);

    App& app_;
    XyTableFields& f_;
    XyRunWindow& window_;
    // A poll tick is running (a modal message inside it lets events run).
    bool polling_ = false;
};

} // namespace tarvik
