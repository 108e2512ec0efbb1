#pragma once

#include "common/BoardPicker.h"
#include "mainwindow/HeadlessProgram.h"
#include "runtime/FormRuntime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tarvik::testing {

// A dialog with a board list and an entry field whose check, key set and lost-focus rewrite a
// test chooses. The test fills the board list as it opens it; the handlers record what they saw.
class HelperTestForm : public Form {
public:
    explicit HelperTestForm(App& app);

    std::function<std::int16_t(TextBox&)> check;
    std::function<void(TextBox&)> normalize;
    std::string keySet = "+-.0123456789";

    std::int16_t valid = -1;           // the last flag the check gave
    std::vector<std::string> checked;  // the text of each Change, in order
    std::vector<int> listClicks;       // ListIndex at each Click of the board list
    std::int16_t boardId = -1;

    ComboBox bidlist{this, "bidlist", {.left = 120, .top = 360, .width = 1215, .height = 315},
                     ComboBox::Style::DropDownList};
    BoardPicker boards;
    TextBox valuetxt{this, "valuetxt", {.left = 1440, .top = 360, .width = 1500, .height = 285}};
    TextBox othertxt{this, "othertxt", {.left = 1440, .top = 840, .width = 1500, .height = 285}};

    // Fills the board list with the groups of `mask`; the preselected board becomes boardId.
    void listBoards(std::int16_t mask);
};

// A fresh headless program with the built-in simulated boards (1 to 7: type codes 0, 1, 2, 11,
// 12, 13, 14); the board table is set by each test.
class FormHelpersTest : public ::testing::Test {
protected:
    FormHelpersTest();

    // Sets BoardType: the given (ID, type code) pairs, -1 everywhere else.
    void configure(const std::vector<std::pair<int, std::int16_t>>& boards);
    // Loads the test dialog, fills its board list with the groups of `mask` and shows it.
    HelperTestForm& open(std::int16_t mask = -1);
    // The next error window is closed with its OK button.
    void answerErrorWindow();
    // The messages of the error windows shown so far.
    std::vector<std::string> errorMessages();
    int beeps() { return program.host().beepCount(); }
    UserInput& user() { return program.runtime().input(); }

    HeadlessProgram program;
    App& app;
};

} // namespace tarvik::testing
