#include "base/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvik::testing {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct TextCase {
    std::string text;
    double value;
};

void expectValues(const std::vector<TextCase>& cases)
{
    for (const auto& c : cases) {
        const double got = valueOf(c.text);
        EXPECT_EQ(got, c.value) << "text \"" << c.text << "\"";
        EXPECT_FALSE(std::signbit(got) && got == 0.0) << "negative zero from \"" << c.text << "\"";
    }
}

TEST(ValueOf, ReadsTheLeadingDecimalNumber)
{
    expectValues({
        {"", 0}, {"+", 0}, {"-", 0}, {".", 0}, {"-.", 0}, {"abc", 0}, {"e5", 0}, {"--1", 0}, {"+-1", 0},
        {"12abc", 12}, {"1,5", 1}, {"1.5", 1.5}, {"-.5", -0.5}, {".5", 0.5}, {"5.", 5}, {"+7", 7},
        {"1.2.3", 1.2}, {"-0", 0}, {"-0.0e5", 0}, {"007", 7},
    });
}

TEST(ValueOf, IgnoresBlanksAnywhere)
{
    expectValues({{" 1 2 3", 123}, {"\t-\t4 2", -42}, {"- . 5", -0.5}, {"1 e 2", 100}, {"\n9", 9}, {"   ", 0}});
}

TEST(ValueOf, ReadsExponentsOnlyWithDigits)
{
    expectValues({
        {"1e", 1}, {"1e+", 1}, {"1E-", 1}, {"1e3", 1000}, {"1E-2", 0.01}, {"2.5D2", 250}, {"1d+1", 10},
        {"1e5.5", 100000}, {".5e1", 5}, {"1ex", 1}, {"1e0012", 1e12},
    });
}

TEST(ValueOf, ReadsHexAndOctalAsSixteenOrThirtyTwoBits)
{
    expectValues({
        {"&H", 0}, {"&HG", 0}, {"&", 0}, {"&X1", 0}, {"-&H10", 0}, {"&HFF", 255}, {"&hff", 255},
        {"&H7FFF", 32767}, {"&H8000", -32768}, {"&HFFFF", -1}, {"&H10000", 65536},
        {"&H7FFFFFFF", 2147483647}, {"&H80000000", -2147483648.0}, {"&HFFFFFFFF", -1},
        {"&H0000FFFF", -1}, {"&H1FZ", 31}, {"& H 1 0", 16}, {"&O17", 15}, {"&o177777", -1},
        {"&O200000", 65536}, {"&O37777777777", -1}, {"&O8", 0},
    });
}

TEST(ValueOf, NeverOverflowsOrLeavesTheDoubleRange)
{
    const std::string longRun = "1" + std::string(400, '0');
    const std::string tinyRun = "0." + std::string(400, '0') + "1";
    const std::string shiftedBack = "0." + std::string(1000, '0') + "1e1005";
    expectValues({
        {"&H100000000", kMax}, {"&O40000000000", kMax}, {"1e999", kMax}, {"-1e999", -kMax},
        {"1e-999", 0}, {"-1e-999", 0}, {longRun, kMax}, {"-" + longRun + "e-100", -1e300},
        {tinyRun, 0}, {shiftedBack, 1e4}, {"1e99999999999999999999", kMax}, {"0e99999999999999999999", 0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0}, {"1.7976931348623157e308", kMax},
        {"4.9e-324", std::numeric_limits<double>::denorm_min()},
    });
}

TEST(WholeNumbers, RoundHalvesToEven)
{
    const std::vector<std::pair<double, double>> cases = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {-0.5, 0}, {1.5, 2}, {2.4999999, 2},
        {2.5000001, 3}, {-0.3, 0}, {-0.0, 0}, {4503599627370497.0, 4503599627370497.0}, {1e300, 1e300},
    };
    for (const auto& [value, whole] : cases) {
        const double got = roundHalfEven(value);
        EXPECT_EQ(got, whole) << value;
        EXPECT_FALSE(got == 0.0 && std::signbit(got)) << value;
    }
    EXPECT_TRUE(std::isnan(roundHalfEven(kNaN)));
    EXPECT_EQ(roundHalfEven(-kInf), -kInf);
}

TEST(WholeNumbers, RefuseWhatDoesNotFit)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(32767.5), std::nullopt); // rounds to 32768
    EXPECT_EQ(toInt16(-32768.5), -32768);      // the even neighbour stays inside
    EXPECT_EQ(toInt16(-32769), std::nullopt);
    EXPECT_EQ(toInt16(1.5), 2);
    EXPECT_EQ(toInt16(kMax), std::nullopt);
    EXPECT_EQ(toInt16(kInf), std::nullopt);
    EXPECT_EQ(toInt16(kNaN), std::nullopt);
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(toInt32(2147483647.5), std::nullopt);
    EXPECT_EQ(toInt32(-2147483648.5), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toInt32(-2147483649.0), std::nullopt);
    EXPECT_EQ(toInt32(-kInf), std::nullopt);
    EXPECT_EQ(toInt32(kNaN), std::nullopt);
    // A hex text of the raw-command box: wider than 16 bits is refused, "FFFF" is -1.
    EXPECT_EQ(toInt16(valueOf("&H10000")), std::nullopt);
    EXPECT_EQ(toInt16(valueOf("&HFFFF")), -1);
    EXPECT_EQ(toInt32(valueOf("1e999")), std::nullopt);
}

TEST(WholeNumbers, SaturateAtTheLimits)
{
    EXPECT_EQ(toInt16Saturated(40000), 32767);
    EXPECT_EQ(toInt16Saturated(-1e9), -32768);
    EXPECT_EQ(toInt16Saturated(-2.5), -2);
    EXPECT_EQ(toInt16Saturated(kNaN), 0);
    EXPECT_EQ(toInt32Saturated(kInf), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toInt32Saturated(-kInf), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(toInt32Saturated(2147483647.5), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(toInt32Saturated(3.5), 4);
}

TEST(WholeNumbers, FloorAndTruncate)
{
    EXPECT_EQ(intFloor(-2.5), -3);
    EXPECT_EQ(intFloor(2.7), 2);
    EXPECT_EQ(intFloor(-3.0), -3);
    EXPECT_EQ(fix(-2.5), -2);
    EXPECT_EQ(fix(2.7), 2);
    EXPECT_EQ(fix(-0.4), 0);
}

struct FormCase {
    double value;
    std::string text;
};

TEST(SignedForm, DoublesShowFifteenDigitsWithoutLeadingZero)
{
    const std::vector<FormCase> cases = {
        {0, " 0"}, {-0.0, " 0"}, {1, " 1"}, {-1, "-1"}, {0.5, " .5"}, {-0.5, "-.5"}, {2.0, " 2"},
        {100, " 100"}, {123.456, " 123.456"}, {1.0 / 3, " .333333333333333"}, {2.0 / 3, " .666666666666667"},
        {0.1 + 0.2, " .3"}, {1234567.125, " 1234567.125"},
        {123456789012345.0, " 123456789012345"}, {999999999999999.0, " 999999999999999"},
        {123456789012345.6, " 123456789012346"},
        {0.0001, " .0001"}, {0.00012345, " .00012345"}, {0.00009999999999999999, " .0001"},
    };
    for (const auto& c : cases) EXPECT_EQ(strSigned(c.value), c.text) << c.value;
}

TEST(SignedForm, DoublesUseExponentsOnlyAtTheExtremes)
{
    const std::vector<FormCase> cases = {
        {1e15, " 1E+15"}, {999999999999999.6, " 1E+15"}, {-2.5e20, "-2.5E+20"}, {1e100, " 1E+100"},
        {0.00001, " 1E-05"}, {0.000015, " 1.5E-05"}, {-0.0000999999, "-9.99999E-05"}, {1.5e-300, " 1.5E-300"},
        {kMax, " 1.79769313486232E+308"}, {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
        {1234567890123456789.0, " 1.23456789012346E+18"},
    };
    for (const auto& c : cases) EXPECT_EQ(strSigned(c.value), c.text) << c.value;
}

TEST(SignedForm, NonFiniteValuesAreNamed)
{
    EXPECT_EQ(strSigned(kInf), " Infinity");
    EXPECT_EQ(strSigned(-kInf), "-Infinity");
    EXPECT_EQ(strSigned(kNaN), " NaN");
    EXPECT_EQ(formatNumber(-kInf, "#0.00"), "-Infinity");
}

TEST(SignedForm, FloatsShowSevenDigits)
{
    const std::vector<std::pair<float, std::string>> cases = {
        {0.1f, " .1"}, {-2.5f, "-2.5"}, {1234567.0f, " 1234567"}, {1e7f, " 1E+07"}, {12345678.0f, " 1.234568E+07"},
        {3.14159265f, " 3.141593"}, {0.00001f, " 1E-05"}, {0.0001f, " .0001"}, {-0.0f, " 0"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(strSigned(value), text) << value;
}

TEST(SignedForm, IntegersAndTheTrimmedForm)
{
    EXPECT_EQ(strSigned(std::int16_t{3}), " 3");
    EXPECT_EQ(strSigned(std::int16_t{-32768}), "-32768");
    EXPECT_EQ(strSigned(0), " 0");
    EXPECT_EQ(strTrimmed(std::int32_t{-5}), "-5");
    EXPECT_EQ(strTrimmed(std::int32_t{2147483647}), "2147483647");
    EXPECT_EQ(strTrimmed(0.5), ".5");
    EXPECT_EQ(strTrimmed(-0.5), "-.5");
    EXPECT_EQ(strTrimmed(1e15), "1E+15");
    EXPECT_EQ(strTrimmed(-0.0), "0");
    EXPECT_EQ("ID" + strSigned(std::int16_t{3}), "ID 3");
}

// Every shown number reads back as the value it shows, and showing it again changes nothing:
// a field normalised twice keeps its text. Half the values are arbitrary bit patterns, half lie
// around the positional range where most of the form's cases are.
TEST(SignedForm, ReadsBackAndIsStableForArbitraryDoubles)
{
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> power(-7, 17);
    for (int i = 0; i < 40000; ++i) {
        const double value = i % 2 ? std::bit_cast<double>(random()) : mantissa(random) * std::pow(10.0, power(random));
        if (!std::isfinite(value)) continue;
        const std::string text = strTrimmed(value);
        const double back = valueOf(text);
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * 1e-14) << text;
        ASSERT_EQ(strTrimmed(back), text) << value;
        ASSERT_FALSE(text.starts_with("0.") || text.starts_with("-0.") || text.ends_with(".")) << text;
    }
}

// Whatever is typed, reading it gives a finite number that converts without overflow.
TEST(ValueOf, SurvivesArbitraryTexts)
{
    const std::string alphabet = "0123456789+-.eEdD&HhOo \tGx,9";
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    for (int i = 0; i < 50000; ++i) {
        std::string text;
        for (std::size_t n = length(random); n > 0; --n) text += alphabet[pick(random)];
        const double value = valueOf(text);
        ASSERT_TRUE(std::isfinite(value)) << text;
        const auto whole = toInt32(value);
        if (whole) {
            ASSERT_EQ(*whole, toInt32Saturated(value)) << text;
        }
    }
}

TEST(Hex, UpperCaseDigitsWithoutPrefixOrLeadingZeros)
{
    EXPECT_EQ(hex16(-1), "FFFF");
    EXPECT_EQ(hex16(0), "0");
    EXPECT_EQ(hex16(768), "300");
    EXPECT_EQ(hex16(-32768), "8000");
    EXPECT_EQ(hex16(0x41), "41");
    EXPECT_EQ(hex16(0xABC), "ABC");
    EXPECT_EQ(hex32(-1), "FFFFFFFF");
    EXPECT_EQ(hex32(0), "0");
    EXPECT_EQ(hex32(std::numeric_limits<std::int32_t>::min()), "80000000");
    EXPECT_EQ(hex32(0x1234ABCD), "1234ABCD");
    for (int v : {-32768, -1, 0, 1, 0x99, 32767})
        EXPECT_EQ(valueOf("&H" + hex16(static_cast<std::int16_t>(v))), v);
}

struct PatternCase {
    double value;
    std::string pattern;
    std::string text;
};

TEST(FormatNumber, TwoDecimalsRoundHalfAwayFromZeroOnTheShownDigits)
{
    const std::vector<PatternCase> cases = {
        {2.345, "#0.00", "2.35"}, {1.005, "#0.00", "1.01"}, {2.675, "#0.00", "2.68"}, {0.125, "#0.00", "0.13"},
        {-0.125, "#0.00", "-0.13"}, {0, "#0.00", "0.00"}, {-0.0, "#0.00", "0.00"}, {-0.001, "#0.00", "0.00"},
        {-0.004999, "#0.00", "0.00"}, {-0.005, "#0.00", "-0.01"}, {0.005, "#0.00", "0.01"}, {0.5, "#0.00", "0.50"},
        {12, "#0.00", "12.00"}, {123456.789, "#0.00", "123456.79"}, {9.995, "#0.00", "10.00"},
        {99.999, "#0.00", "100.00"}, {-99.999, "#0.00", "-100.00"}, {1e20, "#0.00", "100000000000000000000.00"},
        {1e-20, "#0.00", "0.00"}, {0.004, "#0.00", "0.00"}, {0.0049999999999999, "#0.00", "0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(FormatNumber, OtherPatterns)
{
    const std::vector<PatternCase> cases = {
        {1234.56, "######0.0", "1234.6"}, {0.04, "######0.0", "0.0"}, {0.05, "######0.0", "0.1"},
        {-7.25, "######0.0", "-7.3"}, {123456789.95, "######0.0", "123456790.0"},
        {5, "#.##", "5."}, {0.5, "#.##", ".5"}, {3.14159, "0.000", "3.142"}, {7, "000", "007"},
        {1234, "0", "1234"}, {2.5, "0", "3"}, {-2.5, "0", "-3"}, {0.4, "#", ""}, {-0.4, "0", "0"},
        {1.5, "#.0#", "1.5"}, {1.25, "#.0#", "1.25"}, {1, "#.0#", "1.0"}, {0.999, "#.0#", "1.0"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(FormatNumber, RejectsPatternsItDoesNotKnow)
{
    for (const char* pattern : {"#,##0", "0.0.0", "", ".", "abc", "0.00%"})
        EXPECT_THROW(formatNumber(1, pattern), std::invalid_argument) << pattern;
}

TEST(Trim, RemovesSpacesOnly)
{
    EXPECT_EQ(ltrim("  a b  "), "a b  ");
    EXPECT_EQ(rtrim("  a b  "), "  a b");
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(""), "");
    EXPECT_EQ(trim("\ta\t"), "\ta\t");
}

} // namespace
} // namespace tarvik::testing
