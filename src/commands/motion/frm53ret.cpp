#include "commands/motion/frm53ret.h"

#include "commands/motion/AxisReadDesign.h"
#include "program/MainWindowServices.h"

namespace tarvik {

namespace {
constexpr const char* kPresentPositionCaption = "Read Present Position";
} // namespace

frm53ret::frm53ret(App& app)
    : CommandDialog(app, axisReadDesign(&MotionDriver::read_pos, {.name = "frm53ret",
                                                                  .caption = kPresentPositionCaption,
                                                                  .valueCaption = "Present Position",
                                                                  .valueName = "poslbl"}))
{
}

void openReadPresentPosition(App& app)
{
    frm53ret& dialog = app.form<frm53ret>();
    dialog.setCaption(kPresentPositionCaption);
    OpenChildWindow(dialog);
}

} // namespace tarvik
