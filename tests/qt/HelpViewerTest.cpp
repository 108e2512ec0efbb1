// The help viewer over the shipped help pages: links between pages, back and forward, the
// contents, Escape, and a topic without a page.

#include "qt/HelpViewer.h"

#include "RunningProgram.h"
#include "program/HelpFile.h"
#include "program/HelpTopics.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tarvik::testing {
namespace {

class HelpViewerTest : public ::testing::Test {
protected:
    HelpViewerTest()
    {
        viewer.setSource([](int topic) {
            const auto folder = std::filesystem::path(__FILE__).parent_path() / "../../docs/help";
            if (topic == 0) return (folder / "contents.html").string();
            if (topic == 330) return (folder / "topic330.html").string();
            return std::string();
        });
    }

    void press(QWidget& target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QKeyEvent down(QEvent::KeyPress, key, modifiers);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(&target, &down);
        QApplication::sendEvent(&target, &up);
        QApplication::processEvents();
    }
    QToolButton* button(const QString& text) const
    {
        for (QToolButton* b : viewer.window()->findChildren<QToolButton*>())
            if (b->text() == text) return b;
        return nullptr;
    }
    QString page() const { return viewer.browser()->source().fileName(); }

    int argc = 1;
    char name[7] = "tarvik";
    char* argv[2] = {name, nullptr};
    QApplication application{argc, argv};
    HelpViewer viewer;
};

TEST_F(HelpViewerTest, LinksOpenTheirPageAndBackAndForwardRetraceThem)
{
    viewer.show(330);
    ASSERT_NE(viewer.browser(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_EQ(page(), "topic330.html");
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("Load Target Position"));
    EXPECT_FALSE(button("Back")->isEnabled());

    // From the keyboard: Tab to the first link (the contents), Enter follows it.
    QTextBrowser& browser = *viewer.browser();
    press(browser, Qt::Key_Tab);
    press(browser, Qt::Key_Return);
    EXPECT_EQ(page(), "contents.html");
    EXPECT_TRUE(button("Back")->isEnabled());

    button("Back")->click();
    EXPECT_EQ(page(), "topic330.html");
    EXPECT_TRUE(button("Forward")->isEnabled());
    press(browser, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(page(), "contents.html");
    press(browser, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(page(), "topic330.html");

    button("Contents")->click();
    EXPECT_EQ(page(), "contents.html");
}

TEST_F(HelpViewerTest, EscapeClosesTheViewerAndATopicWithoutAPageSaysSo)
{
    viewer.show(12345);
    ASSERT_NE(viewer.browser(), nullptr);
    EXPECT_EQ(viewer.browser()->toPlainText(), "No help is available for topic 12345.");

    press(*viewer.browser(), Qt::Key_Escape);
    EXPECT_EQ(viewer.window(), nullptr);
    EXPECT_EQ(viewer.browser(), nullptr);

    // Opened again, it starts afresh at the topic asked for.
    viewer.show(0);
    EXPECT_EQ(page(), "contents.html");
    EXPECT_FALSE(button("Back")->isEnabled());
}

// The running program names its pages as src/main.cpp does; F1 with nothing but the main window
// focused opens the contents.
TEST(HelpInTheProgram, F1OnTheBareMainWindowOpensTheContents)
{
    RunningProgram program;
    program.qt.setHelpSource(
        [&](int topic) { return helpTopicPage(program.app.state().HelpFilePath, topic).string(); });
    ASSERT_TRUE(program.start());
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&program.window(), &f1);
    settle();
    EXPECT_EQ(program.runtime.lastHelpTopic(), kHelpMainWindow);
    QTextBrowser* browser = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = window->findChild<QTextBrowser*>(); found && window->isVisible()) browser = found;
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().fileName(), "contents.html");
    EXPECT_TRUE(browser->toPlainText().contains("Trajectory Control"));
}

} // namespace
} // namespace tarvik::testing
