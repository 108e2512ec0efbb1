#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "kit/ProgramTest.h"
#include "kit/ScratchDirectory.h"
#include "mainwindow/MainWindowForm.h"
#include "shell/ErrorWindow.h"

namespace tarvik::testing {

// The kit's program fixture with the main window at hand and the simulated boards chosen per
// start: each start() begins with a fresh program, so one test can start several in turn.
class AppTest : public ProgramTest {
protected:
    void makeProgram(std::optional<std::vector<SimBoardSpec>> boards = std::nullopt)
    {
        renewProgram({.boards = std::move(boards)});
    }

    bool start(std::optional<std::vector<SimBoardSpec>> boards = std::nullopt)
    {
        makeProgram(std::move(boards));
        return ProgramTest::start();
    }

    StartOptions options() const { return startOptions(); }

    UserInput& input() { return runtime().input(); }
    MainWindowForm& main() { return *app().loaded<MainWindowForm>(); }
    MenuItem& item(std::string_view name) { return *main().menu(name); }
};

} // namespace tarvik::testing
