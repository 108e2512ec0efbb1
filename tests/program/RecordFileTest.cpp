#include <gtest/gtest.h>

#include <filesystem>

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
