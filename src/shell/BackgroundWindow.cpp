#include "shell/BackgroundWindow.h"

#include "program/App.h"
#include "program/HelpTopics.h"

namespace tarvik {

BackgroundWindow::BackgroundWindow(App& app)
    : Form(app.runtime(), "frmpicture", {.width = 11760, .height = 7800, .helpTopic = kHelpMainWindow})
{
    imgbackground.setPicture("background");
    imgbackground.setStretch(true);
}

void BackgroundWindow::Form_QueryUnload(int& cancel, UnloadReason reason)
{
    if (reason == UnloadReason::User) cancel = 1;
}

} // namespace tarvik
