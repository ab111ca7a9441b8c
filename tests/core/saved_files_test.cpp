// The saved files as whole files: first start, reload, damaged files, records and writes that fail.
#include "core/saved_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/core/temp_program_folder.h"

namespace {

constexpr const char* kSettings = "data/settings.dat";
constexpr const char* kRecords = "data/records.dat";
constexpr const char* kBoss = "data/boss.dat";

void PutLe32(std::vector<uint8_t>& out, int32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(uint32_t(value) >> (8 * i)));
}

// The first-start settings file, written out byte by byte.
std::vector<uint8_t> DefaultSettingsFile() {
    return {0x01, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00,  // display; padding
            50, 0, 0, 0, 50, 0, 0, 0,                        // volumes
            0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                 // lastCountry: empty
            88, 0, 0, 0, 0,                                  // boss key F12, no modifiers; padding
            203, 0, 205, 0, 200, 0, 208, 0, 200, 0, 208, 0, 57, 0, 0, 0};
}

// One 16-byte entry: length byte, the ten character bytes as stored, byte 11, score.
std::vector<uint8_t> EntryBytes(uint8_t length, const std::string& tenChars, int32_t score, uint8_t byte11 = 0) {
    std::vector<uint8_t> out(12, 0);
    out[0] = length;
    for (size_t i = 0; i < 10 && i < tenChars.size(); ++i) out[1 + i] = uint8_t(tenChars[i]);
    out[11] = byte11;
    PutLe32(out, score);
    return out;
}

std::vector<uint8_t> DefaultRecordsFile() {
    std::vector<uint8_t> out;
    for (int t = 0; t < 3; ++t) {
        for (int r = 1; r <= 10; ++r) {
            const std::vector<uint8_t> entry = EntryBytes(10, "Anonymous" + std::to_string(t), (11 - r) * 100);
            out.insert(out.end(), entry.begin(), entry.end());
        }
    }
    return out;
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, size_t at, size_t count) {
    return {bytes.begin() + at, bytes.begin() + at + count};
}

class SavedFilesTest : public ::testing::Test {
protected:
    TempProgramFolder folder;
    SavedFiles files;
};

TEST_F(SavedFilesTest, FirstStartCreatesBothFilesWithTheDefaults) {
    EXPECT_EQ(files.LoadSavedFiles(), std::nullopt);

    EXPECT_EQ(folder.Read(kSettings), DefaultSettingsFile());
    EXPECT_EQ(folder.Read(kRecords), DefaultRecordsFile());
    EXPECT_EQ(files.settings, Settings{});
    EXPECT_EQ(files.pendingSettings, files.settings);
    EXPECT_EQ(files.records[2][0].name.Text(), "Anonymous2");
    EXPECT_EQ(files.records[0][9].score, 100);
    EXPECT_FALSE(folder.Exists("data/settings.dat.tmp"));
}

TEST_F(SavedFilesTest, LoadingReadsBackWhatWasSaved) {
    files.LoadSavedFiles();
    files.settings.windowed = 0;
    files.settings.resolution = 2;
    files.settings.soundVolume = 7;
    files.settings.musicVolume = 100;
    files.settings.lastCountry.Assign("Iceland");
    files.settings.bossKey = 59;
    files.settings.bossCtrl = 1;
    files.settings.keyBoost = 29;
    files.records[1][4].name.Assign("Zoe");
    files.records[1][4].score = -5;
    ASSERT_TRUE(files.SaveSettings(SettingsCopy::Live));
    ASSERT_TRUE(files.SaveRecords());
    const std::vector<uint8_t> settingsFile = folder.Read(kSettings);
    const std::vector<uint8_t> recordsFile = folder.Read(kRecords);

    SavedFiles next;
    next.LoadSavedFiles();
    EXPECT_EQ(next.settings, files.settings);
    EXPECT_EQ(next.pendingSettings, files.settings);
    EXPECT_EQ(next.records, files.records);
    EXPECT_EQ(folder.Read(kSettings), settingsFile) << "loading must not rewrite a sound file";
    EXPECT_EQ(folder.Read(kRecords), recordsFile);
}

TEST_F(SavedFilesTest, FieldsComeFromTheirOffsetsAndAreNotCorrected) {
    std::vector<uint8_t> settingsFile(48);
    for (size_t i = 0; i < settingsFile.size(); ++i) settingsFile[i] = uint8_t(i + 1);
    folder.Write(kSettings, settingsFile);
    folder.Write(kRecords, DefaultRecordsFile());

    files.LoadSavedFiles();
    const Settings& s = files.settings;
    EXPECT_EQ(s.windowed, 1);
    EXPECT_EQ(s.colorDepth, 5);
    EXPECT_EQ(s.soundVolume, 0x0C0B0A09);
    EXPECT_EQ(s.musicVolume, 0x100F0E0D);
    EXPECT_EQ(s.lastCountry.length, 17) << "an out-of-range length is kept";
    EXPECT_EQ(s.lastCountry.Text(), std::string("\x12\x13\x14\x15\x16\x17\x18\x19\x1A\x1B"));
    EXPECT_EQ(s.bossKey, 28);
    EXPECT_EQ(s.bossCtrl, 31);
    EXPECT_EQ(s.keyLeft, 0x2221);
    EXPECT_EQ(s.reserved2, 0x2C2B);
    EXPECT_EQ(s.keyBoost, 0x2E2D);

    files.SaveSettings(SettingsCopy::Pending);
    EXPECT_EQ(folder.Read(kSettings), settingsFile) << "padding and unused bytes survive a save";
}

TEST_F(SavedFilesTest, ShortFilesGiveTheDefaultsAndAreWrittenAnew) {
    std::vector<uint8_t> shortSettings = DefaultSettingsFile();
    shortSettings[0] = 0;
    shortSettings.pop_back();
    folder.Write(kSettings, shortSettings);
    folder.Write(kRecords, std::vector<uint8_t>(479, 0xAB));

    files.LoadSavedFiles();
    EXPECT_EQ(files.settings, Settings{});
    EXPECT_EQ(files.records, SavedFiles::DefaultRecords());
    EXPECT_EQ(folder.Read(kSettings), DefaultSettingsFile());
    EXPECT_EQ(folder.Read(kRecords), DefaultRecordsFile());
}

TEST_F(SavedFilesTest, LongerFilesAreAcceptedAndOnlyTheFirstRecordRead) {
    std::vector<uint8_t> settingsFile = DefaultSettingsFile();
    settingsFile[8] = 99;
    settingsFile.insert(settingsFile.end(), {1, 2, 3, 4, 5});
    std::vector<uint8_t> recordsFile = DefaultRecordsFile();
    recordsFile[12] = 0x55;  // Easy rank 1 score: 0x0355 = 853
    recordsFile.insert(recordsFile.end(), 480, 0xEE);
    folder.Write(kSettings, settingsFile);
    folder.Write(kRecords, recordsFile);

    files.LoadSavedFiles();
    EXPECT_EQ(files.settings.soundVolume, 99);
    EXPECT_EQ(files.records[0][0].score, 853);
    EXPECT_EQ(files.records[2][9].name.Text(), "Anonymous2");
    EXPECT_EQ(folder.Read(kSettings).size(), 53u) << "an accepted file is not rewritten";
    EXPECT_EQ(folder.Read(kRecords).size(), 960u);
}

TEST_F(SavedFilesTest, SaveSettingsWritesTheChosenCopyOnly) {
    files.LoadSavedFiles();
    files.pendingSettings.shadows = 1;
    ASSERT_TRUE(files.SaveSettings(SettingsCopy::Pending));
    EXPECT_EQ(folder.Read(kSettings)[2], 1);
    EXPECT_EQ(files.settings.shadows, 0) << "the caller copies pending into live";

    ASSERT_TRUE(files.SaveSettings(SettingsCopy::Live));
    EXPECT_EQ(folder.Read(kSettings), DefaultSettingsFile());
}

TEST_F(SavedFilesTest, ResetControlsRestoresKeysOnly) {
    Settings s;
    s.keyLeft = s.keyRight = s.keyAccelerate = s.keyBrake = s.keyBoost = 30;
    s.reserved1 = s.reserved2 = 0;
    s.bossKey = 1;
    s.bossShift = s.bossAlt = s.bossCtrl = 1;
    s.musicVolume = 3;
    s.windowed = 0;
    s.ResetControls();
    Settings expected;
    expected.musicVolume = 3;
    expected.windowed = 0;
    EXPECT_EQ(s, expected);
}

TEST_F(SavedFilesTest, InsertRecordShiftsLowerRanksAndDropsTheOldTenth) {
    files.LoadSavedFiles();
    const std::vector<uint8_t> settingsBefore = folder.Read(kSettings);

    files.InsertRecord(1, 3, "Zed", "Norway", 950);

    std::vector<uint8_t> expected = DefaultRecordsFile();
    std::vector<uint8_t> table1;
    for (int r = 1; r <= 10; ++r) {
        std::vector<uint8_t> entry;
        if (r < 3) entry = EntryBytes(10, "Anonymous1", (11 - r) * 100);
        else if (r == 3) entry = EntryBytes(3, "Zednymous1", 950);  // bytes past the length keep their values
        else entry = EntryBytes(10, "Anonymous1", (12 - r) * 100);
        table1.insert(table1.end(), entry.begin(), entry.end());
    }
    std::copy(table1.begin(), table1.end(), expected.begin() + 160);
    const std::vector<uint8_t> written = folder.Read(kRecords);
    ASSERT_EQ(written.size(), 480u);
    EXPECT_EQ(Slice(written, 160, 160), table1);
    EXPECT_EQ(written, expected) << "the other tables are untouched";
    EXPECT_EQ(files.records[1][2].name.Text(), "Zed");

    EXPECT_EQ(files.settings.lastCountry.Text(), "Norway");
    EXPECT_EQ(folder.Read(kSettings), settingsBefore) << "lastCountry waits for the next settings save";
    files.SaveSettings(SettingsCopy::Live);
    EXPECT_EQ(Slice(folder.Read(kSettings), 16, 7), std::vector<uint8_t>({6, 'N', 'o', 'r', 'w', 'a', 'y'}));
}

TEST_F(SavedFilesTest, InsertAtRankTenReplacesWithoutShifting) {
    files.LoadSavedFiles();
    files.InsertRecord(0, 10, "Last", "", 150);
    for (int r = 1; r <= 9; ++r) {
        EXPECT_EQ(files.records[0][r - 1].score, (11 - r) * 100);
        EXPECT_EQ(files.records[0][r - 1].name.Text(), "Anonymous0");
    }
    EXPECT_EQ(files.records[0][9].name.Text(), "Last");
    EXPECT_EQ(files.records[0][9].score, 150);
    EXPECT_EQ(Slice(folder.Read(kRecords), 144, 16), EntryBytes(4, "Lastymous0", 150))
        << "rank 10 of Easy is the last entry of the first table";
}

TEST_F(SavedFilesTest, InsertAtRankOneMovesTheWholeTableAndCutsLongTexts) {
    files.LoadSavedFiles();
    files.InsertRecord(2, 1, "Maximilianus", "Liechtensteinia", 5000);
    EXPECT_EQ(files.records[2][0].name.Text(), "Maximilian");
    EXPECT_EQ(files.records[2][0].score, 5000);
    for (int r = 2; r <= 10; ++r) EXPECT_EQ(files.records[2][r - 1].score, (12 - r) * 100);
    EXPECT_EQ(files.settings.lastCountry.Text(), "Liechtenst");
}

TEST_F(SavedFilesTest, InsertRecordIgnoresArgumentsOutOfRange) {
    files.LoadSavedFiles();
    const RecordTables before = files.records;
    files.InsertRecord(3, 1, "X", "Y", 1);
    files.InsertRecord(-1, 1, "X", "Y", 1);
    files.InsertRecord(0, 0, "X", "Y", 1);
    files.InsertRecord(0, 11, "X", "Y", 1);
    EXPECT_EQ(files.records, before);
    EXPECT_EQ(files.settings.lastCountry.length, 0);
}

TEST_F(SavedFilesTest, QualifyingRankNeedsAStrictlyHigherScore) {
    files.LoadSavedFiles();
    EXPECT_EQ(files.QualifyingRank(0, 100), 0) << "equal to rank 10 does not enter";
    EXPECT_EQ(files.QualifyingRank(0, 101), 10);
    EXPECT_EQ(files.QualifyingRank(0, 600), 6) << "equal to rank 5 goes below it";
    EXPECT_EQ(files.QualifyingRank(0, 1001), 1);
    EXPECT_EQ(files.QualifyingRank(0, -7), 0);
    EXPECT_EQ(files.QualifyingRank(5, 99999), 0);
}

TEST_F(SavedFilesTest, ClearRecordsNamesEveryEntryAnonymousAndKeepsBytesTenAndEleven) {
    std::vector<uint8_t> recordsFile;
    for (int i = 0; i < 30; ++i) {
        const std::vector<uint8_t> entry =
            EntryBytes(10, "ABCDEFGHI" + std::string(1, char('a' + i % 26)), i * 3, uint8_t(0x80 + i));
        recordsFile.insert(recordsFile.end(), entry.begin(), entry.end());
    }
    folder.Write(kRecords, recordsFile);
    files.LoadSavedFiles();

    files.ClearRecords();

    const std::vector<uint8_t> written = folder.Read(kRecords);
    ASSERT_EQ(written.size(), 480u);
    for (int i = 0; i < 30; ++i) {
        const int rank = i % 10 + 1;
        const std::vector<uint8_t> expected =
            EntryBytes(9, "Anonymous" + std::string(1, char('a' + i % 26)), (11 - rank) * 100, uint8_t(0x80 + i));
        EXPECT_EQ(Slice(written, 16 * i, 16), expected) << "entry " << i;
        EXPECT_EQ(files.records[i / 10][i % 10].name.Text(), "Anonymous");
    }
}

TEST_F(SavedFilesTest, BossSnapshotIsReadAndDeletedWhateverItHolds) {
    folder.Write(kBoss, {0xFF, 12, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(files.LoadSavedFiles(), std::optional<uint8_t>(12));
    EXPECT_FALSE(folder.Exists(kBoss));

    folder.Write(kBoss, {1, 42, 0, 0, 0, 0, 0, 0, 9, 9, 9});
    EXPECT_EQ(SavedFiles().LoadSavedFiles(), std::optional<uint8_t>(42)) << "a longer file is read";
    EXPECT_FALSE(folder.Exists(kBoss));

    folder.Write(kBoss, {1, 42, 3});
    EXPECT_EQ(SavedFiles().LoadSavedFiles(), std::nullopt) << "a short snapshot is not used";
    EXPECT_FALSE(folder.Exists(kBoss));

    EXPECT_EQ(SavedFiles().LoadSavedFiles(), std::nullopt);
}

TEST_F(SavedFilesTest, FailedWriteLeavesTheOldFileIntact) {
    files.LoadSavedFiles();
    files.settings.musicVolume = 11;
    ASSERT_TRUE(files.SaveSettings(SettingsCopy::Live));
    const std::vector<uint8_t> before = folder.Read(kSettings);

    // A folder where the temporary file goes: its creation fails even for root.
    std::filesystem::create_directory(folder.Path("data/settings.dat.tmp"));
    files.settings.musicVolume = 22;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(files.SaveSettings(SettingsCopy::Live));
    const std::string warning = testing::internal::GetCapturedStderr();

    EXPECT_EQ(folder.Read(kSettings), before);
    EXPECT_EQ(warning, "Pebbledash: cannot write " + folder.Path(kSettings).string() +
                           ": Is a directory; settings will not be kept\n");
    EXPECT_EQ(files.settings.musicVolume, 22) << "memory keeps the new value for this run";
}

TEST_F(SavedFilesTest, UnwritableDataFolderWarnsOncePerFileAndRuns) {
    // "data" as a plain file: nothing below it can be created, also for root.
    std::filesystem::remove_all(folder.Path("data"));
    folder.Write("data", {1, 2, 3});

    testing::internal::CaptureStderr();
    EXPECT_EQ(files.LoadSavedFiles(), std::nullopt);
    EXPECT_EQ(files.settings, Settings{});
    EXPECT_EQ(files.records, SavedFiles::DefaultRecords());
    files.SaveSettings(SettingsCopy::Live);
    files.SaveSettings(SettingsCopy::Pending);
    files.InsertRecord(0, 1, "A", "B", 2000);
    files.ClearRecords();
    const std::string output = testing::internal::GetCapturedStderr();

    EXPECT_EQ(output, "Pebbledash: cannot write " + folder.Path(kSettings).string() +
                          ": Not a directory; settings will not be kept\n"
                          "Pebbledash: cannot write " + folder.Path(kRecords).string() +
                          ": Not a directory; high scores will not be kept\n");
    EXPECT_EQ(files.records[0][0].name.Text(), "Anonymous") << "the tables in memory still change";
    EXPECT_EQ(folder.Read("data"), std::vector<uint8_t>({1, 2, 3}));
}

}  // namespace
