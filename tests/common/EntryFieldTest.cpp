#include "common/HelperTestForm.h"

#include "common/EntryField.h"

#include <memory>
#include <optional>

namespace tarvik::testing {
namespace {

// An entry field run by a rule on the test dialog's second box, counting the window's rule.
class EntryFieldTest : public FormHelpersTest {
protected:
    EntryFieldTest() : form(open()) {}

    EntryField& make(const FieldRule& rule)
    {
        field = std::make_unique<EntryField>(app, form.othertxt, rule);
        field->checked = [this] { ++rulesApplied; };
        return *field;
    }

    HelperTestForm& form;
    std::unique_ptr<EntryField> field;
    int rulesApplied = 0;
};

TEST_F(EntryFieldTest, TypingChecksIntoTheFlagAndLeavingDoesWhatTheRuleSays)
{
    EntryField& f = make({.keys = kDecimalKeys, .check = FieldCheck::ValidateDouble, .bounds = {0, 100},
                          .leaving = FieldLeaving::Decimal});
    f.entered = [this] { form.valuetxt.setText("entered"); };
    form.othertxt.setText("12");
    rulesApplied = 0;

    ASSERT_TRUE(user().focus(form.othertxt));
    EXPECT_EQ(form.valuetxt.text(), "entered");
    EXPECT_EQ(form.othertxt.selLength(), 2); // the whole text is selected on entry
    ASSERT_TRUE(user().type(form.othertxt, "-0.5x"));
    EXPECT_EQ(form.othertxt.text(), "0.5");
    EXPECT_EQ(f.valid(), 1);
    EXPECT_EQ(rulesApplied, 3);

    ASSERT_TRUE(user().focus(form.valuetxt));
    EXPECT_EQ(form.othertxt.text(), ".5");
}

TEST_F(EntryFieldTest, BoundsOfTheMomentDecideAndNoneMeansNoValueYet)
{
    EntryField& f = make({.check = FieldCheck::ClampInteger, .leaving = FieldLeaving::Recheck});
    std::optional<FieldBounds> bounds;
    f.boundsNow = [&] { return bounds; };

    form.othertxt.setText("3");
    EXPECT_EQ(f.valid(), 0);
    EXPECT_EQ(beeps(), 0); // no check was made

    bounds = FieldBounds{1, 2};
    f.check();
    EXPECT_EQ(form.othertxt.text(), "2"); // clamped silently to the new bounds
    EXPECT_EQ(f.valid(), 1);
    EXPECT_EQ(beeps(), 1);
    EXPECT_TRUE(errorMessages().empty());
}

TEST_F(EntryFieldTest, EnterLeavesOnlyWhenAskedAndClampLongLeavingTestsATextWrittenQuietly)
{
    EntryField& f = make({.check = FieldCheck::ValidateDoubleOrBlank, .bounds = {1, 65535},
                          .leaving = FieldLeaving::ClampLong});
    answerErrorWindow();
    ASSERT_TRUE(user().focus(form.othertxt));
    ASSERT_TRUE(user().type(form.othertxt, "70000"));
    EXPECT_EQ(errorMessages(), std::vector<std::string>{"Value needs to be between 1 and 65535."});
    EXPECT_EQ(form.othertxt.text(), "65535");

    f.writeQuietly("0"); // no range test: not valid, not rewritten
    EXPECT_EQ(f.valid(), 0);
    ASSERT_TRUE(user().type(form.othertxt, "\r"));
    EXPECT_EQ(form.othertxt.text(), "0"); // Enter passes the key filter but does not leave
    EXPECT_EQ(f.valid(), 0);

    f.enterLeaves = true;
    ASSERT_TRUE(user().type(form.othertxt, "\r"));
    EXPECT_EQ(form.othertxt.text(), "1");
    EXPECT_EQ(f.valid(), 1);
}

} // namespace
} // namespace tarvik::testing
