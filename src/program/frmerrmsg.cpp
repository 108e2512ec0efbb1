#include "program/frmerrmsg.h"

#include "program/App.h"
#include "program/HelpTopics.h"
#include "program/Shell.h"

namespace tarvik {

frmerrmsg::frmerrmsg(App& app)
    : Form(app.runtime(), "frmerrmsg",
           {.caption = "Tarvik Error", .width = 5520, .height = 2700, .mdiChild = false, .helpTopic = kHelpErrorWindow}),
      app_(app)
{
    msgtxt.setMultiLine(true);
    msgtxt.setLocked(true);
    okcmd.setDefault(true);
    okcmd.setCancel(true);
    okcmd.onClick = [this] { okcmd_Click(); };
    quitcmd.onClick = [this] { quitcmd_Click(); };
}

void frmerrmsg::Form_Load() { PlaceOverMainWindow(app_, *this, kErrorWindowOffset); }

void frmerrmsg::okcmd_Click() { unload(); }

void frmerrmsg::quitcmd_Click() { app_.runtime().endProgram(); }

} // namespace tarvik
