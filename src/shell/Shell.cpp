#include "shell/Shell.h"

#include "program/App.h"
#include "shell/AskSaveWindow.h"
#include "shell/BackgroundWindow.h"
#include "shell/ConfirmWindow.h"
#include "shell/ErrorWindow.h"

namespace tarvik {

namespace {

// Asks in confirmation window F about `board`.
template <class F>
std::int16_t confirm(App& app, std::int16_t board)
{
    if (app.runtime().endRequested()) return ConfirmCancel;
    return app.form<F>().ask(board);
}

} // namespace

void ShowErrorMessage(App& app, const std::string& message)
{
    if (app.runtime().endRequested()) return;
    if (app.state().errors.ErrorWindowOpen) {
        app.state().errors.PendingErrorMessages.push_back(message);
        return;
    }
    struct Open {
        App& app;
        Open(App& a) : app(a) { app.state().errors.ErrorWindowOpen = true; }
        ~Open() { app.state().errors.ErrorWindowOpen = false; }
    } open{app};
    std::string text = message;
    for (;;) {
        ErrorWindow& window = app.form<ErrorWindow>();
        window.setMessage(text);
        if (!window.showModal() || app.state().errors.PendingErrorMessages.empty()) break;
        text = std::move(app.state().errors.PendingErrorMessages.front());
        app.state().errors.PendingErrorMessages.pop_front();
    }
}

void SendBackgroundToBack(App& app)
{
    if (app.runtime().endRequested()) return;
    app.form<BackgroundWindow>().zOrder(ZOrder::Back);
}

void PlaceOverMainWindow(App& app, Form& form, float offsetTwips)
{
    const Form* main = app.runtime().mainForm();
    const float left = main ? main->left() : 0;
    const float top = main ? main->top() : 0;
    form.setLeft(left + offsetTwips);
    form.setTop(top + offsetTwips);
}

std::int16_t AskSaveSettings(App& app, const std::string& question)
{
    if (app.runtime().endRequested()) return AnswerCancel;
    return app.form<AskSaveWindow>().ask(question);
}

std::int16_t ConfirmBoardSelection(App& app, std::int16_t board) { return confirm<ConfirmBoardWindow>(app, board); }

std::int16_t ConfirmBoardInit(App& app, std::int16_t board) { return confirm<ConfirmInitWindow>(app, board); }

} // namespace tarvik
