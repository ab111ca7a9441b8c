// Program paths: backslashes, case-insensitive components, missing names, absolute paths, deletion.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/platform.h"
#include "temp_folder.h"

namespace {

class ResolvePathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_.Write("Data/Sprite.X", "quad");
        folder_.Write("Data/settings.dat", "s");
        folder_.Write("WData/Config.INI", "c");
        platform::SetProgramFolder(folder_.Path() + "/");
    }
    TempFolder folder_;
};

TEST_F(ResolvePathTest, ProgramFolderDropsTrailingSlash)
{
    EXPECT_EQ(platform::ProgramFolder(), folder_.Path());
}

TEST_F(ResolvePathTest, BackslashesAndExactNames)
{
    EXPECT_EQ(platform::ResolvePath("Data\\Sprite.X"), folder_ / "Data/Sprite.X");
    EXPECT_EQ(platform::ResolvePath("Data/settings.dat"), folder_ / "Data/settings.dat");
    EXPECT_EQ(platform::ResolvePath(".\\Data\\\\settings.dat"), folder_ / "Data/settings.dat");
}

TEST_F(ResolvePathTest, ComponentsMatchIgnoringCase)
{
    EXPECT_EQ(platform::ResolvePath("data\\sprite.x"), folder_ / "Data/Sprite.X");
    EXPECT_EQ(platform::ResolvePath("wdata\\config.ini"), folder_ / "WData/Config.INI");
    EXPECT_EQ(platform::ResolvePath("DATA\\SETTINGS.DAT"), folder_ / "Data/settings.dat");
}

TEST_F(ResolvePathTest, MissingNamesKeepTheirWrittenForm)
{
    // The folder is found, the file to be created keeps the program's spelling.
    EXPECT_EQ(platform::ResolvePath("data\\Records.DAT"), folder_ / "Data/Records.DAT");
    // Below a missing folder nothing is looked up.
    EXPECT_EQ(platform::ResolvePath("Sound\\14.WAV"), folder_ / "Sound/14.WAV");
    EXPECT_EQ(platform::ResolvePath(""), folder_.Path());
}

TEST_F(ResolvePathTest, AbsolutePathsAreKept)
{
    EXPECT_EQ(platform::ResolvePath(folder_ / "Data/Sprite.X"), folder_ / "Data/Sprite.X");
    EXPECT_EQ(platform::ResolvePath(folder_ / "data/sprite.x"), folder_ / "data/sprite.x");
    EXPECT_EQ(platform::ResolvePath("/no\\such\\file"), "/no/such/file");
}

TEST_F(ResolvePathTest, DeleteFileFindsTheFileIgnoringCase)
{
    EXPECT_TRUE(platform::DeleteFile("data\\SETTINGS.dat"));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Data/settings.dat"));
    EXPECT_FALSE(platform::DeleteFile("data\\settings.dat"));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "Data/Sprite.X"));
}

}  // namespace
