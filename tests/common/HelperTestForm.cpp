#include "common/HelperTestForm.h"

#include "common/KeyFilter.h"
#include "driver/sim/BoardConfigFile.h"

namespace tarvik::testing {

HelperTestForm::HelperTestForm(App& app)
    : Form(app.runtime(), "frmhelpers", {.caption = "Helpers"}), boards(app, bidlist)
{
    bidlist.onClick = [this] { listClicks.push_back(bidlist.listIndex()); };
    bidlist.onKeyDown = [this](int& keyCode, int) { boards.pickByKey(keyCode); };
    valuetxt.onKeyPress = [this](int& keyAscii) { keyAscii = FilterKey(keyAscii, keySet); };
    valuetxt.onChange = [this] {
        checked.push_back(valuetxt.text());
        if (check) valid = check(valuetxt);
    };
    valuetxt.onLostFocus = [this] {
        if (normalize) normalize(valuetxt);
    };
}

void HelperTestForm::listBoards(std::int16_t mask)
{
    if (const auto preselected = boards.fill(mask); preselected && boardId == -1) boardId = *preselected;
}

FormHelpersTest::FormHelpersTest()
    : program(HeadlessProgram::Options{.boards = sim::builtInBoards()}), app(program.app())
{
}

void FormHelpersTest::configure(const std::vector<std::pair<int, std::int16_t>>& boards)
{
    app.state().boards.BoardType.fill(-1);
    for (const auto& [id, type] : boards) app.state().boards.BoardType.at(static_cast<std::size_t>(id)) = type;
}

HelperTestForm& FormHelpersTest::open(std::int16_t mask)
{
    HelperTestForm& form = app.form<HelperTestForm>();
    form.listBoards(mask);
    form.show();
    return form;
}

void FormHelpersTest::answerErrorWindow()
{
    program.host().onModal("frmerrmsg", [this](Form& window) {
        Control* ok = window.findControl("okcmd");
        ASSERT_NE(ok, nullptr);
        user().click(*ok);
    });
}

std::vector<std::string> FormHelpersTest::errorMessages()
{
    std::vector<std::string> texts;
    for (const auto& shown : program.host().modalShows())
        if (shown.form == "frmerrmsg") texts.push_back(shown.text);
    return texts;
}

} // namespace tarvik::testing
