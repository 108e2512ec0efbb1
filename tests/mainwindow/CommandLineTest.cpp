#include "mainwindow/StartUp.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace tarvik {
namespace {

CommandLine read(std::vector<std::string_view> arguments, const char* variable = nullptr)
{
    return readCommandLine(arguments, variable);
}

TEST(CommandLineTest, TheDriverLibraryComesFromTheOptionOrElseTheEnvironment)
{
    EXPECT_EQ(read({}).driverLibrary, "");
    EXPECT_EQ(read({"--driver", "/opt/boards/libmotion.so"}).driverLibrary, "/opt/boards/libmotion.so");
    EXPECT_EQ(read({"--driver=libmotion.so"}).driverLibrary, "libmotion.so");
    EXPECT_EQ(read({}, "/usr/lib/libmotion.so").driverLibrary, "/usr/lib/libmotion.so");
    EXPECT_EQ(read({"--driver", "mine.so"}, "/usr/lib/libmotion.so").driverLibrary, "mine.so");
    // The window system's own arguments are left to it.
    const CommandLine withQt = read({"-platform", "offscreen", "--driver", "a.so", "-style", "fusion"});
    EXPECT_EQ(withQt.driverLibrary, "a.so");
    EXPECT_EQ(withQt.error, "");
    EXPECT_FALSE(withQt.showHelp);
    EXPECT_EQ(withQt.unknown, (std::vector<std::string>{"-platform", "offscreen", "-style", "fusion"}));
}

TEST(CommandLineTest, AMissingPathIsAnErrorAndHelpIsAsked)
{
    EXPECT_EQ(read({"--driver"}).error, "--driver needs the path of a driver library");
    EXPECT_EQ(read({"--driver="}).error, "--driver needs the path of a driver library");
    EXPECT_TRUE(read({"--help"}).showHelp);
    EXPECT_NE(commandLineHelp().find("--driver PATH"), std::string_view::npos);
    EXPECT_NE(commandLineHelp().find("TARVIK_DRIVER"), std::string_view::npos);
}

} // namespace
} // namespace tarvik
