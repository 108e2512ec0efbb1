#include "shell/AboutWindow.h"

#include "program/App.h"
#include "program/DriverInfo.h"
#include "program/HelpTopics.h"
#include "shell/Shell.h"

namespace tarvik {

AboutWindow::AboutWindow(App& app)
    : Form(app.runtime(), "frmabout",
           {.caption = "About Tarvik", .width = 4920, .height = 3120, .mdiChild = false, .helpTopic = kHelpAbout}),
      app_(app)
{
    lblversion.setCaption("Version " + std::string(kTarvikVersion));
    okcmd.setDefault(true);
    okcmd.setCancel(true);
    okcmd.onClick = [this] { unload(); };
}

void AboutWindow::Form_Load()
{
    PlaceOverMainWindow(app_, *this, kQuestionWindowOffset);
    lblboards.setCaption(boardsAreSimulated(app_.driver())
                             ? "No motion driver is present: the boards are simulated."
                             : "Boards are driven through the motion driver.");
}

void ShowAbout(App& app)
{
    if (app.runtime().endRequested()) return;
    app.form<AboutWindow>().showModal();
}

} // namespace tarvik
