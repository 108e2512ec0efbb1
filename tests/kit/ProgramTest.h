#pragma once

#include "mainwindow/HeadlessProgram.h"
#include "mainwindow/StartUp.h"
#include "mainwindow/TemporaryWorkingDirectory.h"
#include "program/App.h"
#include "program/AxisSettings.h"
#include "runtime/FormRuntime.h"
#include "shell/MainWindowServices.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::testing {

// The fixture of every test that drives the program as a user: each test gets its own working
// directory and a fresh headless program (virtual clock, simulated boards behind a recording
// driver; see HeadlessProgram). Its helpers do what a user does and fail the test, naming the
// control, when the user could not have done it (a disabled button, a hidden window, another
// window shown modally).
//
// Modal windows and message boxes are answered by a scripted responder: queue the answers
// before the action that shows them (onModal, answer, answerMessageBox). The error window is
// closed with OK and OK-only message boxes answered OK unless something else is queued; any
// other prompt nobody answered ends the test with an UnansweredPrompt naming it and its text.
// Answers still queued when the test ends fail it: the prompt they were meant for never came.
class ProgramTest : public ::testing::Test {
protected:
    ProgramTest();
    explicit ProgramTest(const HeadlessProgram::Options& options);
    void TearDown() override;

    HeadlessProgram& program() { return *program_; }
    App& app() { return program_->app(); }
    Runtime& runtime() { return program_->runtime(); }
    HeadlessHost& host() { return program_->host(); }
    RecordingDriver& driver() { return program_->driver(); }
    Clock& clock() { return program_->clock(); }
    const std::filesystem::path& directory() const { return directory_.path(); }

    // The program's start-up, with its single-instance lock in the test's directory. False
    // when the program ended during start-up.
    bool start();
    // The start options start() uses, for a further program a test starts by hand.
    StartOptions startOptions() const;
    // Ends the program and puts a fresh one, built with `options`, in its place; the old one
    // goes first, so that its single-instance lock is free again.
    void renewProgram(const HeadlessProgram::Options& options);

    // What the in-memory settings record of the board's class holds for the axis (nothing
    // where the class keeps no such field), and a value put there as a loaded option would.
    std::optional<double> storedSetting(int board, int axis, AxisField field);
    void storeSetting(int board, int axis, AxisField field, double value);

    // ---- What a user does -----------------------------------------------------------------
    void type(Control& control, std::string_view text);
    void press(Key key, int shift = 0);
    void press(Control& control, Key key, int shift = 0);
    void click(Control& control);
    void doubleClick(Control& control);
    void clickForm(Form& form);
    void focus(Control& control);
    void select(ListControl& list, int row);
    void paste(TextBox& box, std::string_view text);
    // Selects the whole text of the box, as a user does before typing over it, and types.
    void retype(TextBox& box, std::string_view text);
    // Press and release at one point, in the box's scale units.
    void mouse(PictureBox& box, float x, float y, int button = LeftButton);
    // Press at the first point, move to the second, release there.
    void drag(PictureBox& box, float x1, float y1, float x2, float y2, int button = LeftButton);
    // The close box; the window may refuse (QueryUnload). True when it closed.
    bool close(Form& form);
    // Chooses the menu item of this name (and index, in a menu array) of the open windows.
    void chooseMenu(std::string_view name, int index = -1);
    // Chooses the menu item and returns the window `form` it opened; throws when it opened none.
    Form& openFromMenu(std::string_view item, std::string_view form);
    template <class F>
    F& openFromMenu(std::string_view item)
    {
        chooseMenu(item);
        F* window = runtime().find<F>();
        if (window == nullptr) throw std::runtime_error(std::string(item) + " opened no window");
        return *window;
    }
    // Makes `board` the current board and opens window F as a child window, as its menu item
    // does.
    template <class F>
    F& openWithCurrentBoard(int board)
    {
        app().state().selection.CurrentBoard = static_cast<std::int16_t>(board);
        F& window = app().form<F>();
        OpenChildWindow(window);
        return window;
    }
    // The control of a window by name (and index, in an array), as kind C; throws when the
    // window has none.
    template <class C = TextBox>
    static C& control(Form& form, std::string_view name, int index = -1)
    {
        Control* found = form.findControl(name, index);
        if (found == nullptr) throw std::runtime_error(form.name() + " has no control " + std::string(name));
        return dynamic_cast<C&>(*found);
    }
    // Lets `ms` of virtual time pass: timers and scheduled actions run.
    void wait(std::int64_t ms);
    // Runs `action` as user input when `ms` more have passed (inside DoEvents, a wait or a
    // modal loop), e.g. a Stop click during a cyclic move.
    void after(std::int64_t ms, std::function<void()> action);

    // ---- The responder ---------------------------------------------------------------------
    // The next modal show of `form` runs `action` inside its loop.
    void onModal(std::string form, std::function<void(Form&)> action);
    // The next modal show of `form` is answered by clicking its control `button`.
    void answer(std::string form, std::string button);
    // The next message box returns `code` (msgbox::Yes, ...).
    void answerMessageBox(int code) { host().answerMessageBox(code); }

    // ---- What the program showed and called ------------------------------------------------
    int beeps() const { return program_->host().beepCount(); }
    std::vector<HeadlessHost::Shown> messageBoxes() const { return program_->host().messageBoxes(); }
    std::vector<HeadlessHost::Shown> modalShows() const { return program_->host().modalShows(); }
    // The messages the error window showed, in order.
    std::vector<std::string> errorWindows() const;
    // The driver calls in their printed form, "read_pos(1, 2, &1500)".
    std::vector<std::string> calls() const;
    // The printed calls since the previous takeCalls(), and consumes them.
    std::vector<std::string> takeCalls();

private:
    // Fails the test with `action` and the control's name when `done` is false.
    void require(bool done, std::string_view action, const Control& control);

    TemporaryWorkingDirectory directory_;
    std::unique_ptr<HeadlessProgram> program_;
};

} // namespace tarvik::testing
