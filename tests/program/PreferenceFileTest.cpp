#include <gtest/gtest.h>

#include <string>

#include "kit/ScratchDirectory.h"
#include "program/PreferenceFile.h"
#include "program/RecordBytes.h"

namespace tarvik::testing {
namespace {

using testing::fileBytes;
using testing::writeFileBytes;

class PreferenceFileTest : public ::testing::Test {
protected:
    testing::ScratchDirectory scratch;
};

TEST_F(PreferenceFileTest, ANewFileHoldsOptionOneAndNoAutoInitialisation)
{
    FileResult<bool> created = PreferenceFile::createIfMissing();
    ASSERT_TRUE(created) << created.error();
    EXPECT_TRUE(created.value());
    RecordBytes expected;
    for (int id = 0; id < 8; ++id) {
        expected.insert(expected.end(), {1, 0, 0, 0});
    }
    EXPECT_EQ(fileBytes("Moxel.prf"), expected);

    const FileResult<Preferences> loaded = PreferenceFile::load();
    ASSERT_TRUE(loaded) << loaded.error();
    for (const PreferenceRecord& record : loaded.value()) {
        EXPECT_EQ(record.option(), 1);
        EXPECT_FALSE(record.initialisesAtStartUp());
    }
    EXPECT_FALSE(PreferenceFile::createIfMissing().value());
}

TEST_F(PreferenceFileTest, BoardIdNIsRecordNPlusOne)
{
    ASSERT_TRUE(PreferenceFile::createIfMissing());
    ASSERT_TRUE(PreferenceFile::store(3, {10, 1}));
    ASSERT_TRUE(PreferenceFile::store(7, {-2, 1}));
    const RecordBytes bytes = fileBytes("Moxel.prf");
    ASSERT_EQ(bytes.size(), 32u);
    EXPECT_EQ(RecordBytes(bytes.begin() + 12, bytes.begin() + 16), (RecordBytes{10, 0, 1, 0}));
    EXPECT_EQ(RecordBytes(bytes.begin() + 28, bytes.begin() + 32), (RecordBytes{0xFE, 0xFF, 1, 0}));

    const Preferences loaded = PreferenceFile::load().value();
    EXPECT_EQ(loaded[3], (PreferenceRecord{10, 1}));
    EXPECT_EQ(loaded[3].option(), 10);
    EXPECT_TRUE(loaded[3].initialisesAtStartUp());
    EXPECT_EQ(loaded[7].LoadOption, -2);   // kept as stored ...
    EXPECT_EQ(loaded[7].option(), 1);      // ... but read as option 1
    EXPECT_EQ(loaded[2], PreferenceRecord{});
    EXPECT_FALSE((PreferenceRecord{1, -1}).initialisesAtStartUp());   // only 1 asks for it
    EXPECT_FALSE(PreferenceFile::store(8, {}));
    EXPECT_FALSE(PreferenceFile::store(-1, {}));
}

TEST_F(PreferenceFileTest, ADamagedFileIsReportedAndReplacedOnlyOnRequest)
{
    writeFileBytes("Moxel.prf", {2, 0, 1, 0, 3});
    const FileResult<Preferences> loaded = PreferenceFile::load();
    ASSERT_FALSE(loaded);
    EXPECT_NE(loaded.error().find("\"Moxel.prf\""), std::string::npos) << loaded.error();
    EXPECT_FALSE(PreferenceFile::createIfMissing().value());
    EXPECT_FALSE(PreferenceFile::store(1, {4, 0}));
    EXPECT_EQ(fileBytes("Moxel.prf"), (RecordBytes{2, 0, 1, 0, 3}));

    Preferences fresh;
    fresh[1] = {4, 1};
    ASSERT_TRUE(PreferenceFile::replace(fresh));
    EXPECT_EQ(PreferenceFile::load().value(), fresh);
}

} // namespace
} // namespace tarvik::testing
