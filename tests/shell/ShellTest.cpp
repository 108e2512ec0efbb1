#include "kit/AppFixture.h"

#include "shell/AboutWindow.h"
#include "shell/AskSaveWindow.h"
#include "shell/ConfirmWindow.h"
#include "shell/Shell.h"

namespace tarvik::testing {
namespace {

using testing::AppTest;

class ShellTest : public AppTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    // Runs `ask` with the modal window answered by clicking the button `button` of `form`.
    template <class F>
    void answerWith(CommandButton F::*button)
    {
        host().onModal("", [button](Form& form) { form.runtime().input().click(static_cast<F&>(form).*button); });
    }
};

TEST_F(ShellTest, TheErrorWindowShowsItsMessageOverTheMainWindowAndOkGoesOn)
{
    main().move(300, 600);
    float left = 0, top = 0;
    host().onModal("frmerrmsg", [&](Form& form) {
        left = form.left();
        top = form.top();
        form.runtime().input().click(static_cast<ErrorWindow&>(form).okcmd);
    });
    ShowErrorMessage(app(), "Value needs to be between 1 and 10.");
    ASSERT_EQ(host().modalShows().size(), 1u);
    EXPECT_EQ(host().modalShows()[0].text, "Value needs to be between 1 and 10.");
    EXPECT_EQ(left, 2500);
    EXPECT_EQ(top, 2800);
    EXPECT_EQ(app().loaded<ErrorWindow>(), nullptr);
    EXPECT_FALSE(runtime().ended());
}

TEST_F(ShellTest, AnErrorRaisedWhileTheErrorWindowIsOpenIsShownAfterIt)
{
    int depth = 0, deepest = 0;
    auto okAfter = [&](std::string more) {
        return [&, more](Form& form) {
            deepest = std::max(deepest, ++depth);
            if (!more.empty()) ShowErrorMessage(app(), more);
            form.runtime().input().click(static_cast<ErrorWindow&>(form).okcmd);
            --depth;
        };
    };
    host().onModal("frmerrmsg", okAfter("second"));
    host().onModal("frmerrmsg", okAfter("third"));
    host().onModal("frmerrmsg", okAfter(""));
    ShowErrorMessage(app(), "first");
    std::vector<std::string> texts;
    for (const auto& shown : host().modalShows()) texts.push_back(shown.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(deepest, 1);
    EXPECT_TRUE(app().state().errors.PendingErrorMessages.empty());
    EXPECT_FALSE(app().state().errors.ErrorWindowOpen);
}

TEST_F(ShellTest, QuitTarvikInTheErrorWindowEndsTheProgram)
{
    host().onModal("frmerrmsg", [](Form& form) { form.runtime().input().click(static_cast<ErrorWindow&>(form).quitcmd); });
    runtime().schedule(0, [&] { ShowErrorMessage(app(), "status 6: failure"); });
    runtime().wait(1);
    EXPECT_TRUE(runtime().ended());
}

TEST_F(ShellTest, AskSaveSettingsLeavesTheAnswerOfEachButtonAndTheCloseBoxCancels)
{
    answerWith(&AskSaveWindow::cmdsave);
    EXPECT_EQ(AskSaveSettings(app(), "Save the settings of board 1?"), AnswerYes);
    EXPECT_EQ(host().modalShows().back().text, "Save the settings of board 1?");
    answerWith(&AskSaveWindow::cmdForget);
    EXPECT_EQ(AskSaveSettings(app(), "q"), AnswerNo);
    answerWith(&AskSaveWindow::cmdCancel);
    EXPECT_EQ(AskSaveSettings(app(), "q"), AnswerCancel);
    host().onModal("frmasksave", [](Form& form) { form.runtime().input().close(form); });
    EXPECT_EQ(AskSaveSettings(app(), "q"), AnswerCancel);
}

TEST_F(ShellTest, AQuestionOpenWhenTheProgramEndsAnswersCancel)
{
    host().onModal("frmasksave", [](Form& form) { form.runtime().endProgram(); });
    EXPECT_EQ(AskSaveSettings(app(), "q"), AnswerCancel);
    EXPECT_TRUE(runtime().ended());
}

TEST_F(ShellTest, BoardConfirmationsNameTheBoardByItsMenuCaption)
{
    float left = 0;
    host().onModal("frmconfinit", [&](Form& form) {
        left = form.left();
        form.runtime().input().click(static_cast<ConfirmInitWindow&>(form).cmdcont);
    });
    EXPECT_EQ(ConfirmBoardInit(app(), 2), ConfirmContinue);
    EXPECT_EQ(left, 4000);
    EXPECT_EQ(host().modalShows().back().text,
              "Board ID 2: 3-Axis Open-Loop Stepper Board, ISA is selected to be initialized. Please confirm this "
              "action or cancel.");

    answerWith(&ConfirmBoardWindow::cmdcan);
    EXPECT_EQ(ConfirmBoardSelection(app(), 4), ConfirmCancel);
    EXPECT_EQ(host().modalShows().back().text,
              "Board ID 4: 4-Axis Servo Board, PCI is selected. Please confirm this action or cancel.");

    host().onModal("frmconfbid", [](Form& form) { form.runtime().input().close(form); });
    EXPECT_EQ(ConfirmBoardSelection(app(), 4), ConfirmCancel);
}

TEST_F(ShellTest, TheAboutBoxSaysTheBoardsAreSimulated)
{
    std::string said;
    host().onModal("frmabout", [&](Form& form) {
        auto& about = static_cast<AboutWindow&>(form);
        said = about.lblname.caption() + " " + about.lblversion.caption() + " " + about.lblboards.caption();
        form.runtime().input().click(about.okcmd);
    });
    EXPECT_TRUE(input().choose(item("helpaboutmu")));
    EXPECT_EQ(said, "Tarvik Version 0.1.0 No motion driver is present: the boards are simulated.");
}

} // namespace
} // namespace tarvik::testing
