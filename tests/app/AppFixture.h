#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

#include "app/HeadlessProgram.h"
#include "app/StartUp.h"
#include "app/frmerrmsg.h"
#include "app/mditarvik.h"
#include "init/ScratchDirectory.h"

namespace tarvik::testing {

// A fresh program in a scratch working directory, its single-instance lock inside it, and the
// error window answered OK unless a test says otherwise.
class AppTest : public ::testing::Test {
protected:
    void makeProgram(std::optional<std::vector<SimBoardSpec>> boards = std::nullopt)
    {
        program = std::make_unique<HeadlessProgram>(HeadlessProgram::Options{.boards = std::move(boards)});
    }

    bool start(std::optional<std::vector<SimBoardSpec>> boards = std::nullopt)
    {
        makeProgram(std::move(boards));
        return startProgram(app(), options());
    }

    static StartOptions options() { return {.lockFile = "tarvik.lock"}; }

    App& app() { return program->app(); }
    HeadlessHost& host() { return program->host(); }
    UserInput& input() { return program->runtime().input(); }
    mditarvik& main() { return *app().loaded<mditarvik>(); }
    MenuItem& item(std::string_view name) { return *main().menu(name); }

    ScratchDirectory scratch;
    std::unique_ptr<HeadlessProgram> program;
};

} // namespace tarvik::testing
