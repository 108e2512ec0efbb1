#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Send Command: send_command, one raw packet of the board's own command set (a command code in
// hexadecimal, &H41 to &H99, a word count of 2 to 4 and 32-bit data) to one axis of any listed
// board. An answer, if the command has one, lands in the Return Data Buffer.
//
// The command box is read quietly while it is edited: every edit leaves the command not valid
// (RUN disabled) without a message; leaving the box runs the full check, which beeps, names the
// bounds in hexadecimal and puts the violated bound in. The data takes a sign only as its first
// character.
class SendCommandDialog : public CommandDialog {
public:
    explicit SendCommandDialog(App& app);

    TextBox& cmdtxt = field(0);
    TextBox& wcounttxt = field(1);
    TextBox& cmddatatxt = field(2);
    Label hexLabel;

private:
    void arrange();
};

} // namespace tarvik
