#pragma once

#include "runtime/FormRuntime.h"

#include <string>
#include <vector>

namespace tarvik {

class App;

// The Bad Configuration window: the boards of the driver's configuration that cannot be
// verified, one row each with the reason, and what to do about them. A modeless child window; OK
// closes it.
class BadConfigurationWindow : public Form {
public:
    explicit BadConfigurationWindow(App& app);

    // The rows, one per line.
    std::string messageText() const override;

    Label lblexplain{this, "lblexplain",
                     {.caption = "Tarvik cannot verify these boards of the board configuration. A board on an "
                                 "unusable ID or of an unsupported type is left out of the Initialize Board menu "
                                 "and of every board list:",
                      .left = 120, .top = 120, .width = 7335, .height = 495}};
    ListBox lstboards{this, "lstboards", {.left = 120, .top = 720, .width = 7335, .height = 1845}};
    Label lblremedy{this, "lblremedy",
                    {.caption = "To use such a board, give it an ID from 1 to 7 that no other board has, the type "
                                "code of a supported board and an I/O address of its own in the board "
                                "configuration (boards.cfg in the working directory, for the simulated boards), "
                                "then start Tarvik again.",
                     .left = 120, .top = 2640, .width = 7335, .height = 735}};
    CommandButton okcmd{this, "okcmd", {.caption = "OK", .left = 3120, .top = 3480, .width = 1215, .height = 375}};

private:
    void Form_Resize() override;
    void Form_Deactivate() override;

    App& app_;
};

// Shows the Bad Configuration window listing `lines`.
void ShowBadConfiguration(App& app, const std::vector<std::string>& lines);

} // namespace tarvik
