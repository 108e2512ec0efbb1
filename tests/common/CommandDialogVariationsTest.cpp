// The frame's variations: two value fields with a shared axis, read-back labels, option
// buttons (Set Stop Mode's) and a value field shown from the settings record and kept in it, and
// axis check boxes with a Run rule of their own.

#include "common/CommandDialogTest.h"

#include "commands/motion/SetStopModeDialog.h"
#include "driver/StatusText.h"
#include "program/AxisSettings.h"
#include "program/SettingsTables.h"

#include <gmock/gmock.h>

#include <array>
#include <bit>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;

// A value field kept in the record and shown from it at load, and a settings hook of the
// member's own that runs after the frame kept the value.
class KeptCountDialog : public CommandDialog {
public:
    explicit KeptCountDialog(App& app)
        : CommandDialog(app, {.name = "frm56s",
                              .caption = "Load Following Error Count",
                              .mask = 1 | 8,
                              .fields = {{.name = "follerrtxt",
                                          .maxLength = 6,
                                          .rule = {.check = FieldCheck::ValidateDoubleOrBlank, .bounds = {1, 32767}},
                                          .conversion = FieldConversion::Int32}},
                              .call = [](CommandRun& run) {
                                  return run.driver.load_fol_err(run.board, run.axis, run.value<std::int32_t>(0));
                              },
                              .kept = {{.field = AxisField::FollowingError, .shownAtLoad = true}},
                              .keep = [this, &app](const CommandRun& run) {
                                  keptSeen = axisSetting(app.state().Settings, run.type, run.board, run.axis,
                                                         AxisField::FollowingError);
                              }})
    {
    }
    TextBox& follerrtxt = field(0);
    std::optional<double> keptSeen{};
};

// Axis boxes, a Run rule of its own, and the axis set turned into the board's start code.
class MultiStartDialog : public CommandDialog {
public:
    explicit MultiStartDialog(App& app)
        : CommandDialog(app, {.name = "frm5C",
                              .caption = "Multi-Axis Start",
                              .mask = 63,
                              .axis = std::nullopt,
                              .axisChecks = CommandAxisChecks{.frameCaption = "Start:",
                                                              .boxes = {{"Axis #1", true},
                                                                        {"Axis #2", true},
                                                                        {"Axis #3", false},
                                                                        {"Axis #4", false}}},
                              .call = [](CommandRun& run) {
                                  constexpr std::array<std::int16_t, 8> kThreeAxisCodes{0, 0, 0, 1, 0, 3, 2, 4};
                                  const std::int16_t code =
                                      run.type <= 2 ? kThreeAxisCodes[static_cast<std::size_t>(run.axisSet & 7)] : run.axisSet;
                                  return run.driver.multi_start(run.board, code);
                              },
                              .runRule = [this] { return atLeastTwoAxes(); }})
    {
    }

private:
    bool atLeastTwoAxes()
    {
        const bool enough = std::popcount(static_cast<unsigned>(checkedAxes())) >= 2;
        msgtxt.setText(enough ? "" : "You must start at least two axes.");
        return enough;
    }
};

// A mode list in place of a value field, and a Run that starts enabled.
class MasterSlaveDialog : public CommandDialog {
public:
    explicit MasterSlaveDialog(App& app)
        : CommandDialog(app, {.name = "mstrslav",
                              .caption = "Master Slave Configure",
                              .mask = 9,
                              .modeList = CommandModeList{.rows = {{"Normal Axis", 0},
                                                                   {"Normal Slave", 255},
                                                                   {"Reverse Slave", -256},
                                                                   {"Master", -1}},
                                                          .loadRow = 3},
                              .runStartsEnabled = true,
                              .call = [](CommandRun& run) {
                                  return run.driver.master_slave_cfg(run.board, run.axis, run.mode);
                              }})
    {
    }
};

TEST_F(CommandDialogTest, AModeListGivesTheValueOfItsRowAndChoosingOneKeepsTheStatus)
{
    auto& dialog = open<MasterSlaveDialog>();
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 1", "ID: 2"));
    EXPECT_EQ(dialog.modeList().text(), "Master");
    EXPECT_FALSE(dialog.modeList().editable());
    EXPECT_TRUE(dialog.runcmd.enabled());
    click(dialog.runcmd);
    const std::string status = dialog.msgtxt.text();
    select(dialog.modeList(), 2);
    EXPECT_EQ(dialog.msgtxt.text(), status) << "choosing a mode leaves the status";
    type(dialog.axistxt(), "2");
    click(dialog.runcmd);
    dialog.modeList().setListIndex(-1);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("master_slave_cfg(1, 1, -1)", "master_slave_cfg(1, 2, -256)",
                                         "master_slave_cfg(1, 2, 0)"));
}

TEST_F(CommandDialogTest, TwoFieldsAndASharedAxisMustAllBeValidBeforeRun)
{
    app().state().selection.CurrentAxis = 3;
    auto& dialog = open<InPositionDialog>();
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 1", "ID: 2", "ID: 5"));
    EXPECT_EQ(app().state().selection.CurrentAxis, 1);
    EXPECT_EQ(dialog.valueValid(), (std::vector<std::int16_t>{0, 0}));

    type(dialog.dbtxt, "-10");
    EXPECT_EQ(dialog.dbtxt.text(), "10") << "the deadband takes no sign";
    type(dialog.postxt, "-");
    EXPECT_FALSE(dialog.runcmd.enabled()) << "a lone sign is no value";
    EXPECT_TRUE(modalShows().empty());
    retype(dialog.postxt, "\b");
    focus(dialog.dbtxt);
    EXPECT_EQ(dialog.postxt.text(), "0") << "an emptied field becomes 0 on leaving";
    EXPECT_TRUE(dialog.runcmd.enabled());

    retype(dialog.axistxt(), "\b");
    EXPECT_FALSE(dialog.runcmd.enabled());
    type(dialog.axistxt(), "2");
    retype(dialog.postxt, "-1073741825");
    EXPECT_EQ(lastModalText(), "Value needs to be between -1073741824 and 1073741823.");
    EXPECT_EQ(dialog.postxt.text(), "-1073741824");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre(::testing::StartsWith("in_pos(1, 2, -1073741824, 10, &")));
    EXPECT_EQ(app().state().selection.CurrentAxis, 2);
    EXPECT_THAT(dialog.readBack(0).caption(), ::testing::MatchesRegex("^( [0-9]+|-[0-9]+)$"));

    driver().injectFault("in_pos", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.readBack(0).caption(), "") << "a failed In Position empties its result";
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_boardTimeoutError));
}

TEST_F(CommandDialogTest, RowsStackBelowTheBoardListAndTheTextsCloseTheWindow)
{
    auto& dialog = open<InPositionDialog>();
    const auto bottom = [](const Control& control) { return control.top() + control.height(); };
    EXPECT_GT(dialog.postxt.top(), bottom(dialog.bidlist));
    EXPECT_GT(dialog.dbtxt.top(), bottom(dialog.postxt));
    EXPECT_GT(dialog.readBack(0).top(), bottom(dialog.dbtxt));
    EXPECT_GT(dialog.msgtxt.top(), bottom(dialog.readBack(0)));
    EXPECT_LT(bottom(dialog.msgtxt), dialog.height());

    auto& reader = open<ReadPositionDialog>();
    EXPECT_GT(reader.notice().top(), bottom(reader.msgtxt));
    EXPECT_LT(bottom(reader.notice()), reader.height());
    EXPECT_TRUE(reader.notice().locked());
}

TEST_F(CommandDialogTest, ReadBackShowsASuccessfulReadAndKeepsItAfterAFailure)
{
    auto& dialog = open<ReadPositionDialog>();
    EXPECT_TRUE(dialog.runcmd.enabled());
    driver().scriptReturns("read_pos", {-1500}, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.readBack(0).caption(), "-1500");
    driver().injectFault("read_pos", ZEVA_badDeviceOrAxisError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.readBack(0).caption(), "-1500");
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_badDeviceOrAxisError));
}

TEST_F(CommandDialogTest, OptionsShowTheStoredValueAndOnlyASuccessfulRunKeepsTheSentOne)
{
    app().state().selection.CurrentBoard = 2;
    app().state().Settings.ServoSettingsTable[2].Axis[0].StopMode = 3;
    app().state().Settings.ServoSettingsTable[2].Axis[1].StopMode = 7;
    auto& dialog = open<SetStopModeDialog>();
    EXPECT_TRUE(dialog.option(2).value());
    EXPECT_FALSE(dialog.option(0).value());

    type(dialog.axistxt(), "2");
    EXPECT_TRUE(dialog.option(2).value()) << "the stored value is shown at load only";
    click(dialog.runcmd);
    const std::string status = dialog.msgtxt.text();
    click(dialog.optionLabel(1));
    EXPECT_TRUE(dialog.option(1).value());
    EXPECT_EQ(dialog.msgtxt.text(), status) << "these options leave the status text alone";

    driver().injectFault("set_stop_mode", ZEVA_axisRunningError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(app().state().Settings.ServoSettingsTable[2].Axis[1].StopMode, 3);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_stop_mode(2, 2, 3)", "set_stop_mode(2, 2, 2)", "set_stop_mode(2, 2, 2)"));
    EXPECT_EQ(app().state().Settings.ServoSettingsTable[2].Axis[1].StopMode, 2);
    EXPECT_EQ(app().state().Settings.ServoSettingsTable[2].Axis[0].StopMode, 3);
    EXPECT_EQ(app().state().boards.SettingsChanged[2], 0);
}

TEST_F(CommandDialogTest, OptionsShowingNoStoredValueLeaveRunToTheUsersChoice)
{
    app().state().selection.CurrentBoard = 2;
    app().state().Settings.ServoSettingsTable[2].Axis[0].StopMode = 9;
    auto& dialog = open<SetStopModeDialog>();
    EXPECT_FALSE(dialog.option(0).value() || dialog.option(1).value() || dialog.option(2).value());
    EXPECT_FALSE(dialog.runcmd.enabled());
    click(dialog.option(2));
    EXPECT_TRUE(dialog.runcmd.enabled()) << "choosing is what Run waited for";
    retype(dialog.axistxt(), "\b");
    EXPECT_FALSE(dialog.runcmd.enabled());
    type(dialog.axistxt(), "3");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_stop_mode(2, 3, 3)"));
    EXPECT_EQ(app().state().Settings.ServoSettingsTable[2].Axis[2].StopMode, 3);
    EXPECT_EQ(app().state().Settings.ServoSettingsTable[2].Axis[0].StopMode, 9) << "only the axis sent to";
}

TEST_F(CommandDialogTest, AKeptValueFieldOpensWithTheStoredValueAndKeepsItsOwnHookLast)
{
    app().state().selection.CurrentBoard = 1;
    app().state().Settings.Servo4SettingsTable[1].Axis[0].FollowingError = 1200;
    app().state().Settings.Servo4SettingsTable[1].Axis[3].FollowingError = 40;
    auto& dialog = open<KeptCountDialog>();
    EXPECT_EQ(dialog.follerrtxt.text(), " 1200");
    EXPECT_EQ(dialog.valueValid(), std::vector<std::int16_t>{1});
    EXPECT_TRUE(dialog.runcmd.enabled());

    type(dialog.axistxt(), "4");
    retype(dialog.follerrtxt, "0");
    EXPECT_EQ(lastModalText(), "Value needs to be between 1 and 32767.");
    driver().injectFault("load_fol_err", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_FALSE(dialog.keptSeen.has_value()) << "no hook after a failure";
    EXPECT_EQ(app().state().Settings.Servo4SettingsTable[1].Axis[3].FollowingError, 40);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.keptSeen, 1.0) << "the hook sees the value the frame kept";
    EXPECT_EQ(app().state().Settings.Servo4SettingsTable[1].Axis[0].FollowingError, 1200);

    // A board of another group (3-axis servo) keeps into its own table.
    select(dialog.bidlist, 1);
    retype(dialog.follerrtxt, "77");
    click(dialog.runcmd);
    EXPECT_EQ(app().state().Settings.ServoSettingsTable[2].Axis[2].FollowingError, 77);
    EXPECT_EQ(app().state().Settings.Servo4SettingsTable[2].Axis[2].FollowingError, 1000)
        << "ID 2's entry of the other table";
}

TEST_F(CommandDialogTest, AKeptValueMustComeFromAFieldOrOptionsTheDialogHas)
{
    const auto call = [](CommandRun& run) { return run.driver.start_motion(run.board, run.axis); };
    EXPECT_THROW(CommandDialog(app(), {.name = "frmx", .call = call, .kept = {{.field = AxisField::StopMode}}}),
                 std::invalid_argument);
    EXPECT_THROW(CommandDialog(app(), {.name = "frmy", .call = call,
                                       .kept = {{.field = AxisField::StopMode, .from = KeptFrom::Choice}}}),
                 std::invalid_argument);
}

TEST_F(CommandDialogTest, AxisBoxesFollowTheBoardAndTheirOwnRuleEnablesRun)
{
    auto& dialog = open<MultiStartDialog>();
    EXPECT_TRUE(dialog.runcmd.enabled());
    EXPECT_EQ(dialog.msgtxt.text(), "");
    EXPECT_TRUE(dialog.axisCheck(4).visible());

    click(dialog.axisCheck(2));
    EXPECT_EQ(dialog.msgtxt.text(), "You must start at least two axes.");
    EXPECT_FALSE(dialog.runcmd.enabled());
    click(dialog.axisCheck(4));
    EXPECT_TRUE(dialog.runcmd.enabled());
    click(dialog.runcmd);

    select(dialog.bidlist, 1); // 3 axes: box 4 is hidden and no longer counts
    EXPECT_FALSE(dialog.axisCheck(4).visible());
    EXPECT_FALSE(dialog.runcmd.enabled());
    click(dialog.axisCheck(3));
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("multi_start(1, 9)", "multi_start(2, 3)"));
}

} // namespace
} // namespace tarvik::testing
