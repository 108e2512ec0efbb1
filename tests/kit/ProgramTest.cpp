#include "kit/ProgramTest.h"

namespace tarvik::testing {

namespace {

// What stood in the user's way, for the failure message.
std::string obstacle(const Control& control)
{
    const Form& form = control.form();
    const Form* modal = form.runtime().modalForm();
    if (form.runtime().endRequested()) return "the program has ended";
    if (!form.isLoaded()) return "window " + form.name() + " is not loaded";
    if (modal != nullptr && modal != &form) return "the modal window " + modal->name() + " is open";
    if (!form.visible() || !control.effectivelyVisible()) return "it is hidden";
    if (!form.enabled() || !control.effectivelyEnabled()) return "it is disabled";
    return "the runtime refused it";
}

} // namespace

ProgramTest::ProgramTest() : ProgramTest(HeadlessProgram::Options{}) {}

ProgramTest::ProgramTest(const HeadlessProgram::Options& options)
    : program_(std::make_unique<HeadlessProgram>(options))
{
}

void ProgramTest::TearDown()
{
    EXPECT_EQ(host().pendingModalActions(), 0u) << "a modal window the test answered was never shown";
    EXPECT_EQ(host().pendingAnswers(), 0u) << "a message box the test answered was never shown";
    // The program goes before its working directory.
    program_.reset();
}

bool ProgramTest::start() { return startProgram(app(), startOptions()); }

StartOptions ProgramTest::startOptions() const { return {.lockFile = directory() / "tarvik.lock"}; }

void ProgramTest::renewProgram(const HeadlessProgram::Options& options)
{
    program_.reset();
    program_ = std::make_unique<HeadlessProgram>(options);
}

void ProgramTest::require(bool done, std::string_view action, const Control& control)
{
    if (!done)
        ADD_FAILURE() << "the user could not " << action << " " << control.form().name() << "."
                      << control.qualifiedName() << ": " << obstacle(control);
}

void ProgramTest::type(Control& control, std::string_view text)
{
    require(runtime().input().type(control, text), "type into", control);
}

void ProgramTest::press(Key key, int shift)
{
    if (!runtime().input().press(key, shift)) ADD_FAILURE() << "no window could take the key " << static_cast<int>(key);
}

void ProgramTest::press(Control& control, Key key, int shift)
{
    require(runtime().input().press(control, key, shift), "press a key on", control);
}

void ProgramTest::click(Control& control) { require(runtime().input().click(control), "click", control); }

void ProgramTest::doubleClick(Control& control)
{
    require(runtime().input().doubleClick(control), "double-click", control);
}

void ProgramTest::clickForm(Form& form)
{
    if (!runtime().input().clickForm(form)) ADD_FAILURE() << "the user could not click window " << form.name();
}

void ProgramTest::focus(Control& control) { require(runtime().input().focus(control), "focus", control); }

void ProgramTest::select(ListControl& list, int row)
{
    require(runtime().input().select(list, row), "select row " + std::to_string(row) + " of", list);
}

void ProgramTest::paste(TextBox& box, std::string_view text) { require(runtime().input().paste(box, text), "paste into", box); }

void ProgramTest::mouse(PictureBox& box, float x, float y, int button)
{
    require(runtime().input().mouseClick(box, x, y, button), "click the mouse on", box);
}

void ProgramTest::drag(PictureBox& box, float x1, float y1, float x2, float y2, int button)
{
    UserInput& input = runtime().input();
    require(input.mouseDown(box, x1, y1, button), "press the mouse on", box);
    require(input.mouseMove(box, x2, y2, button), "move the mouse on", box);
    require(input.mouseUp(box, x2, y2, button), "release the mouse on", box);
}

bool ProgramTest::close(Form& form) { return runtime().input().close(form); }

void ProgramTest::chooseMenu(std::string_view name, int index)
{
    for (Form* form : runtime().forms())
        if (Control* item = form->findControl(name, index); item && item->kind() == ControlKind::Menu) {
            require(runtime().input().choose(static_cast<MenuItem&>(*item)), "choose", *item);
            return;
        }
    ADD_FAILURE() << "no open window has a menu item " << name << (index >= 0 ? "(" + std::to_string(index) + ")" : "");
}

Form& ProgramTest::openFromMenu(std::string_view item, std::string_view form)
{
    chooseMenu(item);
    Form* window = runtime().findForm(form);
    if (window == nullptr) throw std::runtime_error(std::string(item) + " opened no " + std::string(form));
    return *window;
}

void ProgramTest::retype(TextBox& box, std::string_view text)
{
    focus(box);
    require(runtime().input().selectText(box, 0, static_cast<int>(box.text().size())), "select the text of", box);
    type(box, text);
}

void ProgramTest::wait(std::int64_t ms) { runtime().wait(ms); }

void ProgramTest::after(std::int64_t ms, std::function<void()> action) { runtime().schedule(ms, std::move(action)); }

void ProgramTest::onModal(std::string form, std::function<void(Form&)> action)
{
    host().onModal(std::move(form), std::move(action));
}

void ProgramTest::answer(std::string form, std::string button)
{
    host().onModal(form, [this, form, button](Form& shown) {
        Control* control = shown.findControl(button);
        if (control == nullptr)
            ADD_FAILURE() << "window " << form << " has no control " << button;
        else
            click(*control);
    });
}

std::vector<std::string> ProgramTest::errorWindows() const
{
    std::vector<std::string> texts;
    for (const auto& shown : modalShows())
        if (shown.form == "frmerrmsg") texts.push_back(shown.text);
    return texts;
}

std::vector<std::string> ProgramTest::calls() const
{
    std::vector<std::string> printed;
    for (const CallRecord& call : program_->driver().calls()) printed.push_back(call.text());
    return printed;
}

std::vector<std::string> ProgramTest::takeCalls()
{
    std::vector<std::string> printed;
    for (const CallRecord& call : driver().callsSinceMark()) printed.push_back(call.text());
    driver().mark();
    return printed;
}

std::optional<double> ProgramTest::storedSetting(int board, int axis, AxisField field)
{
    const std::int16_t type = app().state().boards.BoardType.at(static_cast<std::size_t>(board));
    return axisSetting(app().state().Settings, type, board, axis, field);
}

void ProgramTest::storeSetting(int board, int axis, AxisField field, double value)
{
    const std::int16_t type = app().state().boards.BoardType.at(static_cast<std::size_t>(board));
    setAxisSetting(app().state().Settings, type, board, axis, field, value);
}

} // namespace tarvik::testing
