#pragma once

#include "init/InitSteps.h"
#include "runtime/FormRuntime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvik {

class App;

// The window shown while boards are initialised (at start-up, by a wizard's Initialize, which the
// Initialize Board menu leads to): the board (`lblboard`), the option (`lbloption`) and the step
// being run (`lblstep`), and `cmdstop`, which has the keyboard (Space, Enter and Escape press
// it). Stop, like the window's close box, stops the initialisation at the next step or poll; so
// do the window's unloading and the program's end. It is the watch each board's sequence is
// handed (InitializeWatched).
class InitProgressWindow final : public Form, public InitWatch {
public:
    explicit InitProgressWindow(App& app);

    // The board whose sequence begins, with its option.
    void showBoard(std::int16_t board, int option);
    void stepBegins(std::string_view step, std::int16_t axis) override;
    // Lets events run, then gives false once the initialisation is to stop.
    bool goOn() override;
    // goOn() has said stop.
    bool stopped() const { return stopped_; }
    // Where the initialisation stands, as the window shows it:
    // "board ID 3 with option 2 (step: test move, axis 1)".
    std::string whereItStands() const;

    Label lblboard{this, "lblboard", {.left = 240, .top = 240, .width = 6000, .height = 255}};
    Label lbloption{this, "lbloption", {.left = 240, .top = 555, .width = 6000, .height = 255}};
    Label lblstep{this, "lblstep", {.left = 240, .top = 870, .width = 6000, .height = 255}};
    CommandButton cmdstop{this, "cmdstop",
                          {.caption = "Stop", .left = 2452, .top = 1365, .width = 1455, .height = 375}};

private:
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, UnloadReason reason) override;

    App& app_;
    std::int16_t board_ = 0;
    int option_ = 0;
    std::string step_;
    bool stopPressed_ = false;
    bool stopped_ = false;
};

} // namespace tarvik
