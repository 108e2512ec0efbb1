#pragma once

class QWidget;

namespace tarvik {

// Shows a window that the program opens on its own while another application has the keyboard
// (MainWindow::inBackground): the window manager keeps it beneath the other windows and leaves
// the keyboard where it is, the window asks for the user's attention (in the task bar), and it
// does not hold the program's other windows yet if it is modal. Once the user comes back to the
// program, the window is shown as one opened then: modal again if it was, in front, with the
// keyboard.
void showQuietly(QWidget& window);

} // namespace tarvik
