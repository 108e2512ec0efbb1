// The program started on a driver library, as a user starts it with --driver.

#include "kit/ProgramTest.h"

#include "commands/io/BoardNameDialog.h"
#include "driver/StatusText.h"
#include "mainwindow/MainWindowForm.h"

#include <chrono>
#include <fstream>
#include <utility>

#include <sys/stat.h>

namespace tarvik::testing {
namespace {

class DriverLibraryStartUp : public ProgramTest {
protected:
    void startOn(const std::filesystem::path& library) { renewProgram({.driverLibrary = library}); }

    std::vector<std::string> boardMenu()
    {
        std::vector<std::string> items;
        auto* main = app().loaded<MainWindowForm>();
        for (int id = 0; main != nullptr && id < 8; ++id)
            items.push_back(main->bidmu(id).caption() + (main->bidmu(id).enabled() ? "" : " (off)"));
        return items;
    }

    // The error window the start-up showed; empty when it showed none.
    std::string errorWindowText()
    {
        for (const auto& shown : host().modalShows())
            if (shown.form == "frmerrmsg") return shown.text;
        return {};
    }
};

TEST_F(DriverLibraryStartUp, StartsWithTheBoardsBehindTheLibraryAsWithTheSimulatedOnes)
{
    ASSERT_TRUE(start());
    const std::vector<std::string> simulatedMenu = boardMenu();
    const std::vector<std::string> simulatedCalls = calls();

    startOn(TARVIK_FAKE_DRIVER);
    ASSERT_TRUE(start());
    EXPECT_EQ(boardMenu(), simulatedMenu);
    EXPECT_EQ(errorWindowText(), "");
    // The calls go through the recording driver as they do to the simulated boards.
    EXPECT_EQ(calls(), simulatedCalls);
}

TEST_F(DriverLibraryStartUp, ALibraryThatCannotBeLoadedIsReportedWithItsPathAndTheProgramEnds)
{
    const std::filesystem::path missing = directory() / "no-such-driver.so";
    const std::filesystem::path notALibrary = directory() / "notes.so";
    std::ofstream(notALibrary) << "not a shared library\n";
    // Neither a FIFO nor a library cut short reaches the system loader, which would wait for
    // ever on the one and fault on the other.
    const std::filesystem::path fifo = directory() / "pipe.so";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::filesystem::path truncated = directory() / "truncated.so";
    std::filesystem::copy_file(TARVIK_FAKE_DRIVER, truncated);
    std::filesystem::resize_file(truncated, 2000);
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {missing, "it could not be opened: "},
        {notALibrary, "it is a damaged or foreign library: it is not an ELF file"},
        {fifo, "it is not a regular file"},
        {truncated, "it is a damaged or foreign library: "},
    };

    for (const auto& [library, reason] : cases) {
        startOn(library);
        EXPECT_FALSE(start());
        const std::string text = errorWindowText();
        EXPECT_NE(text.find("Tarvik could not find any Quorvane Motion Control boards configured."), std::string::npos);
        EXPECT_NE(text.find("The board configuration could not be read: the driver library \"" + library.string() +
                            "\" could not be loaded: " + reason),
                  std::string::npos)
            << text;
        EXPECT_TRUE(runtime().ended());
        EXPECT_TRUE(runtime().forms().empty());
    }
}

TEST_F(DriverLibraryStartUp, ABoardNameTheLibraryCutsShortShowsOnlyWholeCharactersOfWhatItVouchedFor)
{
    startOn(TARVIK_LYING_DRIVER);
    ASSERT_TRUE(start());
    app().state().selection.CurrentBoard = 2;
    auto& dialog = openFromMenu<BoardNameDialog>("GetBoardName");
    click(dialog.runcmd);
    EXPECT_EQ(dialog.BoardName.text(), "Achse ");
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_noError));
}

TEST_F(DriverLibraryStartUp, ALibraryWithoutEveryEntryPointIsRefusedNamingTheMissingOnes)
{
    startOn(TARVIK_PARTIAL_DRIVER);
    EXPECT_FALSE(start());
    const std::string text = errorWindowText();
    EXPECT_NE(text.find(std::string("the driver library \"") + TARVIK_PARTIAL_DRIVER +
                        "\" does not export the entry points read_rdb, send_command"),
              std::string::npos)
        << text;
    // Nothing of a half-bound library is called.
    EXPECT_EQ(calls(), std::vector<std::string>{"get_bd_config(&{})"});
    EXPECT_TRUE(runtime().ended());
}

// Board 1 initialised at start-up on axes that never report their move done: the main window is
// up before the first wait, the wait lets scheduled actions run (the runner's time limit ends the
// program here), and the start-up ends at once instead of waiting out its bound.
TEST_F(DriverLibraryStartUp, AStartUpInitialisationThatNeverEndsShowsTheMainWindowAndYieldsToAnEnd)
{
    // Eight preference records (option, start-up initialisation); board 1 asks for it.
    const char record[] = {1, 0, 0, 0, 1, 0, 1, 0};
    std::ofstream prf(directory() / "Moxel.prf", std::ios::binary);
    prf.write(record, sizeof record);
    for (int board = 2; board < 8; ++board) prf.write(record, 4);
    prf.close();

    startOn(TARVIK_STUCK_DRIVER);
    bool mainShown = false;
    runtime().schedule(500, [&] {
        const auto* main = app().loaded<MainWindowForm>();
        mainShown = main != nullptr && main->visible();
        runtime().endProgram();
    });
    const auto began = std::chrono::steady_clock::now();
    start();
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(20));
    EXPECT_TRUE(mainShown);
    EXPECT_TRUE(runtime().ended());
    EXPECT_EQ(errorWindowText(), "");
}

} // namespace
} // namespace tarvik::testing
