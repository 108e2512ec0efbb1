#include "kit/AppFixture.h"

#include <fstream>

#include "driver/StatusText.h"
#include "mainwindow/MainMenus.h"
#include "program/BoardTable.h"
#include "shell/BackgroundWindow.h"
#include "shell/BadConfigurationWindow.h"
#include "shell/ErrorWindow.h"

namespace tarvik::testing {
namespace {

using testing::AppTest;
using testing::fileBytes;

std::vector<std::string> captionsOf(const std::vector<MenuItem*>& items)
{
    std::vector<std::string> captions;
    for (const MenuItem* item : items) captions.push_back(item->caption());
    return captions;
}

std::vector<std::string> namesOf(const std::vector<MenuItem*>& items)
{
    std::vector<std::string> names;
    for (const MenuItem* item : items) names.push_back(item->name());
    return names;
}

class StartUpTest : public AppTest {};

TEST_F(StartUpTest, BuiltInBoardsFillTheBoardTableAndTheInitializeBoardMenu)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(main().visible());
    EXPECT_EQ(runtime().mainForm(), &main());
    EXPECT_TRUE(app().loaded<BackgroundWindow>() != nullptr);
    EXPECT_EQ(runtime().forms().back()->name(), "frmpicture");

    const std::array<std::int16_t, 8> types{-1, 0, 1, 2, 11, 12, 13, 14};
    EXPECT_EQ(app().state().boards.BoardType, types);
    EXPECT_EQ(app().state().boards.BoardAddress[1], 0x300);
    EXPECT_EQ(main().bidmu(0).caption(), "ID 0: No Board");
    EXPECT_EQ(main().bidmu(1).caption(), "ID 1: 3-Axis Servo Board, ISA");
    EXPECT_EQ(main().bidmu(7).caption(), "ID 7: 4-Axis Encoder Board, PCI");
    EXPECT_FALSE(main().bidmu(0).enabled());
    EXPECT_EQ(app().loaded<BadConfigurationWindow>(), nullptr);
    EXPECT_EQ(app().state().selection.CurrentBoard, 0);
    EXPECT_EQ(app().state().selection.CurrentAxis, 1);
    EXPECT_EQ(app().state().HelpFilePath.filename(), "contents.html");
    EXPECT_EQ(app().state().HelpFilePath.parent_path().parent_path().filename(), "Docs");
}

TEST_F(StartUpTest, MenusStandInTheirOrderAndTheirItemsAreOn)
{
    ASSERT_TRUE(start());
    std::vector<MenuItem*> bar;
    for (Control* control : main().controls())
        if (control->kind() == ControlKind::Menu && control->container() == nullptr)
            bar.push_back(static_cast<MenuItem*>(control));
    EXPECT_EQ(captionsOf(bar), (std::vector<std::string>{"&File", "F&unctions", "&Initialize Board", "&Test", "&Demo", "&Help"}));
    EXPECT_EQ(captionsOf(item("functionsmu").items()),
              (std::vector<std::string>{"Initialization", "Trajectory Control", "Start/Stop", "Servo", "Stepper",
                                        "Stepper Closed Loop", "Inputs/Outputs/Breakpoints", "General",
                                        "Advanced RDB Functions"}));
    // A menu holds the rows listed for it, in the order of their places: no more, no fewer.
    std::vector<std::string> trajectoryRows;
    for (const MenuEntry& entry : mainMenuEntries())
        if (entry.parent == "trajectorymu") trajectoryRows.emplace_back(entry.name);
    EXPECT_EQ(namesOf(item("trajectorymu").items()), trajectoryRows);
    EXPECT_EQ(item("trajectorymu").items().front()->name(), "loadtargetpos");
    EXPECT_EQ(item("rdbmu").items().back()->name(), "readlimstat");
    std::vector<MenuItem*> boardItems;
    for (int id = 0; id < 8; ++id) boardItems.push_back(&main().bidmu(id));
    EXPECT_EQ(item("initboardmu").items(), boardItems);

    EXPECT_TRUE(item("fileprefmu").enabled());
    EXPECT_TRUE(item("filequitmu").enabled());
    EXPECT_TRUE(item("helpaboutmu").enabled());
    EXPECT_TRUE(item("iomu").enabled());
    EXPECT_TRUE(item("returnioport").enabled());
    EXPECT_FALSE(item("testservmu").enabled());
    EXPECT_FALSE(item("xytablemu").enabled());
}

struct ClassMenus {
    std::int16_t typeCode;
    bool servo, stepper, closedLoop;
};

TEST_F(StartUpTest, EachBoardClassSwitchesOnItsOwnMenus)
{
    for (const ClassMenus& c : {ClassMenus{0, true, false, false}, ClassMenus{12, false, true, false},
                                ClassMenus{2, false, true, true}, ClassMenus{14, false, false, false}}) {
        SCOPED_TRACE(c.typeCode);
        ASSERT_TRUE(start(std::vector<SimBoardSpec>{{3, c.typeCode, 0x300, {}}}));
        EXPECT_EQ(item("servomu").enabled(), c.servo);
        EXPECT_EQ(item("steppermu").enabled(), c.stepper);
        EXPECT_EQ(item("stepclmu").enabled(), c.closedLoop);
        EXPECT_EQ(main().bidmu(2).caption(), "ID 2: No Board");
    }
}

TEST_F(StartUpTest, AnUnsupportedTypeCodeIsListedInTheBadConfigurationWindowAndLeftOut)
{
    ASSERT_TRUE(start(std::vector<SimBoardSpec>{{1, 0, 0x300, {}}, {2, 15, 0x320, {}}}));
    auto* window = app().loaded<BadConfigurationWindow>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->visible());
    EXPECT_EQ(window->messageText(), "ID 2, type code 15, address 320: Tarvik does not support this board type");
    EXPECT_EQ(app().state().boards.BoardType[2], -1);
    EXPECT_EQ(main().bidmu(2).caption(), "ID 2: No Board");
    EXPECT_EQ(app().state().boards.BoardType[1], 0);
    EXPECT_TRUE(input().click(window->okcmd));
    EXPECT_EQ(app().loaded<BadConfigurationWindow>(), nullptr);
}

TEST(UnverifiedBoards, NamesEveryBoardThatCannotBeVerified)
{
    std::vector<std::int16_t> types(32, -1);
    std::vector<std::int16_t> addresses(32, 0);
    types[0] = 0, addresses[0] = 0x200;
    types[1] = 0, addresses[1] = 0x300;
    types[2] = 40, addresses[2] = 0x320;
    types[3] = 1, addresses[3] = 0x300;
    types[9] = 1, addresses[9] = 0x400;
    EXPECT_EQ(UnverifiedBoards(types, addresses),
              (std::vector<std::string>{
                  "ID 0, type code 0, address 200: board ID 0 is reserved and never holds a board",
                  "ID 2, type code 40, address 320: the type code is not a known board type",
                  "ID 3, type code 1, address 300: shares its I/O address with board ID 1",
                  "ID 9, type code 1, address 400: board IDs above 7 cannot be used",
              }));
    types.assign(32, -1);
    types[1] = 3;
    EXPECT_TRUE(UnverifiedBoards(types, addresses).empty());
}

const std::string kNoBoardsMessage =
    "Tarvik could not find any Quorvane Motion Control boards configured. Please run the Board Configuration "
    "Utility, in order to configure boards before running Tarvik.";
const std::string kBoardFileAdvice = "\n\nEach line of boards.cfg in the working directory describes one board:";

TEST_F(StartUpTest, NoConfiguredBoardShowsTheMessageWithItsCauseAndEndsTheProgram)
{
    EXPECT_FALSE(start(std::vector<SimBoardSpec>{}));
    ASSERT_EQ(host().modalShows().size(), 1u);
    EXPECT_EQ(host().modalShows()[0].form, "frmerrmsg");
    const std::string text = host().modalShows()[0].text;
    EXPECT_TRUE(text.starts_with(kNoBoardsMessage + "\n\nThe board configuration lists no board on an ID from 1 to 7." +
                                 kBoardFileAdvice))
        << text;
    EXPECT_TRUE(text.ends_with("start Tarvik again.")) << text;
    EXPECT_TRUE(runtime().ended());
    EXPECT_TRUE(runtime().forms().empty());
}

TEST_F(StartUpTest, AFailingConfigurationCallEndsTheProgramNamingItsStatus)
{
    makeProgram();
    driver().injectFault("get_bd_config", 6);
    EXPECT_FALSE(startProgram(app(), options()));
    ASSERT_EQ(host().modalShows().size(), 1u);
    EXPECT_TRUE(host().modalShows()[0].text.starts_with(kNoBoardsMessage + "\n\nThe board configuration could not be "
                                                        "read: " + StatusText(6)))
        << host().modalShows()[0].text;
}

// The cause is seen without scrolling: the error window grows to the whole text.
TEST_F(StartUpTest, AnUnreadableBoardFileIsNamedWithItsLineInAWindowLargeEnough)
{
    std::ofstream("boards.cfg") << "1 0 300\n2 zero 320\n";
    makeProgram();
    float boxWidth = 0, boxHeight = 0, formHeight = 0, okBottom = 0;
    host().onModal("frmerrmsg", [&](Form& form) {
        auto& window = static_cast<ErrorWindow&>(form);
        boxWidth = window.msgtxt.width();
        boxHeight = window.msgtxt.height();
        formHeight = window.height();
        okBottom = window.okcmd.top() + window.okcmd.height();
        window.runtime().input().click(window.okcmd);
    });
    EXPECT_FALSE(startProgram(app(), options()));
    ASSERT_EQ(host().modalShows().size(), 1u);
    const std::string text = host().modalShows()[0].text;
    const std::string cause = "\n\nThe board configuration could not be read: boards.cfg, line 2: type code \"zero\" "
                              "is not a whole number from -32768 to 32767.";
    EXPECT_EQ(text.substr(0, kNoBoardsMessage.size() + cause.size() + kBoardFileAdvice.size()),
              kNoBoardsMessage + cause + kBoardFileAdvice);
    // About 90 twips a character and 225 a line, and the blank lines between the paragraphs.
    EXPECT_GT(boxWidth, 5175);
    EXPECT_GE(boxHeight, 225 * (static_cast<float>(text.size()) * 90 / boxWidth + 2));
    EXPECT_LT(okBottom, formHeight);
}

TEST_F(StartUpTest, QuitFromTheErrorWindowEndsTheStartUp)
{
    makeProgram(std::vector<SimBoardSpec>{});
    host().onModal("frmerrmsg", [](Form& form) { form.runtime().input().click(static_cast<ErrorWindow&>(form).quitcmd); });
    EXPECT_FALSE(startProgram(app(), options()));
    EXPECT_TRUE(runtime().ended());
}

TEST_F(StartUpTest, ASecondInstanceIsRefusedUntilTheFirstHasEnded)
{
    ASSERT_TRUE(start());
    HeadlessProgram second;
    second.host().answerMessageBox(msgbox::Ok);
    EXPECT_FALSE(startProgram(second.app(), options()));
    ASSERT_EQ(second.host().messageBoxes().size(), 1u);
    EXPECT_TRUE(second.host().messageBoxes()[0].text.starts_with("Tarvik is already running.")) << second.host().messageBoxes()[0].text;
    EXPECT_TRUE(second.runtime().ended());
    EXPECT_FALSE(runtime().ended());

    EXPECT_TRUE(input().choose(item("filequitmu")));
    EXPECT_TRUE(runtime().ended());
    HeadlessProgram third;
    EXPECT_TRUE(startProgram(third.app(), options()));
}

TEST_F(StartUpTest, ALockFileLeftBehindDoesNotBlockTheStart)
{
    std::ofstream("tarvik.lock") << "left by a crashed run";
    EXPECT_TRUE(start());
}

TEST_F(StartUpTest, ThePreferenceFileIsCreatedWhenMissingAndKeptWhenPresent)
{
    ASSERT_TRUE(start());
    std::vector<std::uint8_t> fresh;
    for (int id = 0; id < 8; ++id) fresh.insert(fresh.end(), {1, 0, 0, 0});
    EXPECT_EQ(fileBytes("Moxel.prf"), fresh);

    std::vector<std::uint8_t> mine = fresh;
    mine[4] = 7, mine[6] = 1;
    testing::writeFileBytes("Moxel.prf", mine);
    ASSERT_TRUE(start());
    EXPECT_EQ(fileBytes("Moxel.prf"), mine);
}

TEST_F(StartUpTest, ADamagedPreferenceFileIsReplacedOnlyWhenTheUserAgrees)
{
    testing::writeFileBytes("Moxel.prf", {1, 0, 0});
    makeProgram();
    host().answerMessageBox(msgbox::No);
    ASSERT_TRUE(startProgram(app(), options()));
    ASSERT_EQ(host().messageBoxes().size(), 1u);
    EXPECT_NE(host().messageBoxes()[0].text.find("Replace the preference file Moxel.prf"), std::string::npos);
    EXPECT_EQ(fileBytes("Moxel.prf"), (std::vector<std::uint8_t>{1, 0, 0}));

    makeProgram();
    host().answerMessageBox(msgbox::Yes);
    ASSERT_TRUE(startProgram(app(), options()));
    EXPECT_EQ(fileBytes("Moxel.prf").size(), 32u);
}

} // namespace
} // namespace tarvik::testing
