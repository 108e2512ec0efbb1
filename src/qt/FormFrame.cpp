#include "qt/FormFrame.h"

#include "runtime/Form.h"
#include "runtime/Runtime.h"

namespace tarvik {

void FrameLink::reportClose()
{
    if (form_)
        bridge_.closeForm(*form_);
    else
        bridge_.runtime().endProgram(); // the main window closed before a main form was set
}

void FrameLink::reportGeometry(const QRect& frame, Qt::WindowStates states)
{
    if (form_ && !(states & (Qt::WindowMinimized | Qt::WindowMaximized))) bridge_.formMoved(*form_, frame);
}

void FrameLink::reportState(Qt::WindowStates states)
{
    if (!form_) return;
    WindowState state = WindowState::Normal;
    if (states & Qt::WindowMinimized)
        state = WindowState::Minimized;
    else if (states & Qt::WindowMaximized)
        state = WindowState::Maximized;
    bridge_.formStateChanged(*form_, state);
}

void FrameLink::reportActivation()
{
    if (form_ && reportsActivation_) bridge_.formActivated(*form_);
}

} // namespace tarvik
