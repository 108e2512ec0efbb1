#include "TestForms.h"

#include <algorithm>
#include <memory>

namespace tarvik::testing {
namespace {

using Lines = std::vector<std::string>;

TEST_F(RuntimeTest, KeystrokeRunsKeyDownKeyPressEditChangeKeyUp)
{
    auto& d = dialog();
    ASSERT_TRUE(in.focus(d.axistxt));
    takeLog();
    ASSERT_TRUE(in.typeCharacter('a'));
    EXPECT_EQ(takeLog(), (Lines{"axistxt.KeyDown 65 0", "axistxt.KeyPress 97", "axistxt.Change", "axistxt.KeyUp 65"}));
    EXPECT_EQ(d.axistxt.text(), "a");

    // The text is already there when Change runs.
    std::string seen;
    d.axistxt.onChange = [&] { seen = d.axistxt.text(); };
    in.typeCharacter('B');
    EXPECT_EQ(seen, "aB");
    EXPECT_EQ(takeLog(), (Lines{"axistxt.KeyDown 66 1", "axistxt.KeyPress 66", "axistxt.KeyUp 66"}));
}

TEST_F(RuntimeTest, KeyPressCanChangeOrDropTheCharacter)
{
    auto& d = dialog();
    d.axistxt.onKeyPress = [](int& key) { key = key == 'x' ? 0 : key - 32; };
    in.type(d.axistxt, "axb");
    EXPECT_EQ(d.axistxt.text(), "AB");
    takeLog();
    in.typeCharacter('x');
    EXPECT_EQ(takeLog(), (Lines{"axistxt.KeyDown 88 0", "axistxt.KeyUp 88"}));
}

TEST_F(RuntimeTest, MaxLengthLimitsTypingButNotCode)
{
    auto& d = dialog();
    in.type(d.axistxt, "12345");
    EXPECT_EQ(d.axistxt.text(), "123");
    d.axistxt.setSelStart(0);
    d.axistxt.setSelLength(1);
    in.typeCharacter('9'); // replaces the selection: still 3 characters
    EXPECT_EQ(d.axistxt.text(), "923");
    d.axistxt.setText("123456");
    EXPECT_EQ(d.axistxt.text(), "123456");
    d.axistxt.setSelStart(6);
    in.press(Key::Backspace);
    EXPECT_EQ(d.axistxt.text(), "12345");
}

TEST_F(RuntimeTest, EditingKeysAndSelection)
{
    auto& d = dialog();
    in.type(d.valuetxt, "12345");
    in.press(Key::Home);
    in.press(Key::Right, ShiftMask);
    in.press(Key::Right, ShiftMask);
    EXPECT_EQ(d.valuetxt.selText(), "12");
    in.typeCharacter('-');
    EXPECT_EQ(d.valuetxt.text(), "-345");
    in.press(Key::Delete);
    EXPECT_EQ(d.valuetxt.text(), "-45");
    in.press(Key::End);
    in.press(Key::Backspace);
    EXPECT_EQ(d.valuetxt.text(), "-4");
    EXPECT_EQ(d.valuetxt.selStart(), 2);
    EXPECT_TRUE(in.selectText(d.valuetxt, 0, 2));
    EXPECT_EQ(d.valuetxt.selText(), "-4");
}

TEST_F(RuntimeTest, ControlCharactersReachKeyPressAndEditNothing)
{
    auto& d = dialog();
    in.type(d.valuetxt, "7");
    takeLog();
    in.press('V', CtrlMask);
    EXPECT_EQ(takeLog(), (Lines{"valuetxt.KeyDown 86 2", "valuetxt.KeyPress 22", "valuetxt.KeyUp 86"}));
    EXPECT_EQ(d.valuetxt.text(), "7");
}

TEST_F(RuntimeTest, LockedBoxGetsKeysButNoEdits)
{
    auto& d = dialog();
    d.valuetxt.setText("fixed");
    d.valuetxt.setLocked(true);
    in.type(d.valuetxt, "x");
    in.press(Key::Backspace);
    EXPECT_EQ(d.valuetxt.text(), "fixed");
    in.paste(d.valuetxt, "other");
    EXPECT_EQ(d.valuetxt.text(), "fixed");
}

TEST_F(RuntimeTest, PasteReplacesTheTextWithoutKeyEvents)
{
    auto& d = dialog();
    in.type(d.axistxt, "1");
    takeLog();
    EXPECT_TRUE(in.paste(d.axistxt, "987"));
    EXPECT_EQ(d.axistxt.text(), "987");
    EXPECT_EQ(takeLog(), Lines{"axistxt.Change"});
    EXPECT_EQ(host.beepCount(), 0);
}

// A paste past MaxLength is not cut to fit, which would keep another number (or half a UTF-8
// character): it beeps and edits nothing, whatever the selection.
TEST_F(RuntimeTest, APasteLongerThanMaxLengthIsRefusedWithABeep)
{
    auto& d = dialog();
    in.type(d.axistxt, "12");
    takeLog();
    EXPECT_TRUE(in.paste(d.axistxt, "9876"));
    EXPECT_EQ(d.axistxt.text(), "12");
    EXPECT_EQ(takeLog(), Lines{});
    EXPECT_EQ(host.beepCount(), 1);

    in.paste(d.axistxt, "\xCE\xA9\xCE\xA9"); // two two-byte characters: four bytes
    EXPECT_EQ(d.axistxt.text(), "12");
    EXPECT_EQ(host.beepCount(), 2);

    // A box without a maximum takes any length; a locked one takes nothing, silently.
    in.paste(d.valuetxt, std::string(300, '7'));
    EXPECT_EQ(d.valuetxt.text().size(), 300u);
    d.axistxt.setLocked(true);
    in.paste(d.axistxt, "9876");
    EXPECT_EQ(host.beepCount(), 2);
}

TEST_F(RuntimeTest, ChangeFromCodeIsNestedAndOnlyOnRealChanges)
{
    auto& d = dialog();
    d.axistxt.onChange = [&] {
        log.add("Change " + d.axistxt.text());
        if (d.axistxt.text() == "5") d.axistxt.setText("3");
        log.add("Change end " + d.axistxt.text());
    };
    takeLog();
    d.axistxt.setText("5");
    EXPECT_EQ(takeLog(), (Lines{"Change 5", "Change 3", "Change end 3", "Change end 3"}));
    d.axistxt.setText("3");
    d.valuetxt.setText("");
    EXPECT_TRUE(takeLog().empty());
}

TEST_F(RuntimeTest, ClickMovesFocusFirstThenClicksOnlyAnAvailableButton)
{
    auto& d = dialog();
    in.focus(d.axistxt);
    takeLog();
    in.click(d.runcmd);
    EXPECT_EQ(takeLog(), (Lines{"axistxt.LostFocus", "runcmd.GotFocus", "runcmd.Click"}));

    // A button disabled on the way gets no Click; the focus it was given passes on, quietly.
    in.focus(d.axistxt);
    d.axistxt.onLostFocus = [&] { d.runcmd.setEnabled(false); };
    takeLog();
    EXPECT_TRUE(in.click(d.runcmd));
    EXPECT_TRUE(takeLog().empty());
    EXPECT_FALSE(d.runcmd.hasFocus());
    EXPECT_FALSE(in.click(d.runcmd));
}

TEST_F(RuntimeTest, LostFocusShowingAModalWindowStillLetsTheClickThrough)
{
    auto& d = dialog();
    auto& msg = rt.instance<MessageWindow>(rt);
    in.focus(d.axistxt);
    d.axistxt.onLostFocus = [&] {
        msg.msgtxt.setText("Value needs to be between 1 and 3.");
        msg.showModal();
    };
    host.onModal("frmmsg", [&](Form&) { in.click(msg.okcmd); });
    takeLog();
    in.click(d.runcmd);
    EXPECT_EQ(takeLog(), (Lines{"dialog.Deactivate", "dialog.Activate", "runcmd.GotFocus", "runcmd.Click"}));
    ASSERT_EQ(host.modalShows().size(), 1u);
    EXPECT_EQ(host.modalShows()[0].text, "Value needs to be between 1 and 3.");
}

TEST_F(RuntimeTest, TabFollowsTabIndexAndSkipsUnavailableControls)
{
    auto& d = dialog();
    d.axistxt.setTabIndex(30);
    d.valuetxt.setTabIndex(10);
    d.runcmd.setTabIndex(20);
    for (Control* c : d.controls())
        if (c != &d.axistxt && c != &d.valuetxt && c != &d.runcmd) c->setTabStop(false);
    in.focus(d.valuetxt);
    in.press(Key::Tab);
    EXPECT_TRUE(d.runcmd.hasFocus());
    d.axistxt.setVisible(false);
    in.press(Key::Tab);
    EXPECT_TRUE(d.valuetxt.hasFocus());
    in.press(Key::Tab, ShiftMask);
    EXPECT_TRUE(d.runcmd.hasFocus());
    takeLog();
    in.press(Key::Tab);
    EXPECT_EQ(takeLog(), (Lines{"runcmd.LostFocus", "valuetxt.GotFocus"}));
}

TEST_F(RuntimeTest, ASpinnerWithABuddyIsPartOfItsBoxForTabAndTheArrows)
{
    auto& d = dialog();
    // Tab order: axistxt, valuetxt, spin, runcmd.
    const std::vector<Control*> stops{&d.axistxt, &d.valuetxt, &d.spin, &d.runcmd};
    for (Control* c : d.controls())
        c->setTabStop(std::find(stops.begin(), stops.end(), c) != stops.end());
    for (std::size_t i = 0; i < stops.size(); ++i) stops[i]->setTabIndex(static_cast<int>(i));
    d.spin.setBuddy(&d.valuetxt);
    EXPECT_FALSE(d.spin.tabStop());
    EXPECT_EQ(d.valuetxt.spinner(), &d.spin);

    // Tab passes over the spinner; the arrows in the box step it, and the box keeps the focus.
    in.focus(d.axistxt);
    in.press(Key::Tab);
    EXPECT_TRUE(d.valuetxt.hasFocus());
    takeLog();
    in.press(Key::Up);
    in.press(Key::Down);
    in.press(Key::Down);
    EXPECT_EQ(d.spin.value(), 2); // steps of 2, up towards Min
    EXPECT_TRUE(d.valuetxt.hasFocus());
    EXPECT_EQ(takeLog(), (Lines{"valuetxt.KeyDown 38 0", "spin.Change", "valuetxt.KeyUp 38", "valuetxt.KeyDown 40 0",
                                "spin.Change", "valuetxt.KeyUp 40", "valuetxt.KeyDown 40 0", "spin.Change",
                                "valuetxt.KeyUp 40"}));
    in.press(Key::Tab);
    EXPECT_TRUE(d.runcmd.hasFocus());

    // A switched-off spinner is not stepped from its box; a KeyDown that takes the key stops it.
    d.spin.setEnabled(false);
    in.press(d.valuetxt, Key::Up);
    EXPECT_EQ(d.spin.value(), 2);
    d.spin.setEnabled(true);
    d.valuetxt.onKeyDown = [](int& key, int) { key = 0; };
    in.press(Key::Up);
    EXPECT_EQ(d.spin.value(), 2);

    // A box that goes first takes the link with it.
    auto extra = std::make_unique<TextBox>(&d, "extratxt");
    d.spin.setBuddy(extra.get());
    EXPECT_EQ(d.valuetxt.spinner(), nullptr);
    extra.reset();
    EXPECT_EQ(d.spin.buddy(), nullptr);
}

TEST_F(RuntimeTest, EnterClicksDefaultAndEscapeClicksCancel)
{
    auto& d = dialog();
    in.type(d.valuetxt, "1");
    takeLog();
    in.press(Key::Enter);
    EXPECT_EQ(takeLog(), Lines{"runcmd.Click"});
    in.press(Key::Escape);
    EXPECT_EQ(takeLog(), Lines{"cancelcmd.Click"});

    in.focus(d.cancelcmd);
    takeLog();
    in.press(Key::Enter); // the focused button, not the default one
    EXPECT_EQ(takeLog(), Lines{"cancelcmd.Click"});

    d.runcmd.setDefault(false);
    in.focus(d.valuetxt);
    takeLog();
    in.press(Key::Enter);
    EXPECT_EQ(takeLog(), (Lines{"valuetxt.KeyDown 13 0", "valuetxt.KeyPress 13", "valuetxt.KeyUp 13"}));
    EXPECT_EQ(d.valuetxt.text(), "1");
}

TEST_F(RuntimeTest, AccessKeysClickButtonsAndLabelsFocusTheirNeighbour)
{
    auto& d = dialog();
    in.focus(d.axistxt);
    takeLog();
    in.press('R', AltMask);
    EXPECT_EQ(takeLog(), (Lines{"axistxt.LostFocus", "runcmd.GotFocus", "runcmd.Click"}));
    // Alt with a key no caption marks types nothing.
    in.focus(d.valuetxt);
    takeLog();
    in.press('Q', AltMask);
    EXPECT_EQ(takeLog(), (Lines{"valuetxt.KeyDown 81 4", "valuetxt.KeyUp 81"}));
    EXPECT_EQ(d.valuetxt.text(), "");
    EXPECT_EQ(displayCaption("IO Polarity && &Direction"), "IO Polarity & Direction");
    EXPECT_EQ(accessKeyOf("IO Polarity && &Direction"), 'D');
    EXPECT_EQ(accessKeyOf("A && B"), 0);
}

TEST_F(RuntimeTest, F1RequestsTheFormsHelpTopic)
{
    auto& d = dialog();
    in.focus(d.axistxt);
    in.press(Key::F1);
    EXPECT_EQ(rt.lastHelpTopic(), 48);
    EXPECT_EQ(host.shown().back().topic, 48);
}

TEST_F(RuntimeTest, ContainersDisableAndHideWhatTheyHold)
{
    auto& d = dialog();
    d.modeframe.setEnabled(false);
    EXPECT_FALSE(in.type(d.innertxt, "1"));
    EXPECT_FALSE(in.click(d.optOn));
    EXPECT_TRUE(d.innertxt.enabled());
    EXPECT_FALSE(d.innertxt.effectivelyEnabled());
    d.modeframe.setEnabled(true);
    d.modeframe.setVisible(false);
    EXPECT_FALSE(in.click(d.optOn));
    d.modeframe.setVisible(true);
    EXPECT_TRUE(in.type(d.innertxt, "1"));
    d.setEnabled(false);
    EXPECT_FALSE(in.click(d.runcmd));
}

TEST_F(RuntimeTest, ShowingAndClosingAModalWindowMovesNoFocus)
{
    auto& d = dialog();
    in.focus(d.axistxt);
    auto& msg = rt.instance<MessageWindow>(rt);
    host.onModal("frmmsg", [&](Form&) { in.click(msg.okcmd); });
    takeLog();
    d.runcmd.onClick = [&] { msg.showModal(); };
    in.press(Key::Enter);
    EXPECT_EQ(takeLog(), (Lines{"dialog.Deactivate", "dialog.Activate"}));
    EXPECT_TRUE(d.axistxt.hasFocus());
}

} // namespace
} // namespace tarvik::testing

namespace tarvik::testing {
namespace {

TEST(Keys, EveryPrintableCharacterIsTypedByItsOwnKey)
{
    for (int c = 32; c < 127; ++c) {
        const KeyStroke stroke = keyStrokeFor(c);
        EXPECT_NE(stroke.keyCode, 0) << static_cast<char>(c);
        EXPECT_EQ(characterOf(stroke.keyCode, stroke.shift), c) << static_cast<char>(c);
    }
    EXPECT_EQ(keyStrokeFor(22).keyCode, 'V');
    EXPECT_EQ(characterOf('V', CtrlMask), 22);
    EXPECT_EQ(characterOf(static_cast<int>(Key::Delete), 0), 0);
    EXPECT_EQ(keyByName("PageDown"), Key::PageDown);
    EXPECT_FALSE(keyByName("Enterr"));
}

} // namespace
} // namespace tarvik::testing
