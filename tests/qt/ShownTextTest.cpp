#include "qt/ShownText.h"

#include <gtest/gtest.h>

namespace tarvik::testing {
namespace {

TEST(ShownTextTest, MultiLineTextsShowLineFeedsAndKeepPositionsApart)
{
    const ShownText shown("ab\r\ncd", true);
    EXPECT_EQ(shown.text(), "ab\ncd");
    EXPECT_EQ(shown.toShown(2), 2); // before the line end
    EXPECT_EQ(shown.toShown(4), 3); // start of the second line
    EXPECT_EQ(shown.toShown(6), 5);
    EXPECT_EQ(shown.toModel(3), 4);
    EXPECT_EQ(shown.toModel(2), 2);
    EXPECT_EQ(shown.toModel(99), 6);

    const ShownText single("ab\r\ncd", false);
    EXPECT_EQ(single.toShown(4), 4);
}

TEST(ShownTextTest, MultiByteCharactersCountOnceOnScreen)
{
    const ShownText shown("5\xC2\xB5m", false); // 5, micro sign (two bytes), m
    EXPECT_EQ(shown.text().size(), 3);
    EXPECT_EQ(shown.toShown(3), 2);
    EXPECT_EQ(shown.toModel(2), 3);
    EXPECT_EQ(shown.toModel(1), 1);
    EXPECT_EQ(shown.toShown(-4), 0);
}

} // namespace
} // namespace tarvik::testing
