#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

#include "kit/ScratchDirectory.h"
#include "program/RecordFile.h"

namespace tarvik::testing {
namespace {

using testing::fileBytes;
using testing::writeFileBytes;

std::vector<RecordBytes> threeRecords()
{
    return {{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}};
}

class RecordFileTest : public ::testing::Test {
protected:
    testing::ScratchDirectory scratch;
    RecordFile file{"data.rec", 4, 3};
};

TEST_F(RecordFileTest, CreatesReadsAndWritesRecordsInPlace)
{
    EXPECT_FALSE(file.exists());
    FileResult<bool> created = file.createIfMissing(threeRecords());
    ASSERT_TRUE(created) << created.error();
    EXPECT_TRUE(created.value());
    EXPECT_EQ(fileBytes("data.rec"), (RecordBytes{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3}));
    EXPECT_FALSE(std::filesystem::exists("data.rec.tmp"));

    ASSERT_TRUE(file.write(2, {9, 8, 7, 6}));
    EXPECT_EQ(fileBytes("data.rec"), (RecordBytes{1, 1, 1, 1, 9, 8, 7, 6, 3, 3, 3, 3}));
    EXPECT_EQ(file.read(2).value(), (RecordBytes{9, 8, 7, 6}));
    EXPECT_EQ(file.read(3).value(), (RecordBytes{3, 3, 3, 3}));
    EXPECT_EQ(file.readAll().value().size(), 3u);
}

TEST_F(RecordFileTest, AnExistingFileIsNeverRecreated)
{
    writeFileBytes("data.rec", {5, 5});   // damaged, but the user's
    FileResult<bool> created = file.createIfMissing(threeRecords());
    ASSERT_TRUE(created);
    EXPECT_FALSE(created.value());
    EXPECT_EQ(fileBytes("data.rec"), (RecordBytes{5, 5}));
}

TEST_F(RecordFileTest, ShortAndLongFilesAreReportedAndLeftAlone)
{
    for (const RecordBytes& content : {RecordBytes(11, 7), RecordBytes(13, 7), RecordBytes{}}) {
        writeFileBytes("data.rec", content);
        const std::string kind = content.size() < 12 ? "too short" : "too long";

        FileResult<RecordBytes> read = file.read(1);
        ASSERT_FALSE(read);
        EXPECT_NE(read.error().find("\"data.rec\""), std::string::npos) << read.error();
        EXPECT_NE(read.error().find(kind), std::string::npos) << read.error();

        EXPECT_FALSE(file.readAll());
        FileStatus written = file.write(1, {0, 0, 0, 0});
        EXPECT_FALSE(written);
        EXPECT_EQ(written.error(), read.error());
        EXPECT_EQ(fileBytes("data.rec"), content);
    }
}

TEST_F(RecordFileTest, ReplaceRewritesTheWholeFileOnlyWhenAsked)
{
    writeFileBytes("data.rec", {5, 5});
    ASSERT_TRUE(file.replace(threeRecords()));
    EXPECT_EQ(file.read(1).value(), (RecordBytes{1, 1, 1, 1}));
    EXPECT_FALSE(std::filesystem::exists("data.rec.tmp"));
}

TEST_F(RecordFileTest, WholeFilesAreWrittenIntoNewFilesNeverThroughALink)
{
    namespace fs = std::filesystem;
    fs::create_directory("elsewhere");
    writeFileBytes("elsewhere/victim", {6, 6});
    writeFileBytes("elsewhere/linked", {7, 7});
    fs::create_symlink("elsewhere/victim", "data.rec.tmp");

    ASSERT_TRUE(file.createIfMissing(threeRecords()).value());
    EXPECT_EQ(fileBytes("elsewhere/victim"), (RecordBytes{6, 6}));
    EXPECT_TRUE(fs::is_symlink("data.rec.tmp"));

    // The file itself a link: replacing it puts a file of its own in the link's place.
    fs::remove("data.rec");
    fs::create_symlink("elsewhere/linked", "data.rec");
    ASSERT_TRUE(file.replace(threeRecords()));
    EXPECT_FALSE(fs::is_symlink("data.rec"));
    EXPECT_EQ(file.read(3).value(), (RecordBytes{3, 3, 3, 3}));
    EXPECT_EQ(fileBytes("elsewhere/linked"), (RecordBytes{7, 7}));

    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"data.rec", "data.rec.tmp", "elsewhere"})) << "no temporary file is left";
}

TEST_F(RecordFileTest, OnlyARegularFileIsReadOrWritten)
{
    ASSERT_EQ(::mkfifo("data.rec", 0600), 0);
    const std::string notRegular = "The file \"data.rec\" is not a regular file.";
    EXPECT_EQ(file.read(1).error(), notRegular);
    EXPECT_EQ(file.write(1, {0, 0, 0, 0}).error(), notRegular);
    EXPECT_FALSE(file.hasWrongSize());
    std::filesystem::remove("data.rec");
    std::filesystem::create_directory("data.rec");
    EXPECT_EQ(file.check().error(), notRegular);
    EXPECT_EQ(file.write(1, {0, 0, 0, 0}).error(), notRegular);
}

TEST_F(RecordFileTest, FilesThatCannotBeCreatedAreNamedTogetherOncePerReason)
{
    std::vector<NewRecordFile> files;
    for (const char* name : {"a.rec", "missing/c.rec", "data.rec", "data.rec/x.rec", "b.rec", "missing/d.rec"})
        files.push_back({RecordFile(name, 4, 3), threeRecords()});
    files.push_back({RecordFile("e.rec", 4, 3), {{1, 1, 1, 1}}});
    writeFileBytes("data.rec", {5});

    const FileStatus created = RecordFile::createMissing(files);
    ASSERT_FALSE(created);
    const std::string here = "\"" + std::filesystem::current_path().string() + "\"";
    EXPECT_EQ(created.error(), "The files \"missing/c.rec\", \"missing/d.rec\" could not be created in the working "
                               "directory " + here + ": No such file or directory. The file \"data.rec/x.rec\" could "
                               "not be created in the working directory " + here + ": Not a directory. The file "
                               "\"e.rec\" was not written: it takes 3 records, not 1.");
    EXPECT_EQ(fileBytes("a.rec").size(), 12u);
    EXPECT_EQ(fileBytes("b.rec").size(), 12u);
    EXPECT_EQ(fileBytes("data.rec"), (RecordBytes{5}));
}

TEST_F(RecordFileTest, BadRequestsAreRefusedWithoutTouchingTheFile)
{
    EXPECT_NE(file.read(1).error().find("does not exist"), std::string::npos);
    ASSERT_TRUE(file.createIfMissing(threeRecords()));
    const RecordBytes before = fileBytes("data.rec");

    EXPECT_NE(file.read(0).error().find("has no record 0"), std::string::npos);
    EXPECT_FALSE(file.read(4));
    EXPECT_FALSE(file.write(4, {0, 0, 0, 0}));
    EXPECT_FALSE(file.write(1, {0, 0, 0}));            // record of the wrong length
    EXPECT_FALSE(file.replace({{0, 0, 0, 0}}));        // too few records
    EXPECT_FALSE(file.replace({{0, 0, 0, 0}, {0}, {0, 0, 0, 0}}));
    EXPECT_EQ(fileBytes("data.rec"), before);
}

} // namespace
} // namespace tarvik::testing
