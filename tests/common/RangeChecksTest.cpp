#include "common/HelperTestForm.h"

#include "common/RangeChecks.h"

namespace tarvik::testing {
namespace {

class RangeChecksTest : public FormHelpersTest {
protected:
    RangeChecksTest() { configure({{1, 0}}); }

    HelperTestForm& openWith(std::function<std::int16_t(App&, TextBox&)> rangeCheck)
    {
        HelperTestForm& form = open();
        form.check = [this, rangeCheck](TextBox& box) { return rangeCheck(app, box); };
        return form;
    }
    // The next error window records the field's text while it is shown, then is closed.
    void answerErrorWindowNoting(const TextBox& box)
    {
        program.host().onModal("frmerrmsg", [this, &box](Form& window) {
            textsBehindErrorWindow.push_back(box.text());
            user().click(*window.findControl("okcmd"));
        });
    }

    std::vector<std::string> textsBehindErrorWindow;
};

TEST_F(RangeChecksTest, ClampIntegerRewritesSilentlyToTheViolatedBound)
{
    HelperTestForm& form = openWith([](App& a, TextBox& b) { return ClampRangeInteger(a, b, 1, 3); });

    ASSERT_TRUE(user().type(form.valuetxt, "5"));
    EXPECT_EQ(form.valuetxt.text(), "3");
    EXPECT_EQ(form.valuetxt.selStart(), 1);
    EXPECT_EQ(form.valid, 1);
    EXPECT_EQ(form.checked, (std::vector<std::string>{"5", "3"}));
    EXPECT_EQ(beeps(), 1);

    form.valuetxt.setText("0");
    EXPECT_EQ(form.valuetxt.text(), "1");
    EXPECT_EQ(beeps(), 2);
    EXPECT_TRUE(errorMessages().empty());
}

TEST_F(RangeChecksTest, ClampIntegerRoundsHalvesToEvenAndNeverOverflows)
{
    HelperTestForm& form = openWith([](App& a, TextBox& b) { return ClampRangeInteger(a, b, 1, 3); });
    const std::vector<std::pair<std::string, std::string>> cases{
        {"2.5", "2.5"},          // rounds to 2
        {"3.5", "3"},            // rounds to 4
        {"0.5", "1"},            // rounds to 0
        {"1.5", "1.5"},          // rounds to 2
        {"99999999999", "3"},    // beyond 32 bits: above the maximum
        {"-9999999999", "1"},    // beyond 32 bits the other way
        {"1E+300", "3"},
    };
    for (const auto& [typed, expected] : cases) {
        form.valuetxt.setText(typed);
        EXPECT_EQ(form.valuetxt.text(), expected) << typed;
        EXPECT_EQ(form.valid, 1) << typed;
    }
}

TEST_F(RangeChecksTest, EmptyTextAndALoneSignAreSkippedByEveryCheck)
{
    using Check = std::function<std::int16_t(App&, TextBox&, RangeTest)>;
    const std::vector<Check> checks{
        [](App& a, TextBox& b, RangeTest) { return ClampRangeInteger(a, b, 1, 3); },
        [](App& a, TextBox& b, RangeTest t) { return ClampRangeLong(a, b, 1, 3, t); },
        [](App& a, TextBox& b, RangeTest t) { return ClampRangeDouble(a, b, 1, 3, t); },
        [](App& a, TextBox& b, RangeTest t) { return ValidateRangeInteger(a, b, 1, 3, t); },
        [](App& a, TextBox& b, RangeTest t) { return ValidateRangeDouble(a, b, 1, 3, t); },
        [](App& a, TextBox& b, RangeTest t) { return ValidateRangeDoubleOrBlank(a, b, 1, 3, t); },
    };
    HelperTestForm& form = open();
    for (RangeTest test : {RangeTest::On, RangeTest::Off}) {
        for (const Check& check : checks) {
            form.check = [this, check, test](TextBox& box) { return check(app, box, test); };
            for (const char* text : {"+", "", "-"}) {
                form.valid = -1;
                form.valuetxt.setText(text);
                EXPECT_EQ(form.valid, 0) << '"' << text << '"';
                EXPECT_EQ(form.valuetxt.text(), text);
            }
        }
    }
    EXPECT_EQ(beeps(), 0);
}

TEST_F(RangeChecksTest, RangeTestOffPassesOrRefusesWithoutATest)
{
    HelperTestForm& form = open();
    constexpr RangeTest kOff = RangeTest::Off;
    const auto flagFor = [&](std::function<std::int16_t(App&, TextBox&)> check, const std::string& text) {
        form.check = [this, check](TextBox& box) { return check(app, box); };
        form.valuetxt.setText(text);
        EXPECT_EQ(form.valuetxt.text(), text);
        return form.valid;
    };
    EXPECT_EQ(flagFor([](App& a, TextBox& b) { return ValidateRangeInteger(a, b, 1, 3, kOff); }, "50"), 1);
    EXPECT_EQ(flagFor([](App& a, TextBox& b) { return ClampRangeLong(a, b, 1, 3, kOff); }, "60"), 1);
    EXPECT_EQ(flagFor([](App& a, TextBox& b) { return ClampRangeDouble(a, b, 1, 3, kOff); }, "70"), 1);
    EXPECT_EQ(flagFor([](App& a, TextBox& b) { return ValidateRangeDouble(a, b, 1, 3, kOff); }, "2"), 0);
    EXPECT_EQ(flagFor([](App& a, TextBox& b) { return ValidateRangeDoubleOrBlank(a, b, 1, 3, kOff); }, "80"), 0);
    EXPECT_EQ(flagFor([](App& a, TextBox& b) { return ValidateRangeHex(a, b, 0x41, 0x99, kOff); }, "12345"), 0);
    EXPECT_EQ(beeps(), 0);

    // ClampRangeInteger does not look at it.
    form.check = [this](TextBox& box) { return ClampRangeInteger(app, box, 1, 3); };
    form.valuetxt.setText("9");
    EXPECT_EQ(form.valuetxt.text(), "3");
    EXPECT_EQ(beeps(), 1);
}

TEST_F(RangeChecksTest, ValidateIntegerShowsTheRangeThenRewritesOnceTheWindowIsClosed)
{
    HelperTestForm& form = openWith([](App& a, TextBox& b) { return ValidateRangeInteger(a, b, 1, 100); });
    answerErrorWindowNoting(form.valuetxt);

    ASSERT_TRUE(user().type(form.valuetxt, "150"));
    EXPECT_EQ(errorMessages(), std::vector<std::string>{"Value needs to be between 1 and 100."});
    EXPECT_EQ(textsBehindErrorWindow, std::vector<std::string>{"150"});
    EXPECT_EQ(form.valuetxt.text(), "100");
    EXPECT_EQ(form.valuetxt.selStart(), 3);
    EXPECT_EQ(form.valid, 1);
    EXPECT_EQ(beeps(), 1);

    form.check = [this](TextBox& box) { return ValidateRangeInteger(app, box, -32768, 32767); };
    answerErrorWindow();
    form.valuetxt.setText("-40000");
    EXPECT_EQ(errorMessages().back(), "Value needs to be between -32768 and 32767.");
    EXPECT_EQ(form.valuetxt.text(), "-32768");
}

TEST_F(RangeChecksTest, ValidateIntegerTurnsRunsOfZerosIntoOneAndReportsOnce)
{
    HelperTestForm& form = openWith([](App& a, TextBox& b) { return ValidateRangeInteger(a, b, 0, 10); });
    ASSERT_TRUE(user().paste(form.valuetxt, "000"));
    EXPECT_EQ(form.valuetxt.text(), "0");
    EXPECT_EQ(form.valid, 1);
    ASSERT_TRUE(user().paste(form.valuetxt, "00"));
    EXPECT_EQ(form.valuetxt.text(), "0");
    EXPECT_EQ(beeps(), 0);

    // Below the range the rewritten "0" is reported by the inner check alone.
    form.check = [this](TextBox& box) { return ValidateRangeInteger(app, box, 1, 10); };
    answerErrorWindow();
    ASSERT_TRUE(user().paste(form.valuetxt, "000"));
    EXPECT_EQ(errorMessages().size(), 1U);
    EXPECT_EQ(form.valuetxt.text(), "1");
    EXPECT_EQ(form.valid, 1);
    EXPECT_EQ(beeps(), 1);
}

TEST_F(RangeChecksTest, ValidateDoubleComparesWithoutRoundingAndWritesBoundsTrimmed)
{
    HelperTestForm& form = openWith([](App& a, TextBox& b) { return ValidateRangeDouble(a, b, 0.5, 2.5); });
    answerErrorWindow();
    ASSERT_TRUE(user().paste(form.valuetxt, "2.6"));
    EXPECT_EQ(errorMessages(), std::vector<std::string>{"Value needs to be between .5 and 2.5."});
    EXPECT_EQ(form.valuetxt.text(), "2.5");
    EXPECT_EQ(form.valid, 1);

    answerErrorWindow();
    ASSERT_TRUE(user().paste(form.valuetxt, ".4"));
    EXPECT_EQ(form.valuetxt.text(), ".5");

    ASSERT_TRUE(user().paste(form.valuetxt, "2.5"));
    EXPECT_EQ(errorMessages().size(), 2U);
    EXPECT_EQ(form.valid, 1);
}

TEST_F(RangeChecksTest, ValidateDoubleOrBlankAlsoSkipsASingleBlank)
{
    HelperTestForm& form =
        openWith([](App& a, TextBox& b) { return ValidateRangeDoubleOrBlank(a, b, -32768, 32767); });
    ASSERT_TRUE(user().paste(form.valuetxt, " "));
    EXPECT_EQ(form.valid, 0);
    EXPECT_EQ(form.valuetxt.text(), " ");

    answerErrorWindow();
    ASSERT_TRUE(user().paste(form.valuetxt, "40000"));
    EXPECT_EQ(errorMessages(), std::vector<std::string>{"Value needs to be between -32768 and 32767."});
    EXPECT_EQ(form.valuetxt.text(), "32767");
    EXPECT_EQ(form.valid, 1);
}

TEST_F(RangeChecksTest, ValidateHexReadsSixteenBitWordsAndWritesHexBounds)
{
    HelperTestForm& form = openWith([](App& a, TextBox& b) { return ValidateRangeHex(a, b, 0x41, 0x99); });
    ASSERT_TRUE(user().paste(form.valuetxt, "7f"));
    EXPECT_EQ(form.valid, 1);
    ASSERT_TRUE(user().paste(form.valuetxt, "0000041"));
    EXPECT_EQ(form.valid, 1);
    EXPECT_EQ(beeps(), 0);

    answerErrorWindow();
    ASSERT_TRUE(user().paste(form.valuetxt, "A0"));
    EXPECT_EQ(errorMessages(), std::vector<std::string>{"Value needs to be between 41 and 99."});
    EXPECT_EQ(form.valuetxt.text(), "99");
    EXPECT_EQ(form.valuetxt.selStart(), 2);

    // "FFFF" is -1: below the range.
    answerErrorWindow();
    ASSERT_TRUE(user().paste(form.valuetxt, "FFFF"));
    EXPECT_EQ(form.valuetxt.text(), "41");

    form.check = [this](TextBox& box) { return ValidateRangeHex(app, box, -32768, 32767); };
    ASSERT_TRUE(user().paste(form.valuetxt, "8000"));
    EXPECT_EQ(form.valid, 1);
    EXPECT_EQ(form.valuetxt.text(), "8000");
    EXPECT_EQ(beeps(), 2);
}

TEST_F(RangeChecksTest, ValidateHexEmptiesAWordThatDoesNotFitSixteenBits)
{
    HelperTestForm& form = openWith([](App& a, TextBox& b) { return ValidateRangeHex(a, b, 0x41, 0x99); });
    for (const char* text : {"10000", "FFFFFFFF", "123456789ABCDEF"}) {
        ASSERT_TRUE(user().paste(form.valuetxt, text));
        EXPECT_EQ(form.valuetxt.text(), "") << text;
        EXPECT_EQ(form.valid, 0) << text;
        EXPECT_EQ(form.checked.back(), "") << text;
    }
    EXPECT_EQ(beeps(), 0);
    EXPECT_TRUE(errorMessages().empty());
}

TEST_F(RangeChecksTest, ClampLongAndDoubleKeepTheirBoundsWithoutAMessage)
{
    HelperTestForm& form =
        openWith([](App& a, TextBox& b) { return ClampRangeLong(a, b, -2147483647 - 1, 2147483647); });
    ASSERT_TRUE(user().paste(form.valuetxt, "2147483648"));
    EXPECT_EQ(form.valuetxt.text(), "2147483647");
    ASSERT_TRUE(user().paste(form.valuetxt, "-2147483649"));
    EXPECT_EQ(form.valuetxt.text(), "-2147483648");
    ASSERT_TRUE(user().paste(form.valuetxt, "-2147483648.5")); // rounds to the even bound
    EXPECT_EQ(form.valuetxt.text(), "-2147483648.5");

    form.check = [this](TextBox& box) { return ClampRangeDouble(app, box, 0, 100); };
    ASSERT_TRUE(user().paste(form.valuetxt, "100.5")); // not rounded: above
    EXPECT_EQ(form.valuetxt.text(), "100");
    EXPECT_EQ(form.valuetxt.selStart(), 3);
    EXPECT_EQ(form.valid, 1);
    EXPECT_EQ(beeps(), 3);
    EXPECT_TRUE(errorMessages().empty());
}

TEST_F(RangeChecksTest, BoundsThatLeaveNoValueAcceptNothingAndEndAtOnce)
{
    // The axis field while no board is listed: 1 to 0.
    HelperTestForm& form = openWith([](App& a, TextBox& b) { return ClampRangeInteger(a, b, 1, 0); });
    ASSERT_TRUE(user().type(form.valuetxt, "1"));
    EXPECT_EQ(form.valuetxt.text(), "1");
    EXPECT_EQ(form.valid, 0);
    EXPECT_EQ(form.checked.size(), 1U);
    EXPECT_EQ(beeps(), 1);

    form.check = [this](TextBox& box) { return ValidateRangeInteger(app, box, 5, 4); };
    form.valuetxt.setText("7");
    EXPECT_EQ(form.valid, 0);
    EXPECT_EQ(form.valuetxt.text(), "7");
    EXPECT_TRUE(errorMessages().empty());
}

} // namespace
} // namespace tarvik::testing
