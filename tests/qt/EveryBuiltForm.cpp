#include "EveryBuiltForm.h"

#include "mainwindow/MainMenus.h"
#include "program/PreferenceFile.h"
#include "runtime/MenuItem.h"
#include "runtime/UserInput.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <set>
#include <string_view>
#include <utility>

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

// What a user does on a shown panel, its controls named as the panel names them. A control the
// panel does not have fails the test and the rest of the road is skipped.
class Road {
public:
    Road(Form& form, Runtime& runtime, std::function<void()> visitShown)
        : form_(form), input_(runtime.input()), runtime_(runtime), visitShown_(std::move(visitShown))
    {
    }

    void click(std::string_view name)
    {
        if (Control* control = find(name)) input_.click(*control);
    }
    void focus(std::string_view name)
    {
        if (Control* control = find(name)) input_.focus(*control);
    }
    void retype(std::string_view name, std::string_view text)
    {
        auto* box = dynamic_cast<TextBox*>(find(name));
        if (!box) return;
        input_.focus(*box);
        input_.selectText(*box, 0, static_cast<int>(box->text().size()));
        input_.type(*box, text);
    }
    // A click into a picture box, at shares (0..1) of its width and height from its top left.
    void point(std::string_view name, double acrossShare, double downShare)
    {
        auto* box = dynamic_cast<PictureBox*>(find(name));
        if (!box) return;
        input_.mouseClick(*box, static_cast<float>(box->scaleLeft() + acrossShare * box->scaleWidth()),
                          static_cast<float>(box->scaleTop() + downShare * box->scaleHeight()));
    }
    void wait(std::int64_t ms)
    {
        if (!lost_) runtime_.wait(ms);
    }
    // Runs `action` once `ms` have passed, inside whatever loop the panel runs then (a move in
    // progress keeps the click that started it going); a wait after the click lets it run
    // should the click return sooner.
    void after(std::int64_t ms, std::function<void()> action) { runtime_.schedule(ms, std::move(action)); }
    // Visits the windows shown now, in the state the road has brought them to.
    void visitShown() { visitShown_(); }

private:
    Control* find(std::string_view name)
    {
        if (lost_) return nullptr;
        Control* control = form_.findControl(name);
        if (!control) {
            ADD_FAILURE() << form_.name() << " has no control " << name;
            lost_ = true;
        }
        return control;
    }

    Form& form_;
    UserInput& input_;
    Runtime& runtime_;
    std::function<void()> visitShown_;
    bool lost_ = false;
};

// Windows that only a panel's own controls open, and panel states worth a look, walked on the
// panel as soon as it is shown: the panel itself is visited once its road is done (or from
// inside a window the road opened).
struct PanelRoad {
    std::string_view form;
    std::function<void(Road&)> walk;
};

const PanelRoad kPanelRoads[] = {
    // Visited during a velocity-mode run, so that the gauge shows the measured speed.
    {"frmservtest",
     [](Road& road) {
         road.click("vr");
         road.after(400, [&road] {
             road.visitShown();
             road.click("haltcmd");
         });
         road.click("startcmd");
         road.wait(500);
     }},
    // A recorded routine, run and stopped, then a new velocity: the question how much of the
    // routine it changes; then the Find Home and Find Index panels.
    {"frmxytable",
     [](Road& road) {
         road.click("modeauto");
         road.point("box", 0.25, 0.25);
         road.point("box", 0.6, 0.5);
         road.point("box", 0.3, 0.7);
         road.click("startcmd");
         road.wait(60);
         road.click("stopcmd");
         road.retype("vectveltxt", "2");
         road.focus("erasecmd");
         road.click("homecmd");
         road.click("indexcmd");
     }},
};

class Visitor {
public:
    Visitor(RunningProgram& program, const std::function<void(Form&, const MenuItem&)>& visit)
        : program_(program), visit_(visit)
    {
        // Modal windows run their own loop: they are visited and closed from inside it.
        QObject::connect(&watcher_, &QTimer::timeout, [this] { answerModal(); });
        watcher_.setInterval(10);
    }

    void choose(MenuItem& item)
    {
        chosen_ = &item;
        watcher_.start();
        program_.runtime.input().choose(item);
        settle();
        walkPanelRoads();
        visitShown();
        closeShown();
        watcher_.stop();
    }

private:
    bool isVisitable(const Form* form) const
    {
        return form && form->visible() && form != program_.runtime.mainForm() && !form->caption().empty();
    }

    // A visit may wait for the window system, which lets the watcher run: it leaves a modal
    // window alone until the visit is over.
    void visitShown()
    {
        if (visiting_) return;
        visiting_ = true;
        for (Form* form : program_.runtime.forms())
            if (isVisitable(form) && seen_.insert(form->name()).second) visit_(*form, *chosen_);
        visiting_ = false;
    }

    void walkPanelRoads()
    {
        for (const PanelRoad& panelRoad : kPanelRoads) {
            Form* form = program_.runtime.findForm(panelRoad.form);
            if (!isVisitable(form) || seen_.contains(form->name())) continue;
            Road road(*form, program_.runtime, [this] { visitShown(); });
            panelRoad.walk(road);
            settle();
        }
    }

    void answerModal()
    {
        if (visiting_) return;
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

    void close(Form& form)
    {
        // A window that refuses its close box (a running panel) is taken away by code.
        if (!program_.runtime.input().close(form) && isLoaded(program_.runtime, form)) form.unload();
        if (isLoaded(program_.runtime, form)) form.hide();
    }

    static constexpr int kMostWindows = 50;

    RunningProgram& program_;
    const std::function<void(Form&, const MenuItem&)>& visit_;
    const MenuItem* chosen_ = nullptr;
    QTimer watcher_;
    std::set<std::string> seen_;
    bool visiting_ = false;
};

} // namespace

void initialiseAtStartUp(std::initializer_list<std::int16_t> boardIds)
{
    Preferences preferences{};
    for (std::int16_t id : boardIds) preferences.at(static_cast<std::size_t>(id)).AutoInit = 1;
    const FileStatus written = PreferenceFile::replace(preferences);
    ASSERT_TRUE(written.ok()) << written.error();
}

void visitEveryBuiltForm(RunningProgram& program, const std::function<void(Form&)>& visit)
{
    visitEveryBuiltForm(program, [&visit](Form& form, const MenuItem&) { visit(form); });
}

void visitEveryBuiltForm(RunningProgram& program, const std::function<void(Form&, const MenuItem&)>& visit)
{
    Visitor visitor(program, visit);
    MainWindowForm* main = program.main();
    if (!main) return;
    for (const MenuEntry& entry : mainMenuEntries()) {
        if (entry.caption == "-" || isMenuOfItems(entry.name) || opensNoForm(entry.name)) continue;
        MenuItem* item = main->menu(entry.name);
        if (item && item->canTakeInput() && main->hasAction(entry.name)) visitor.choose(*item);
    }
    for (int id = 0; id < 8; ++id)
        if (MenuItem* board = main->boardItem(id); board && board->canTakeInput()) visitor.choose(*board);
}

bool isLoaded(const Runtime& runtime, const Form& form)
{
    const auto forms = runtime.forms();
    return std::find(forms.begin(), forms.end(), &form) != forms.end();
}

std::string where(const Form& form, const Control& control)
{
    return "\"" + form.caption() + "\" (" + form.name() + ") / " + control.qualifiedName();
}

std::string listed(const std::vector<std::string>& findings)
{
    std::string text;
    for (const std::string& finding : findings) text += "\n  " + finding;
    return text;
}

} // namespace tarvik::testing
