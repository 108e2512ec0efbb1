#include "shell/BadConfigurationWindow.h"

#include "program/App.h"
#include "program/HelpTopics.h"
#include "shell/MainWindowServices.h"
#include "shell/Shell.h"

namespace tarvik {

BadConfigurationWindow::BadConfigurationWindow(App& app)
    : Form(app.runtime(), "frmbadconfig",
           {.caption = "Bad Configuration", .left = 600, .top = 600, .width = 7695, .height = 4380,
            .helpTopic = kHelpBadConfiguration}),
      app_(app)
{
    okcmd.setDefault(true);
    okcmd.setCancel(true);
    okcmd.onClick = [this] { unload(); };
}

void BadConfigurationWindow::Form_Resize() { SendBackgroundToBack(app_); }

void BadConfigurationWindow::Form_Deactivate() { SendBackgroundToBack(app_); }

std::string BadConfigurationWindow::messageText() const
{
    std::string text;
    for (int row = 0; row < lstboards.listCount(); ++row) {
        if (row > 0) text += '\n';
        text += lstboards.list(row);
    }
    return text;
}

void ShowBadConfiguration(App& app, const std::vector<std::string>& lines)
{
    BadConfigurationWindow& window = app.form<BadConfigurationWindow>();
    window.lstboards.clear();
    for (const std::string& line : lines) window.lstboards.addItem(line);
    OpenChildWindow(window);
}

} // namespace tarvik
