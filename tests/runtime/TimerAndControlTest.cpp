#include "TestForms.h"

#include <limits>

namespace tarvik::testing {
namespace {

using Lines = std::vector<std::string>;

TEST_F(RuntimeTest, TimersTickOnTheVirtualClockInOrderWithScheduledActions)
{
    auto& d = dialog();
    std::vector<std::int64_t> ticks;
    d.poll.onTimer = [&] { ticks.push_back(clock.nowMillis()); };
    d.poll.setEnabled(true);
    rt.schedule(120, [&] { ticks.push_back(-clock.nowMillis()); });
    rt.wait(200);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{50, 100, -120, 150, 200}));
    EXPECT_EQ(clock.nowMillis(), 200);
    d.poll.setEnabled(false);
    rt.wait(100);
    EXPECT_EQ(ticks.size(), 5u);
    d.unload();
    rt.wait(100);
    EXPECT_EQ(ticks.size(), 5u);
}

TEST_F(RuntimeTest, TimerNeverReentersWhileItsHandlerWaitsBehindAModalWindow)
{
    auto& d = dialog();
    auto& msg = rt.instance<MessageWindow>(rt);
    int entered = 0;
    int depth = 0;
    int deepest = 0;
    d.poll.onTimer = [&] {
        ++entered;
        deepest = std::max(deepest, ++depth);
        if (entered == 1) {
            rt.schedule(300, [&] { in.click(msg.okcmd); }); // the user answers 300 ms later
            msg.showModal();
        }
        --depth;
    };
    d.poll.setEnabled(true);
    rt.wait(500);
    EXPECT_EQ(deepest, 1);
    // Ticks at 50 (opens the window until 350), then the grid goes on at 400, 450, 500.
    EXPECT_EQ(entered, 4);
}

TEST_F(RuntimeTest, ModalWindowDrivenByItsOwnTimerNeedsNoAnswer)
{
    // A homing panel: shown modally, it polls on its timer and closes itself when done.
    struct Panel : Form {
        Timer tick{this, "tick"};
        int polls = 0;
        explicit Panel(Runtime& r) : Form(r, "frmfindhome")
        {
            tick.setInterval(50);
            tick.onTimer = [this] {
                if (++polls == 3) unload();
            };
        }
    };
    auto& panel = rt.instance<Panel>(rt);
    EXPECT_TRUE(panel.showModal());
    EXPECT_EQ(clock.nowMillis(), 150);
    EXPECT_FALSE(rt.isLoaded<Panel>());

    auto& stuck = rt.instance<Panel>(rt);
    stuck.tick.onTimer = [] {};
    host.setModalPatienceMs(1000);
    EXPECT_THROW(stuck.showModal(), UnansweredPrompt);
    EXPECT_LE(clock.nowMillis(), 1150 + 50);
}

TEST_F(RuntimeTest, DoEventsRunsDueScheduledActionsAsUserInput)
{
    auto& d = dialog();
    bool stopped = false;
    d.cancelcmd.onClick = [&] { stopped = true; };
    rt.schedule(100, [&] { in.click(d.cancelcmd); });
    int polls = 0;
    d.runcmd.onClick = [&] {
        while (rt.doEvents() && !stopped) {
            clock.spend(10'000); // a driver call costs 10 ms
            ++polls;
        }
    };
    in.click(d.runcmd);
    EXPECT_TRUE(stopped);
    EXPECT_EQ(polls, 10);
}

// A host that keeps what the runtime asks it to wake for; time passes on the virtual clock.
class WakeRecordingHost final : public Host {
public:
    std::vector<std::optional<std::int64_t>> wakes;

    void wakeAt(Runtime&, std::optional<std::int64_t> dueMicros) override { wakes.push_back(dueMicros); }
    void idleWait(Runtime& runtime, std::int64_t micros) override { runtime.clock().idle(micros); }
    void sleepUntilInput(Runtime& runtime, std::int64_t micros) override { idleWait(runtime, micros); }
    void runModal(Runtime&, Form&, const std::function<bool()>&) override {}
    int messageBox(Runtime&, const std::string&, int, const std::string&) override { return msgbox::Ok; }
    void processPendingInput(Runtime&) override {}
    void beep() override {}
    void showHelp(int) override {}
};

TEST(RuntimeWakeUps, HostSleepsUntilTheNextDueTimeAndWithNothingDueUntilInput)
{
    VirtualClock clock;
    WakeRecordingHost host;
    Runtime rt{clock, host};
    EventLog log;
    auto& d = rt.instance<TestDialog>(rt, log); // its 50 ms timer loads disabled
    host.wakes.clear();
    d.poll.setEnabled(true);
    rt.schedule(20, [] {});
    rt.wait(20);
    d.poll.setEnabled(false);
    EXPECT_EQ(host.wakes, (std::vector<std::optional<std::int64_t>>{50'000, 20'000, 50'000, std::nullopt}));
}

TEST_F(RuntimeTest, ListIndexFromCodeClicksOnlyOnChange)
{
    auto& d = dialog();
    takeLog();
    d.bidlist.setListIndex(1);
    d.bidlist.setListIndex(1);
    EXPECT_EQ(takeLog(), Lines{"bidlist.Click"});
    EXPECT_EQ(d.bidlist.text(), "ID: 3");
    EXPECT_THROW(d.bidlist.setListIndex(2), std::out_of_range);
    EXPECT_EQ(d.bidlist.list(7), "");
    d.bidlist.removeItem(0);
    EXPECT_EQ(d.bidlist.listIndex(), 0);
    d.bidlist.clear();
    EXPECT_EQ(d.bidlist.listIndex(), -1);
    EXPECT_EQ(d.bidlist.text(), "");
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(RuntimeTest, PickingRowsAndKeysInLists)
{
    auto& d = dialog();
    takeLog();
    EXPECT_TRUE(in.select(d.bidlist, 1));
    EXPECT_EQ(takeLog(), (Lines{"axistxt.LostFocus", "bidlist.GotFocus", "bidlist.Click"}));
    EXPECT_FALSE(in.select(d.bidlist, 2));
    in.press(Key::Up);
    EXPECT_EQ(d.bidlist.listIndex(), 0);
    EXPECT_EQ(takeLog(), (Lines{"bidlist.KeyDown 38 0", "bidlist.Click", "bidlist.KeyUp 38"}));
    in.typeCharacter('3'); // a drop-down list has no row starting with "3": nothing changes
    EXPECT_EQ(d.bidlist.listIndex(), 0);
    EXPECT_FALSE(in.paste(d.bidlist, "ID: 3"));
}

TEST_F(RuntimeTest, TypingIntoAnEditableComboDeselectsItsRow)
{
    auto& d = dialog();
    d.namecombo.addItem("alpha");
    d.namecombo.addItem("beta");
    in.select(d.namecombo, 1);
    EXPECT_EQ(d.namecombo.text(), "beta");
    takeLog();
    in.typeCharacter('x');
    EXPECT_EQ(d.namecombo.listIndex(), -1);
    EXPECT_EQ(d.namecombo.text(), "x");
    EXPECT_EQ(takeLog(), (Lines{"namecombo.KeyDown 88 0", "namecombo.KeyPress 120", "namecombo.Change",
                                "namecombo.KeyUp 88"}));
    d.namecombo.setListIndex(0);
    d.namecombo.setText("alpha");
    EXPECT_EQ(d.namecombo.listIndex(), 0);
    d.namecombo.setText("gamma");
    EXPECT_EQ(d.namecombo.listIndex(), -1);
}

TEST_F(RuntimeTest, OptionButtonsFormAGroupPerContainer)
{
    auto& d = dialog();
    d.optAlone.setValue(true);
    takeLog();
    in.click(d.optOn);
    EXPECT_EQ(takeLog(), (Lines{"axistxt.LostFocus", "optOn.GotFocus", "optOn.Click"}));
    EXPECT_TRUE(d.optAlone.value()); // another container
    d.optOff.setValue(true);
    EXPECT_FALSE(d.optOn.value());
    EXPECT_EQ(takeLog(), Lines{"optOff.Click"});
    d.optOff.setValue(true);
    in.click(d.optOff);
    EXPECT_EQ(takeLog(), (Lines{"optOn.LostFocus", "optOff.GotFocus"}));
    d.optOff.setValue(false); // none selected is allowed, and raises nothing
    EXPECT_FALSE(d.optOn.value() || d.optOff.value());
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(RuntimeTest, CheckBoxAndScrollBarValues)
{
    auto& d = dialog();
    takeLog();
    d.chk.setValue(CheckBox::Grayed);
    d.chk.setValue(CheckBox::Grayed);
    in.click(d.chk);
    EXPECT_EQ(d.chk.value(), CheckBox::Checked);
    in.press(Key::Space);
    EXPECT_EQ(d.chk.value(), CheckBox::Unchecked);
    auto lines = takeLog();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "chk.Click"), 3);

    d.spin.setValue(9);
    EXPECT_EQ(d.spin.value(), 5);
    in.focus(d.spin);
    takeLog();
    in.press(Key::Up);
    EXPECT_EQ(d.spin.value(), 3);
    EXPECT_EQ(takeLog(), (Lines{"spin.KeyDown 38 0", "spin.Change", "spin.KeyUp 38"}));
    in.press(Key::Down);
    in.press(Key::Down);
    EXPECT_EQ(d.spin.value(), 5);
    EXPECT_EQ(takeLog().size(), 5u); // the second Down changes nothing: no Change
    d.spin.setValue(5);
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(RuntimeTest, GaugeShowsItsValueAsAFractionOfTheScale)
{
    auto& d = dialog();
    Gauge gauge{&d, "gauge"};
    gauge.setValue(25);
    EXPECT_DOUBLE_EQ(gauge.fraction(), 0.25);
    gauge.setValue(150);
    EXPECT_DOUBLE_EQ(gauge.fraction(), 1.0);
    gauge.setMin(std::numeric_limits<int>::min()); // the span does not fit an int
    gauge.setMax(std::numeric_limits<int>::max());
    gauge.setValue(std::numeric_limits<int>::max());
    EXPECT_DOUBLE_EQ(gauge.fraction(), 1.0);
    gauge.setMax(gauge.min());
    EXPECT_DOUBLE_EQ(gauge.fraction(), 0.0);
}

TEST_F(RuntimeTest, LabelCaptionChangeRaisesChange)
{
    auto& d = dialog();
    takeLog();
    d.msglbl.setCaption("save");
    d.msglbl.setCaption("save");
    EXPECT_EQ(takeLog(), Lines{"msglbl.Change"});
}

TEST_F(RuntimeTest, PictureBoxKeepsADisplayListOnItsScale)
{
    auto& d = dialog();
    EXPECT_DOUBLE_EQ(d.box.scaleWidth(), 1000);
    ASSERT_TRUE(d.box.scale(0, 600, 600, 0));
    EXPECT_FALSE(d.box.scale(0, 0, 0, 10));
    EXPECT_DOUBLE_EQ(d.box.scaleHeight(), -600);
    d.box.setFillStyle(PictureBox::SolidFill);
    d.box.setFillColor(rgb(200, 0, 0));
    d.box.line(0, 0, 600, 600, rgb(128, 128, 128));
    d.box.line(10, 10, 20, 20, rgb(0, 0, 200), PictureBox::LineStyle::BoxFilled);
    d.box.circle(300, 300, 3);
    d.box.setDrawWidth(2);
    d.box.pset(1, 2);
    const auto& ops = d.box.displayList();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].kind, DrawOp::Kind::Line);
    EXPECT_EQ(ops[0].color, 0x808080);
    EXPECT_DOUBLE_EQ(ops[0].scale.top, 600);
    EXPECT_TRUE(ops[1].filled);
    EXPECT_EQ(ops[1].fillColor, rgb(0, 0, 200));
    EXPECT_EQ(ops[2].kind, DrawOp::Kind::Circle);
    EXPECT_TRUE(ops[2].filled);
    EXPECT_EQ(ops[2].fillColor, 200);
    EXPECT_EQ(ops[3].drawWidth, 2);
    EXPECT_DOUBLE_EQ(d.box.currentX(), 1);
    d.box.cls();
    EXPECT_TRUE(d.box.displayList().empty());
}

TEST_F(RuntimeTest, MouseOnAPictureBoxArrivesInScaleUnits)
{
    auto& d = dialog();
    std::vector<std::string> mouse;
    auto record = [&](const char* what) {
        return [&mouse, what](int button, int shift, float x, float y) {
            mouse.push_back(std::string(what) + " " + std::to_string(button) + " " + std::to_string(shift) + " " +
                            std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
        };
    };
    d.box.onMouseDown = record("down");
    d.box.onMouseMove = record("move");
    d.box.onMouseUp = record("up");
    d.box.onClick = [&] { mouse.push_back("click"); };
    in.mouseClick(d.box, 120, -40, RightButton, ShiftMask);
    in.mouseMove(d.box, 5, 6, LeftButton);
    EXPECT_EQ(mouse, (Lines{"down 2 1 120,-40", "up 2 1 120,-40", "click", "move 1 0 5,6"}));
    EXPECT_TRUE(d.box.hasFocus());
}

TEST_F(RuntimeTest, FontChangesAreObservedAndABadSizeIsRefused)
{
    struct FontWatcher : RuntimeObserver {
        std::vector<std::string> seen;
        void controlChanged(Control& c, Property p) override
        {
            if (p == Property::Font) seen.push_back(c.name() + " " + c.fontName() + " " + std::to_string(c.fontSize()));
        }
    } watcher;
    auto& form = dialog();
    EXPECT_EQ(form.msglbl.fontName(), kDefaultFontName);
    EXPECT_EQ(form.msglbl.fontSize(), kDefaultFontSize);
    rt.addObserver(watcher);
    form.msglbl.setFontName("Monospace");
    form.msglbl.setFontName("Monospace");
    EXPECT_TRUE(form.msglbl.setFontSize(12));
    EXPECT_FALSE(form.msglbl.setFontSize(0));
    EXPECT_FALSE(form.msglbl.setFontSize(-3));
    EXPECT_FALSE(form.msglbl.setFontSize(std::numeric_limits<float>::infinity()));
    rt.removeObserver(watcher);
    EXPECT_EQ(form.msglbl.fontSize(), 12);
    EXPECT_EQ(form.axistxt.fontName(), kDefaultFontName) << "each control has its own font";
    EXPECT_EQ(watcher.seen, (std::vector<std::string>{"msglbl Monospace 8.000000", "msglbl Monospace 12.000000"}));
}

TEST_F(RuntimeTest, MenusClickTheirPathAndArraysCarryTheirIndex)
{
    struct MainWindow : Form {
        MenuItem filemu{this, "filemu", {.caption = "&File"}};
        MenuItem initmu{this, "initmu", {.caption = "&Initialize Board"}};
        ControlArray<MenuItem> bidmu{this, "bidmu"};
        std::vector<std::string> clicks;
        explicit MainWindow(Runtime& r) : Form(r, "mditarvik", {.mdiChild = false})
        {
            for (int id : {0, 3, 7}) bidmu.add(id, {.caption = "ID " + std::to_string(id), .container = &initmu});
            filemu.onClick = [this] { clicks.push_back("file"); };
            initmu.onClick = [this] { clicks.push_back("init"); };
            bidmu.each([this](int i, MenuItem& item) {
                item.onClick = [this, i] { clicks.push_back("bidmu " + std::to_string(i)); };
            });
        }
    };
    auto& main = rt.instance<MainWindow>(rt);
    main.show();
    EXPECT_TRUE(in.choose(main.bidmu(3)));
    EXPECT_EQ(main.clicks, (Lines{"init", "bidmu 3"}));
    EXPECT_EQ(main.initmu.items().size(), 3u);
    EXPECT_EQ(main.bidmu.ubound(), 7);
    EXPECT_THROW(main.bidmu(2), std::out_of_range);
    main.initmu.setEnabled(false);
    EXPECT_FALSE(in.choose(main.bidmu(0)));
    EXPECT_EQ(main.findControl("bidmu", 7), &main.bidmu(7));
}

} // namespace
} // namespace tarvik::testing
