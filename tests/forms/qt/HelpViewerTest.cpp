#include "forms/qt/HelpViewer.h"

#include <gtest/gtest.h>

namespace tarvik::testing {
namespace {

TEST(HelpViewerTest, PlainTextParagraphsAreJoinedAndIndentedLinesKept)
{
    const QString html = HelpViewer::htmlOf(QStringLiteral("Find Home\r\n\r\nMoves each axis to its home\r\n"
                                                           "switch & stops.\r\n\r\n   55  Find Home\r\n   56  Find <Index>\r\n"));
    EXPECT_TRUE(html.startsWith("<h3>Find Home</h3>"));
    // The lines of a paragraph flow together, so the viewer wraps them to its own width.
    EXPECT_TRUE(html.contains("<p>Moves each axis to its home switch &amp; stops.</p>"));
    // Indented lines (a list) keep their line and their blanks.
    EXPECT_TRUE(html.contains("<div style=\"white-space:pre\">   55  Find Home</div>"));
    EXPECT_TRUE(html.contains("   56  Find &lt;Index&gt;</div>"));
}

} // namespace
} // namespace tarvik::testing
