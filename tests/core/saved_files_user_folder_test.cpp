// The saved files of a game whose folder is read-only: they move to $XDG_DATA_HOME/pebbledash.
#include "core/saved_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/core/temp_program_folder.h"

namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> Bytes(std::span<const uint8_t> bytes) { return {bytes.begin(), bytes.end()}; }

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class SavedFilesUserFolderTest : public ::testing::Test {
protected:
    // Lets the scratch folder go also when the test does not run as root.
    ~SavedFilesUserFolderTest() override {
        std::error_code ignored;
        fs::permissions(folder.Path("data"), fs::perms::owner_all, fs::perm_options::add, ignored);
    }

    // The game folder's own saves: a settings record and tables a player made.
    void PutGameFolderSaves() {
        Settings settings;
        settings.musicVolume = 7;
        settings.lastCountry.Assign("Norway");
        gameSettings = Bytes(settings.ToBytes());
        RecordTables tables = SavedFiles::DefaultRecords();
        tables[1][0].name.Assign("Ingrid");
        tables[1][0].score = 9000;
        gameRecords = Bytes(RecordTablesToBytes(tables));
        folder.Write("data/settings.dat", gameSettings);
        folder.Write("data/records.dat", gameRecords);
    }

    void MakeGameFolderReadOnly() {
        fs::permissions(folder.Path("data"), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

    std::vector<uint8_t> ReadUser(const std::string& name) const {
        std::ifstream in(userFolder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    TempProgramFolder folder;
    test_support::ScratchFolder home{"pebbledash-home"};
    const fs::path userFolder = home.Path() / "xdg" / "pebbledash";
    ScopedEnv xdg{"XDG_DATA_HOME", (home.Path() / "xdg").string()};
    std::vector<uint8_t> gameSettings, gameRecords;
};

TEST_F(SavedFilesUserFolderTest, WritableGameFolderKeepsItsSaves) {
    PutGameFolderSaves();
    SavedFiles files;
    files.LoadSavedFiles();
    files.settings.soundVolume = 3;
    ASSERT_TRUE(files.SaveSettings(SettingsCopy::Live));

    EXPECT_TRUE(platform::SavesInProgramFolder());
    EXPECT_EQ(folder.Read("data/settings.dat")[8], 3);
    EXPECT_FALSE(fs::exists(home.Path() / "xdg")) << "the user folder is not made when unused";
}

TEST_F(SavedFilesUserFolderTest, ReadOnlyGameFolderCopiesItsSavesOnceAndWritesOnlyTheUserFolder) {
    PutGameFolderSaves();
    MakeGameFolderReadOnly();

    SavedFiles files;
    EXPECT_EQ(files.LoadSavedFiles(), std::nullopt);
    EXPECT_FALSE(platform::SavesInProgramFolder());
    EXPECT_EQ(platform::SaveFolder(), userFolder.string());
    EXPECT_EQ(files.settings.musicVolume, 7) << "the game folder's settings are kept";
    EXPECT_EQ(files.records[1][0].name.Text(), "Ingrid");
    EXPECT_EQ(ReadUser("settings.dat"), gameSettings);
    EXPECT_EQ(ReadUser("records.dat"), gameRecords);

    files.settings.musicVolume = 90;
    ASSERT_TRUE(files.SaveSettings(SettingsCopy::Live));
    files.InsertRecord(0, 1, "Ola", "Norway", 5000);
    EXPECT_EQ(folder.Read("data/settings.dat"), gameSettings) << "the game folder is never written";
    EXPECT_EQ(folder.Read("data/records.dat"), gameRecords);
    EXPECT_FALSE(fs::exists(userFolder / "settings.dat.tmp"));

    // The next start reads the user's files; the game folder's older copies do not come back.
    std::ofstream(userFolder / "boss.dat", std::ios::binary) << std::string("\x01\x0c\0\0\0\0\0\0", 8);
    SavedFiles next;
    EXPECT_EQ(next.LoadSavedFiles(), std::optional<uint8_t>(12)) << "the snapshot is looked for there too";
    EXPECT_FALSE(fs::exists(userFolder / "boss.dat"));
    EXPECT_EQ(next.settings.musicVolume, 90);
    EXPECT_EQ(next.records[0][0].name.Text(), "Ola");
    EXPECT_EQ(next.records[1][0].name.Text(), "Ingrid");
}

TEST_F(SavedFilesUserFolderTest, DamagedOrMissingGameFolderSavesGiveTheDefaultsInTheUserFolder) {
    folder.Write("data/settings.dat", {1, 2, 3});
    MakeGameFolderReadOnly();
    // A relative XDG_DATA_HOME is ignored: the folder is then under $HOME.
    ScopedEnv relative{"XDG_DATA_HOME", "relative/path"};
    ScopedEnv homeVariable{"HOME", home.Path().string()};
    const fs::path underHome = home.Path() / ".local" / "share" / "pebbledash";

    SavedFiles files;
    files.LoadSavedFiles();
    EXPECT_EQ(files.settings, Settings{});
    EXPECT_EQ(files.records, SavedFiles::DefaultRecords());
    EXPECT_EQ(platform::SaveFolder(), underHome.string());
    EXPECT_EQ(fs::file_size(underHome / "settings.dat"), Settings::kFileSize);
    EXPECT_EQ(fs::file_size(underHome / "records.dat"), kRecordsFileSize);
    EXPECT_EQ(fs::status(underHome).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_EQ(folder.Read("data/settings.dat"), std::vector<uint8_t>({1, 2, 3}));
}

}  // namespace
