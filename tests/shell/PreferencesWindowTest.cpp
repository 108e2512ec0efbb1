#include "kit/AppFixture.h"

#include "shell/PreferencesWindow.h"

namespace tarvik::testing {
namespace {

using testing::AppTest;
using testing::fileBytes;
using testing::writeFileBytes;

class PreferencesWindowTest : public AppTest {
protected:
    void SetUp() override { ASSERT_TRUE(start(std::vector<SimBoardSpec>{{1, 0, 0x300, {}}, {3, 12, 0x340, {}}})); }
    PreferencesWindow* window() { return app().loaded<PreferencesWindow>(); }
};

TEST_F(PreferencesWindowTest, ShowsTheFileAndSavesTheEditedBoards)
{
    std::vector<std::uint8_t> bytes(32, 0);
    for (int id = 0; id < 8; ++id) bytes[static_cast<std::size_t>(id) * 4] = 1;
    bytes[3 * 4] = 4, bytes[3 * 4 + 2] = 1;
    bytes[5 * 4] = 9; // a board ID without a board keeps its record
    writeFileBytes("Moxel.prf", bytes);

    ASSERT_TRUE(input().choose(item("fileprefmu")));
    ASSERT_NE(window(), nullptr);
    PreferencesWindow& prefs = *window();
    EXPECT_TRUE(prefs.visible());
    EXPECT_EQ(prefs.lblboard(1).caption(), "ID 1: 3-Axis Servo Board, ISA");
    EXPECT_EQ(prefs.cbooption(3).listIndex(), 3);
    EXPECT_EQ(prefs.chkautoinit(3).value(), CheckBox::Checked);
    EXPECT_FALSE(prefs.cbooption(2).enabled());
    EXPECT_FALSE(input().select(prefs.cbooption(2), 5));

    EXPECT_TRUE(input().select(prefs.cbooption(1), 9));
    EXPECT_TRUE(input().click(prefs.chkautoinit(1)));
    EXPECT_TRUE(input().click(prefs.chkautoinit(3)));
    EXPECT_TRUE(input().click(prefs.cmdsave));
    EXPECT_EQ(window(), nullptr);

    bytes[4] = 10, bytes[6] = 1;
    bytes[3 * 4 + 2] = 0;
    EXPECT_EQ(fileBytes("Moxel.prf"), bytes);
}

TEST_F(PreferencesWindowTest, CloseLeavesTheFileAsItWas)
{
    const auto before = fileBytes("Moxel.prf");
    ASSERT_TRUE(input().choose(item("fileprefmu")));
    EXPECT_TRUE(input().select(window()->cbooption(1), 6));
    EXPECT_TRUE(input().click(window()->cmdclose));
    EXPECT_EQ(fileBytes("Moxel.prf"), before);
}

TEST_F(PreferencesWindowTest, ADamagedFileIsKeptUnlessTheUserAgreesToReplaceIt)
{
    const std::vector<std::uint8_t> damaged(33, 1);
    writeFileBytes("Moxel.prf", damaged);
    host().answerMessageBox(msgbox::No);
    EXPECT_TRUE(input().choose(item("fileprefmu")));
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(fileBytes("Moxel.prf"), damaged);

    host().answerMessageBox(msgbox::Yes);
    EXPECT_TRUE(input().choose(item("fileprefmu")));
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->cbooption(1).listIndex(), 0);
    EXPECT_EQ(window()->chkautoinit(1).value(), CheckBox::Unchecked);
    EXPECT_EQ(fileBytes("Moxel.prf").size(), 32u);
}

} // namespace
} // namespace tarvik::testing
