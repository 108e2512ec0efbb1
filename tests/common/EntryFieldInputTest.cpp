#include "common/HelperTestForm.h"

#include "common/KeyFilter.h"
#include "common/NormalizeField.h"

namespace tarvik::testing {
namespace {

class EntryFieldInputTest : public FormHelpersTest {
protected:
    EntryFieldInputTest() : form(open()) {}

    // Leaves the field holding `text`: its LostFocus rewrites it.
    std::string leftWith(const std::string& text)
    {
        EXPECT_TRUE(user().focus(form.valuetxt));
        form.valuetxt.setText(text);
        EXPECT_TRUE(user().focus(form.othertxt));
        return form.valuetxt.text();
    }

    HelperTestForm& form;
};

TEST_F(EntryFieldInputTest, KeyFilterDropsKeysOutsideTheSetSilently)
{
    form.keySet = "0123456789";
    ASSERT_TRUE(user().type(form.valuetxt, "1a-2. 3+"));
    EXPECT_EQ(form.valuetxt.text(), "123");
    ASSERT_TRUE(user().typeCharacter(22)); // Ctrl+V
    ASSERT_TRUE(user().typeCharacter(8));  // Backspace passes
    EXPECT_EQ(form.valuetxt.text(), "12");
    EXPECT_EQ(beeps(), 0);

    form.keySet = "0123456789ABCDEF"; // case-sensitive
    form.valuetxt.setText("");
    ASSERT_TRUE(user().type(form.valuetxt, "abcF"));
    EXPECT_EQ(form.valuetxt.text(), "F");
}

TEST_F(EntryFieldInputTest, KeyFilterAlwaysPassesBackspaceAndEnterAndNothingElseOutsideAscii)
{
    EXPECT_EQ(FilterKey(8, ""), 8);
    EXPECT_EQ(FilterKey(13, ""), 13);
    EXPECT_EQ(FilterKey('7', "0123456789"), '7');
    EXPECT_EQ(FilterKey(0, std::string_view("0\0", 2)), 0);
    EXPECT_EQ(FilterKey(0x100 + '7', "0123456789"), 0);
    EXPECT_EQ(FilterKey(-1, "0123456789"), 0);
}

TEST_F(EntryFieldInputTest, NormalizeWholeRoundsHalvesToEvenBelowTheLimit)
{
    form.normalize = NormalizeWhole;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"12.5", "12"},
        {"13.5", "14"},
        {"-2.5", "-2"},
        {"+7", "7"},
        {"007", "7"},
        {"1E3", "1000"},
        {"", "0"},
        {"-", "0"},
        {"2099999999.4", "2099999999"},
        {"-2099999999.5", "-2100000000"},
        {"2100000000", "2100000000"},   // at the limit: kept as typed
        {"-2100000000.7", "-2100000000.7"},
        {"99999999999999", "99999999999999"},
    };
    for (const auto& [typed, expected] : cases) EXPECT_EQ(leftWith(typed), expected) << typed;
}

TEST_F(EntryFieldInputTest, NormalizeDecimalWritesTheTrimmedValue)
{
    form.normalize = NormalizeDecimal;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"0.50", ".5"},  {"+.5", ".5"},   {"-0", "0"},       {"", "0"},
        {"1.25e2", "125"}, {"-0.250", "-.25"}, {"12.", "12"}, {"1234567.125", "1234567.125"},
    };
    for (const auto& [typed, expected] : cases) EXPECT_EQ(leftWith(typed), expected) << typed;
}

TEST_F(EntryFieldInputTest, TheRewriteIsCheckedLikeATypedText)
{
    form.normalize = NormalizeWhole;
    form.check = [this](TextBox&) { return std::int16_t{1}; };
    leftWith("4.5");
    EXPECT_EQ(form.checked, (std::vector<std::string>{"4.5", "4"}));
}

} // namespace
} // namespace tarvik::testing
