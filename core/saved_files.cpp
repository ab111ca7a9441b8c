// Loading, saving and editing the saved files.
#include "core/saved_files.h"

#include <algorithm>
#include <cstdio>

#include "platform/platform.h"

namespace {

constexpr const char* kSettingsFile = "settings.dat";
constexpr const char* kRecordsFile = "records.dat";
constexpr const char* kBossFile = "boss.dat";

int32_t DefaultScore(int rank) { return (11 - rank) * 100; }

// When the saves live in the user's folder and it has no `name` yet, takes the first
// `size` bytes (all the game reads) of the program folder's copy, so a player whose
// game folder became read-only, or who installed the game, keeps settings and tables.
// A missing or short copy is left alone: it would give the defaults either way.
void AdoptProgramFolderCopy(const char* name, size_t size) {
    if (platform::SavesInProgramFolder()) return;
    const std::string userPath = platform::SavedFilePath(name);
    if (platform::FileExists(userPath)) return;
    const auto bytes = platform::ReadFileStart(platform::ResolvePath(std::string("data/") + name), size);
    if (bytes) platform::ReplaceFile(userPath, *bytes);
}

}  // namespace

SavedFiles Saved;

std::optional<uint8_t> SavedFiles::LoadSavedFiles() {
    AdoptProgramFolderCopy(kSettingsFile, Settings::kFileSize);
    AdoptProgramFolderCopy(kRecordsFile, kRecordsFileSize);

    const auto settingsBytes =
        platform::ReadFileStart(platform::SavedFilePath(kSettingsFile), Settings::kFileSize);
    if (settingsBytes) {
        settings = Settings::FromBytes(std::span<const uint8_t, Settings::kFileSize>(*settingsBytes));
    } else {
        settings = Settings{};
        SaveSettings(SettingsCopy::Live);
    }
    pendingSettings = settings;

    const auto recordBytes = platform::ReadFileStart(platform::SavedFilePath(kRecordsFile), kRecordsFileSize);
    if (recordBytes) {
        records = RecordTablesFromBytes(std::span<const uint8_t, kRecordsFileSize>(*recordBytes));
    } else {
        records = DefaultRecords();
        SaveRecords();
    }

    std::optional<uint8_t> bossAppState;
    const std::string bossPath = platform::SavedFilePath(kBossFile);
    if (platform::FileExists(bossPath)) {
        if (const auto bytes = platform::ReadFileStart(bossPath, BossSnapshot::kFileSize)) {
            BossSnapshot snapshot;
            std::copy(bytes->begin(), bytes->end(), snapshot.bytes.begin());
            bossAppState = snapshot.AppStateByte();
        }
        platform::RemoveFile(bossPath);
    }
    return bossAppState;
}

bool SavedFiles::SaveSettings(SettingsCopy which) {
    const Settings& record = which == SettingsCopy::Live ? settings : pendingSettings;
    const Settings::Bytes bytes = record.ToBytes();
    return WriteFile(kSettingsFile, bytes, "settings", settingsWarned_);
}

bool SavedFiles::SaveRecords() {
    const auto bytes = RecordTablesToBytes(records);
    return WriteFile(kRecordsFile, bytes, "high scores", recordsWarned_);
}

void SavedFiles::InsertRecord(int difficulty, int rank, std::string_view name,
                              std::string_view country, int32_t score) {
    if (difficulty < 0 || difficulty >= kRecordTableCount) return;
    if (rank < 1 || rank > kRecordRankCount) return;
    RecordTable& table = records[difficulty];
    for (int r = kRecordRankCount; r > rank; --r) table[r - 1] = table[r - 2];
    table[rank - 1].name.Assign(name);
    table[rank - 1].score = score;
    settings.lastCountry.Assign(country);
    SaveRecords();
}

void SavedFiles::ClearRecords() {
    // The old file is not deleted first: the write below replaces it in one step,
    // so a kill or a power cut at any moment leaves the old tables or the cleared ones.
    for (RecordTable& table : records) {
        for (int rank = 1; rank <= kRecordRankCount; ++rank) {
            table[rank - 1].name.Assign("Anonymous");
            table[rank - 1].score = DefaultScore(rank);
        }
    }
    SaveRecords();
}

int SavedFiles::QualifyingRank(int difficulty, int32_t score) const {
    if (difficulty < 0 || difficulty >= kRecordTableCount) return 0;
    int rank = 0;
    for (int n = kRecordRankCount; n >= 1; --n) {
        if (records[difficulty][n - 1].score < score) rank = n;
    }
    return rank;
}

RecordTables SavedFiles::DefaultRecords() {
    RecordTables tables;
    for (int t = 0; t < kRecordTableCount; ++t) {
        for (int rank = 1; rank <= kRecordRankCount; ++rank) {
            RecordEntry& entry = tables[t][rank - 1];
            entry.name.Assign("Anonymous" + std::to_string(t));
            entry.score = DefaultScore(rank);
        }
    }
    return tables;
}

bool SavedFiles::WriteFile(const char* name, std::span<const uint8_t> bytes, const char* loss,
                           bool& warned) {
    std::string reason;
    const std::string path = platform::SavedFilePath(name);
    if (platform::ReplaceFile(path, bytes, &reason)) return true;
    if (!warned) {
        std::fprintf(stderr, "Pebbledash: cannot write %s: %s; %s will not be kept\n", path.c_str(),
                     reason.c_str(), loss);
        warned = true;
    }
    return false;
}
