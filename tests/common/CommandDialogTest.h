#pragma once

// Command dialogs built on the frame for its tests, and a program with a small set of boards:
// ID 1 a 4-axis servo (type 3), ID 2 a 3-axis servo (type 0), ID 3 a 3-axis open-loop stepper
// (type 1), ID 5 an encoder board (type 6).

#include "kit/ProgramTest.h"

#include "base/NumberText.h"
#include "common/CommandDialog.h"
#include "shell/MainWindowServices.h"

namespace tarvik::testing {

// An axis-level dialog with one value field.
class AccelDialog : public CommandDialog {
public:
    explicit AccelDialog(App& app)
        : CommandDialog(app, {.name = "frm62",
                              .caption = "Load Acceleration",
                              .mask = 63,
                              .fields = {{.name = "acceltxt",
                                          .label = "Acceleration",
                                          .maxLength = 7,
                                          .rule = {.check = FieldCheck::ValidateDoubleOrBlank,
                                                   .bounds = {1, 5242879}},
                                          .conversion = FieldConversion::Int32}},
                              .call = [](CommandRun& run) {
                                  return run.driver.load_accel(run.board, run.axis, run.value<std::int32_t>(0));
                              }})
    {
    }
    TextBox& acceltxt = field(0);
};

// A board-level dialog without fields.
class DelimiterDialog : public CommandDialog {
public:
    explicit DelimiterDialog(App& app)
        : CommandDialog(app, {.name = "frm5D",
                              .caption = "Trigger Buffer Delimiter",
                              .helpTopic = 117,
                              .axis = std::nullopt,
                              .call = [](CommandRun& run) { return run.driver.trig_buff_delim(run.board); }})
    {
    }
};

// A board-level dialog whose one field is bounded by the board's type and checked silently.
class PrestoreDialog : public CommandDialog {
public:
    explicit PrestoreDialog(App& app)
        : CommandDialog(app, {.name = "frm5F",
                              .caption = "Begin Trigger # Prestore",
                              .axis = std::nullopt,
                              .fields = {{.name = "tnumtxt",
                                          .labelName = "Label2",
                                          .label = "Trigger #",
                                          .maxLength = 1,
                                          .rule = {.check = FieldCheck::ClampInteger,
                                                   .leaving = FieldLeaving::Recheck},
                                          .boundsByType = [](std::int16_t type) {
                                              return FieldBounds{1, type <= 2 ? 6.0 : 4.0};
                                          }}},
                              .boardKeys = false,
                              .call = [](CommandRun& run) {
                                  return run.driver.begin_prestore(run.board, run.value<std::int16_t>(0));
                              }})
    {
    }
};

// Two value fields, a shared axis and a read-back label that a failure empties.
class InPositionDialog : public CommandDialog {
public:
    explicit InPositionDialog(App& app)
        : CommandDialog(app, {.name = "frminpos",
                              .caption = "In Position",
                              .mask = 109,
                              .axis = CommandAxisField{.sharedAxis = true},
                              .fields = {position("postxt", "Label1", "Position", kSignedKeys),
                                         position("dbtxt", "Label2", "Deadband", kUnsignedKeys)},
                              .readBacks = {{.captionName = "Label6", .caption = "Result", .name = "reslbl",
                                             .clearOnFailure = true}},
                              .call = [](CommandRun& run) {
                                  std::int32_t result = 0;
                                  const DriverStatus status = run.driver.in_pos(
                                      run.board, run.axis, run.value<std::int32_t>(0), run.value<std::int32_t>(1), result);
                                  run.show(0, strSigned(result));
                                  return status;
                              }})
    {
    }
    TextBox& postxt = field(0);
    TextBox& dbtxt = field(1);

private:
    static CommandField position(std::string name, std::string labelName, std::string label, std::string_view keys)
    {
        return {.name = std::move(name), .labelName = std::move(labelName), .label = std::move(label),
                .maxLength = 11,
                .rule = {.keys = keys, .check = FieldCheck::ValidateDoubleOrBlank, .bounds = {-1073741824, 1073741823}},
                .conversion = FieldConversion::Int32};
    }
};

// A read-back that keeps its last value when a read fails.
class ReadPositionDialog : public CommandDialog {
public:
    explicit ReadPositionDialog(App& app)
        : CommandDialog(app, {.name = "frm53ret",
                              .caption = "Read Present Position",
                              .readBacks = {{.captionName = "Label3", .caption = "Present Position", .name = "poslbl"}},
                              .notice = CommandNotice{.text = "Warning: Do not use this function while a test panel is open.",
                                                      .backColor = 0xFFFF80},
                              .call = [](CommandRun& run) {
                                  std::int32_t position = 0;
                                  const DriverStatus status = run.driver.read_pos(run.board, run.axis, position);
                                  run.show(0, strTrimmed(position));
                                  return status;
                              }})
    {
    }
};

class CommandDialogTest : public ProgramTest {
protected:
    CommandDialogTest()
        : ProgramTest({.boards = std::vector<SimBoardSpec>{{.id = 1, .typeCode = 3, .ioAddress = 0x300, .name = ""},
                                                           {.id = 2, .typeCode = 0, .ioAddress = 0x320, .name = ""},
                                                           {.id = 3, .typeCode = 1, .ioAddress = 0x340, .name = ""},
                                                           {.id = 5, .typeCode = 6, .ioAddress = 0x360, .name = ""}}})
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    template <class F>
    F& open()
    {
        F& dialog = app().form<F>();
        OpenChildWindow(dialog);
        return dialog;
    }

    std::string lastModalText() const { return modalShows().empty() ? "" : modalShows().back().text; }
};

} // namespace tarvik::testing
