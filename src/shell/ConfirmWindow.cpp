#include "shell/ConfirmWindow.h"

#include "program/App.h"
#include "program/HelpTopics.h"
#include "shell/MainWindowServices.h"
#include "shell/Shell.h"

namespace tarvik {

ConfirmWindow::ConfirmWindow(App& app, std::string name, std::string caption, std::string questionTail, float offset,
                             int helpTopic)
    : Form(app.runtime(), std::move(name),
           {.caption = std::move(caption), .width = 5280, .height = 2280, .mdiChild = false, .helpTopic = helpTopic}),
      app_(app), questionTail_(std::move(questionTail)), offset_(offset)
{
    lblquestion.setAlignment(Label::Alignment::Center);
    cmdcont.setDefault(true);
    cmdcan.setCancel(true);
    cmdcont.onClick = [this] { answer(ConfirmContinue); };
    cmdcan.onClick = [this] { answer(ConfirmCancel); };
}

void ConfirmWindow::Form_Load() { PlaceOverMainWindow(app_, *this, offset_); }

std::int16_t ConfirmWindow::ask(std::int16_t board)
{
    answer_ = ConfirmCancel;
    lblquestion.setCaption("Board " + InitializeBoardCaption(app_, board) + questionTail_);
    showModal();
    return answer_;
}

void ConfirmWindow::answer(std::int16_t code)
{
    answer_ = code;
    unload();
}

ConfirmBoardWindow::ConfirmBoardWindow(App& app)
    : ConfirmWindow(app, "frmconfbid", "Confirm Board Selection", " is selected. Please confirm this action or cancel.",
                    kQuestionWindowOffset, kHelpConfirmBoard)
{
}

ConfirmInitWindow::ConfirmInitWindow(App& app)
    : ConfirmWindow(app, "frmconfinit", "Confirm Initialization",
                    " is selected to be initialized. Please confirm this action or cancel.", kConfirmInitOffset,
                    kHelpConfirmInit)
{
}

} // namespace tarvik
