#include "TestForms.h"

namespace tarvik::testing {
namespace {

using Lines = std::vector<std::string>;

// Records what a renderer would be told.
struct Recorder : RuntimeObserver {
    Lines seen;
    void formCreated(Form& f) override { seen.push_back("created " + f.name()); }
    void formLoaded(Form& f) override { seen.push_back("loaded " + f.name()); }
    void formUnloaded(Form& f) override { seen.push_back("unloaded " + f.name()); }
    void controlChanged(Control& c, Property p) override
    {
        if (p == Property::Text) seen.push_back("text " + c.qualifiedName());
    }
    void programEnded() override { seen.push_back("ended"); }
};

TEST_F(RuntimeTest, DefaultInstanceLivesUntilUnloadedAndLoadsAfresh)
{
    auto& first = dialog();
    EXPECT_EQ(&rt.instance<TestDialog>(rt, log), &first);
    first.axistxt.setText("2");
    EXPECT_EQ(first.loads, 1);
    EXPECT_TRUE(first.unload());
    EXPECT_FALSE(rt.isLoaded<TestDialog>());
    in.click(first.runcmd); // a safe point: the unloaded form is destroyed now
    auto& second = dialog();
    EXPECT_EQ(second.loads, 1);
    EXPECT_EQ(second.axistxt.text(), "");
    EXPECT_EQ(second.bidlist.listCount(), 2);
}

TEST_F(RuntimeTest, UnloadFromInsideItsOwnHandlerIsSafe)
{
    auto& d = dialog();
    d.runcmd.onClick = [&] {
        d.unload();
        d.msglbl.setCaption("still usable until the handler returns");
        log.add(d.msglbl.caption());
    };
    takeLog();
    EXPECT_TRUE(in.click(d.runcmd));
    EXPECT_EQ(takeLog(), (Lines{"axistxt.LostFocus", "runcmd.GotFocus", "dialog.QueryUnload", "dialog.Unload",
                                "msglbl.Change", "still usable until the handler returns"}));
    EXPECT_FALSE(rt.isLoaded<TestDialog>());
    EXPECT_EQ(rt.activeForm(), nullptr);
}

TEST_F(RuntimeTest, FormUnloadingItselfInLoadIsNotRecreatedByTheShow)
{
    auto& d = rt.instance<TestDialog>(rt, log, FormHooks{.load = [](Form& f) { f.unload(); }});
    d.show();
    EXPECT_FALSE(rt.isLoaded<TestDialog>());
    EXPECT_FALSE(d.visible());
    EXPECT_EQ(d.loads, 1);
    EXPECT_EQ(takeLog(), (Lines{"dialog.Load", "dialog.QueryUnload", "dialog.Unload"}));
    EXPECT_TRUE(d.showModal()); // returns at once, no loop, nothing recorded
    EXPECT_TRUE(host.modalShows().empty());
}

TEST_F(RuntimeTest, QueryUnloadAndUnloadCanCancelAndKnowTheReason)
{
    UnloadReason reason = UnloadReason::Code;
    int refuse = 1;
    auto& d = dialog({.queryUnload = [&](int& cancel, UnloadReason r) {
        reason = r;
        cancel = refuse;
    }});
    EXPECT_FALSE(in.close(d));
    EXPECT_EQ(reason, UnloadReason::User);
    EXPECT_TRUE(rt.isLoaded<TestDialog>());
    refuse = 0;
    d.hooks.unload = [](int& cancel) { cancel = 1; };
    EXPECT_FALSE(d.unload());
    EXPECT_EQ(reason, UnloadReason::Code);
    d.hooks.unload = nullptr;
    EXPECT_TRUE(in.close(d));
    EXPECT_FALSE(rt.isLoaded<TestDialog>());
}

TEST_F(RuntimeTest, ActivationZOrderAndObservers)
{
    Recorder recorder;
    rt.addObserver(recorder);
    auto& d = dialog();
    auto& other = rt.instance<OtherDialog>(rt, log);
    takeLog();
    other.show();
    EXPECT_EQ(takeLog(), (Lines{"dialog.Deactivate", "other.Activate"}));
    EXPECT_EQ(rt.forms().front(), &other);
    in.click(d.valuetxt);
    EXPECT_EQ(takeLog(),
              (Lines{"other.Deactivate", "dialog.Activate", "axistxt.LostFocus", "valuetxt.GotFocus", "valuetxt.Click"}));
    EXPECT_EQ(rt.forms().front(), &d); // activation brings a window to the front
    // The raise comes before Deactivate, so that the deactivated window's handler can send a
    // backdrop the user clicked back behind it.
    d.hooks.deactivate = [&] { other.zOrder(ZOrder::Back); };
    in.clickForm(other);
    d.hooks.deactivate = nullptr;
    EXPECT_EQ(rt.activeForm(), &other);
    EXPECT_EQ(rt.forms().front(), &d);
    EXPECT_EQ(rt.forms().back(), &other);
    d.zOrder(ZOrder::Back);
    EXPECT_EQ(rt.forms().back(), &d);
    d.axistxt.setText("1");
    other.unload();
    EXPECT_EQ(recorder.seen, (Lines{"created dialog", "loaded dialog", "created other", "loaded other",
                                    "text axistxt", "unloaded other"}));
    rt.removeObserver(recorder);
}

TEST_F(RuntimeTest, ResizeRunsOnShowAndOnSizeChanges)
{
    struct Sized : Form {
        int resizes = 0;
        explicit Sized(Runtime& r) : Form(r, "sized") {}
        void Form_Resize() override { ++resizes; }
    };
    auto& f = rt.instance<Sized>(rt);
    f.setWidth(6000); // hidden: no Resize yet
    EXPECT_EQ(f.resizes, 0);
    f.show();
    EXPECT_EQ(f.resizes, 1);
    in.resizeForm(f, 7000, 3000);
    f.setWindowState(WindowState::Minimized);
    EXPECT_EQ(f.resizes, 4);
    f.setHeight(3000);
    EXPECT_EQ(f.resizes, 4);
}

TEST_F(RuntimeTest, ModalShowIsAnsweredByTheResponderAndRecorded)
{
    auto& d = dialog();
    auto& msg = rt.instance<MessageWindow>(rt);
    msg.msgtxt.setText("Continue?");
    host.onModal("frmmsg", [&](Form& shown) {
        EXPECT_EQ(&shown, &msg);
        EXPECT_FALSE(in.click(d.runcmd)); // the modal window blocks the others
        in.click(msg.okcmd);
    });
    takeLog();
    EXPECT_TRUE(msg.showModal());
    EXPECT_EQ(takeLog(), (Lines{"dialog.Deactivate", "dialog.Activate"}));
    ASSERT_EQ(host.modalShows().size(), 1u);
    EXPECT_EQ(host.modalShows()[0].form, "frmmsg");
    EXPECT_EQ(host.modalShows()[0].text, "Continue?");
    EXPECT_EQ(rt.modalForm(), nullptr);
}

TEST_F(RuntimeTest, UnansweredModalWindowReportsItsText)
{
    auto& msg = rt.instance<MessageWindow>(rt);
    msg.msgtxt.setText("Nobody reads this");
    try {
        msg.showModal();
        FAIL() << "no error";
    } catch (const UnansweredPrompt& e) {
        EXPECT_NE(std::string(e.what()).find("frmmsg \"Nobody reads this\""), std::string::npos) << e.what();
    }
    EXPECT_EQ(rt.modalForm(), nullptr);
    EXPECT_FALSE(msg.isModal());
    EXPECT_FALSE(msg.visible());

    host.setDefaultModalAction("frmmsg", [&](Form&) { in.click(msg.okcmd); });
    EXPECT_TRUE(msg.showModal());
    host.setAnswerByDefault(false);
    EXPECT_THROW(msg.showModal(), UnansweredPrompt);
}

TEST_F(RuntimeTest, MessageBoxesAnswerFromTheScriptAndAreRecorded)
{
    host.answerMessageBox(msgbox::No);
    EXPECT_EQ(rt.msgBox("Save?", msgbox::YesNoCancel + msgbox::Question, "Tarvik"), msgbox::No);
    EXPECT_EQ(rt.msgBox("There are no valid boards configured for this command."), msgbox::Ok);
    EXPECT_THROW(rt.msgBox("Sure?", msgbox::YesNo), UnansweredPrompt);
    host.answerMessageBox(msgbox::Retry);
    EXPECT_THROW(rt.msgBox("Sure?", msgbox::YesNo), UnansweredPrompt);
    auto boxes = host.messageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, "Save?");
    EXPECT_EQ(boxes[0].title, "Tarvik");
    EXPECT_EQ(boxes[0].answer, msgbox::No);
    EXPECT_EQ(boxes[1].answer, msgbox::Ok);
    rt.beep();
    rt.beep();
    EXPECT_EQ(host.beepCount(), 2);
}

TEST_F(RuntimeTest, ProgramEndUnwindsNestedLoopsThenUnloadsEveryForm)
{
    Recorder recorder;
    rt.addObserver(recorder);
    UnloadReason reason = UnloadReason::Code;
    auto& d = dialog({.queryUnload = [&](int& cancel, UnloadReason r) {
        reason = r;
        cancel = 1; // refused, yet the program ends
    }});
    auto& msg = rt.instance<MessageWindow>(rt);
    rt.setMainForm(d);
    bool modalResult = true;
    int loops = 0;
    // A cyclic run: a loop letting events run, which shows an error window whose Quit ends all.
    d.runcmd.onClick = [&] {
        while (rt.doEvents()) {
            if (++loops == 3) {
                host.onModal("frmmsg", [&](Form&) { in.click(msg.quitcmd); });
                modalResult = msg.showModal();
                log.add("after modal");
            }
            EXPECT_LT(loops, 10);
            if (loops >= 10) break;
        }
        log.add("loop left");
        EXPECT_EQ(rt.msgBox("ignored", msgbox::YesNo), msgbox::No);
        EXPECT_TRUE(rt.isLoaded<TestDialog>()); // forms are unloaded only after the handlers returned
    };
    takeLog();
    in.click(d.runcmd);
    EXPECT_FALSE(modalResult);
    EXPECT_EQ(loops, 3);
    EXPECT_TRUE(rt.ended());
    EXPECT_TRUE(rt.forms().empty());
    EXPECT_EQ(reason, UnloadReason::ProgramEnd);
    auto lines = takeLog();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 3], "loop left");
    EXPECT_EQ(lines[lines.size() - 2], "dialog.QueryUnload");
    EXPECT_EQ(lines[lines.size() - 1], "dialog.Unload");
    EXPECT_EQ(recorder.seen.back(), "ended");
    EXPECT_TRUE(host.messageBoxes().empty());
    EXPECT_FALSE(in.press(Key::Enter));
    rt.removeObserver(recorder);
}

TEST_F(RuntimeTest, UnloadingTheMainWindowUnloadsEveryFormAndEndsTheProgram)
{
    auto& d = dialog({.queryUnload = [](int& cancel, UnloadReason) { cancel = 1; }});
    auto& other = rt.instance<OtherDialog>(rt, log);
    other.show();
    rt.setMainForm(other);
    EXPECT_FALSE(other.unload()); // the child refuses: the main window stays
    EXPECT_FALSE(rt.endRequested());
    d.hooks.queryUnload = nullptr;
    EXPECT_TRUE(in.close(other));
    EXPECT_TRUE(rt.ended());
    EXPECT_FALSE(rt.isLoaded<TestDialog>());
}

} // namespace
} // namespace tarvik::testing
