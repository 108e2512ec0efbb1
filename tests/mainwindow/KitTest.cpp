// The test kit itself: what its helpers do for a test, and that they fail a test where a user
// could not have acted.

#include "kit/ProgramTest.h"

#include "shell/PreferencesWindow.h"
#include "shell/Shell.h"

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>

namespace tarvik::testing {
namespace {

using ::testing::HasSubstr;

class KitTest : public ProgramTest {
protected:
    // Runs `action` and returns the failures it reported, without failing this test.
    template <class Action>
    std::vector<std::string> failuresOf(Action action)
    {
        ::testing::TestPartResultArray results;
        {
            ::testing::ScopedFakeTestPartResultReporter intercept(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
            action();
        }
        std::vector<std::string> messages;
        for (int i = 0; i < results.size(); ++i) messages.emplace_back(results.GetTestPartResult(i).message());
        return messages;
    }
};

TEST_F(KitTest, StartsTheProgramInItsOwnDirectoryAndChoosesMenusByName)
{
    EXPECT_EQ(std::filesystem::current_path(), directory());
    ASSERT_TRUE(start());
    EXPECT_THAT(takeCalls(), ::testing::Contains(HasSubstr("get_bd_config(")));
    chooseMenu("fileprefmu");
    EXPECT_NE(app().loaded<PreferencesWindow>(), nullptr);
    EXPECT_TRUE(takeCalls().empty());
}

TEST_F(KitTest, UserActionsOnDisabledControlsFailTheTestNamingThem)
{
    ASSERT_TRUE(start());
    const auto failures = failuresOf([this] { chooseMenu("servomu"); });
    // The built-in boards include servo boards, so the Servo menu is on; an item whose window
    // is not built yet is off.
    EXPECT_TRUE(failures.empty());
    const auto refused = failuresOf([this] { chooseMenu("bidmu", 0); });
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_THAT(refused[0], HasSubstr("mditarvik.bidmu(0)"));
    EXPECT_THAT(refused[0], HasSubstr("disabled"));
    EXPECT_THAT(failuresOf([this] { chooseMenu("nosuchmu"); }), ::testing::ElementsAre(HasSubstr("nosuchmu")));
}

TEST_F(KitTest, ErrorWindowIsClosedWithOkUnlessAnsweredOtherwise)
{
    ASSERT_TRUE(start());
    ShowErrorMessage(app(), "Axis 2 of board 1 did not stop.");
    ASSERT_FALSE(modalShows().empty());
    EXPECT_EQ(modalShows().back().form, "frmerrmsg");
    EXPECT_EQ(modalShows().back().text, "Axis 2 of board 1 did not stop.");
    EXPECT_FALSE(runtime().endRequested());

    answer("frmerrmsg", "quitcmd");
    ShowErrorMessage(app(), "again");
    EXPECT_TRUE(runtime().endRequested());
}

TEST_F(KitTest, ScriptedAnswersAreTakenInOrderAndUnansweredPromptsNameTheirText)
{
    ASSERT_TRUE(start());
    answer("frmasksave", "cmdForget");
    answer("frmasksave", "cmdsave");
    EXPECT_EQ(AskSaveSettings(app(), "Save board 1?"), AnswerNo);
    EXPECT_EQ(AskSaveSettings(app(), "Save board 2?"), AnswerYes);

    answerMessageBox(msgbox::No);
    EXPECT_EQ(runtime().msgBox("Really?", msgbox::YesNo), msgbox::No);
    EXPECT_EQ(runtime().msgBox("Done.", msgbox::OkOnly), msgbox::Ok);
    try {
        runtime().msgBox("Overwrite the file?", msgbox::YesNo);
        ADD_FAILURE() << "an unanswered question went through";
    } catch (const UnansweredPrompt& prompt) {
        EXPECT_THAT(prompt.what(), HasSubstr("Overwrite the file?"));
    }
    EXPECT_EQ(messageBoxes().size(), 3u);
}

TEST_F(KitTest, ScheduledActionsRunAtTheirVirtualTimeInsideWaits)
{
    std::vector<std::int64_t> ranAt;
    after(250, [&] { ranAt.push_back(clock().nowMillis()); });
    after(100, [&] { ranAt.push_back(clock().nowMillis()); });
    wait(99);
    EXPECT_TRUE(ranAt.empty());
    wait(200);
    EXPECT_EQ(ranAt, (std::vector<std::int64_t>{100, 250}));
    EXPECT_EQ(clock().nowMillis(), 299);
}

} // namespace
} // namespace tarvik::testing
