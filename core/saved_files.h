// What survives a run: the settings, the three high-score tables and the boss snapshot.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/boss_snapshot.h"
#include "core/record_entry.h"
#include "core/settings.h"

// Which of the two settings records a save writes.
enum class SettingsCopy { Live, Pending };

// Owns the live settings, the options screen's edit copy and the high-score tables,
// and reads and writes "settings.dat", "records.dat" and "boss.dat" in the save folder
// (platform::SaveFolder: the program folder's "data", or the user's own folder for an
// installed or read-only game).
//
// Every write replaces its file only once the new contents are completely on disk.
// A write that fails leaves the old file and the values in memory as they are, and
// is reported once per file and run on stderr; the game goes on.
class SavedFiles {
public:
    Settings settings;         // the live record, used by the whole game
    Settings pendingSettings;  // the options screen's edit copy
    RecordTables records;      // [difficulty][rank - 1]

    // Once at start, before the window exists. When the saves are in the user's folder,
    // a settings or records file found only in the program folder's "data" is copied
    // there first. A missing, short or unreadable
    // settings or records file gives the defaults, which are written anew; a longer
    // file is accepted and only its first record read. A boss snapshot file is
    // deleted whatever it holds; returns its AppState byte when it held 8 bytes.
    std::optional<uint8_t> LoadSavedFiles();

    // Rewrites the settings file with one record. It does not make the two records
    // equal; the caller copies afterwards as its trigger requires.
    bool SaveSettings(SettingsCopy which);
    bool SaveRecords();

    // Enters a confirmed name at `rank` (1..10) of table `difficulty` (0..2): ranks
    // below move down one place and the old rank 10 is lost. The second field goes
    // to the live lastCountry without writing the settings file. Texts are cut to 10
    // characters. Arguments out of range change nothing.
    void InsertRecord(int difficulty, int rank, std::string_view name, std::string_view country,
                      int32_t score);

    // Names every entry "Anonymous" with scores 1000 down to 100 and replaces the
    // records file with them (never deleting it first, so no moment leaves no file).
    void ClearRecords();

    // The best rank of table `difficulty` whose stored score is strictly lower than
    // `score`, or 0 when none is (an equal score does not enter the table).
    int QualifyingRank(int difficulty, int32_t score) const;

    // The tables of a first start: "Anonymous0".."Anonymous2" per table, 1000 down to 100.
    static RecordTables DefaultRecords();

private:
    bool WriteFile(const char* name, std::span<const uint8_t> bytes, const char* loss, bool& warned);

    bool settingsWarned_ = false;
    bool recordsWarned_ = false;
};

// The program's one set of saved values.
extern SavedFiles Saved;
