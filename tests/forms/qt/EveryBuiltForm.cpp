#include "EveryBuiltForm.h"

#include "forms/runtime/MenuItem.h"
#include "mainwindow/MainMenus.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <set>
#include <string_view>

namespace tarvik::testing {

namespace {

bool isMenuOfItems(std::string_view name)
{
    for (const MenuEntry& entry : mainMenuEntries())
        if (entry.parent == name) return true;
    return false;
}

// Items that end the program or open no form.
bool opensNoForm(std::string_view name) { return name == "filequitmu" || name == "helpcontentsmu"; }

class Visitor {
public:
    Visitor(RunningProgram& program, const std::function<void(Form&)>& visit) : program_(program), visit_(visit)
    {
        // Modal windows run their own loop: they are visited and closed from inside it.
        QObject::connect(&watcher_, &QTimer::timeout, [this] { answerModal(); });
        watcher_.setInterval(10);
    }

    void choose(MenuItem& item)
    {
        watcher_.start();
        program_.runtime.input().choose(item);
        settle();
        visitShown();
        closeShown();
        watcher_.stop();
    }

private:
    bool isVisitable(const Form* form) const
    {
        return form && form->visible() && form != program_.runtime.mainForm() && !form->caption().empty();
    }

    void visitShown()
    {
        for (Form* form : program_.runtime.forms())
            if (isVisitable(form) && seen_.insert(form->name()).second) visit_(*form);
    }

    void answerModal()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->reject();
            return;
        }
        Form* modal = program_.runtime.modalForm();
        if (!modal) return;
        settle();
        visitShown();
        close(*modal);
    }

    // Closing one window may unload others: the list is taken afresh after each.
    void closeShown()
    {
        for (int round = 0; round < kMostWindows; ++round) {
            const auto forms = program_.runtime.forms();
            const auto shown = std::find_if(forms.begin(), forms.end(), [this](Form* form) { return isVisitable(form); });
            if (shown == forms.end()) break;
            close(**shown);
        }
        settle();
    }

    bool isLoaded(const Form& form) const
    {
        const auto forms = program_.runtime.forms();
        return std::find(forms.begin(), forms.end(), &form) != forms.end();
    }

    void close(Form& form)
    {
        // A window that refuses its close box (a running panel) is taken away by code.
        if (!program_.runtime.input().close(form) && isLoaded(form)) form.unload();
        if (isLoaded(form)) form.hide();
    }

    static constexpr int kMostWindows = 50;

    RunningProgram& program_;
    const std::function<void(Form&)>& visit_;
    QTimer watcher_;
    std::set<std::string> seen_;
};

} // namespace

void visitEveryBuiltForm(RunningProgram& program, const std::function<void(Form&)>& visit)
{
    Visitor visitor(program, visit);
    mditarvik* main = program.main();
    if (!main) return;
    for (const MenuEntry& entry : mainMenuEntries()) {
        if (entry.caption == "-" || isMenuOfItems(entry.name) || opensNoForm(entry.name)) continue;
        MenuItem* item = main->menu(entry.name);
        if (item && item->canTakeInput() && main->hasAction(entry.name)) visitor.choose(*item);
    }
    for (int id = 0; id < 8; ++id)
        if (MenuItem* board = main->boardItem(id); board && board->canTakeInput()) visitor.choose(*board);
}

std::string listed(const std::vector<std::string>& findings)
{
    std::string text;
    for (const std::string& finding : findings) text += "\n  " + finding;
    return text;
}

} // namespace tarvik::testing
