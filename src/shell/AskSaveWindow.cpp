#include "shell/AskSaveWindow.h"

#include "program/App.h"
#include "program/HelpTopics.h"
#include "shell/Shell.h"

namespace tarvik {

AskSaveWindow::AskSaveWindow(App& app)
    : Form(app.runtime(), "frmasksave",
           {.caption = "Save Settings", .width = 5280, .height = 2280, .mdiChild = false, .helpTopic = kHelpAskSave}),
      app_(app)
{
    lblBoardOpt.setAlignment(Label::Alignment::Center);
    cmdsave.setDefault(true);
    cmdCancel.setCancel(true);
    cmdsave.onClick = [this] { answer(AnswerYes); };
    cmdForget.onClick = [this] { answer(AnswerNo); };
    cmdCancel.onClick = [this] { answer(AnswerCancel); };
}

void AskSaveWindow::Form_Load() { PlaceOverMainWindow(app_, *this, kQuestionWindowOffset); }

std::int16_t AskSaveWindow::ask(const std::string& question)
{
    answer_ = AnswerCancel;
    lblBoardOpt.setCaption(question);
    showModal();
    return answer_;
}

void AskSaveWindow::answer(std::int16_t code)
{
    answer_ = code;
    unload();
}

} // namespace tarvik
