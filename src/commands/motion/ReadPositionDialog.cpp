#include "commands/motion/ReadPositionDialog.h"

#include "commands/motion/AxisReadDesign.h"
#include "shell/MainWindowServices.h"

namespace tarvik {

namespace {
constexpr const char* kPresentPositionCaption = "Read Present Position";
} // namespace

ReadPositionDialog::ReadPositionDialog(App& app)
    : CommandDialog(app, axisReadDesign(&MotionDriver::read_pos, {.name = "frm53ret",
                                                                  .caption = kPresentPositionCaption,
                                                                  .helpTopic = 331,
                                                                  .valueCaption = "Present Position",
                                                                  .valueName = "poslbl"}))
{
}

void openReadPresentPosition(App& app)
{
    ReadPositionDialog& dialog = app.form<ReadPositionDialog>();
    dialog.setCaption(kPresentPositionCaption);
    OpenChildWindow(dialog);
}

} // namespace tarvik
