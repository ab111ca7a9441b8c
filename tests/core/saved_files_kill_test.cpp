// The saved files under SIGKILL: a child process writes settings and records without pause
// (volume changes, new records, clearing the tables) and is killed at random moments;
// each file must then hold the old or the new whole record, and the start-up reads it.
//
// PEBBLEDASH_SAVE_KILLS sets the number of kills (default 40) and
// PEBBLEDASH_SAVE_KILL_SECONDS bounds the time (default 60); bench/save_kills.sh runs
// at least 1,000.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <random>

#include "core/saved_files.h"
#include "tests/core/temp_program_folder.h"

namespace {

// What the writer is about to write and last wrote, in memory both processes see.
struct Expected {
    uint8_t settingsOld[Settings::kFileSize];
    uint8_t settingsNew[Settings::kFileSize];
    uint8_t recordsOld[kRecordsFileSize];
    uint8_t recordsNew[kRecordsFileSize];
    uint64_t writes;
    uint32_t ready;  // set by the writer once it has read the files and is about to write
};

// The child's endless run of the game's own save triggers.
[[noreturn]] void WriteForever(Expected* expected, unsigned seed) {
    SavedFiles files;
    files.LoadSavedFiles();
    __atomic_store_n(&expected->ready, 1u, __ATOMIC_RELEASE);
    std::mt19937 random(seed);
    for (uint64_t n = 1;; ++n) {
        files.settings.soundVolume = int32_t(n % 101);
        files.settings.musicVolume = int32_t(random() % 101);
        const auto settings = files.settings.ToBytes();
        std::memcpy(expected->settingsNew, settings.data(), settings.size());
        files.SaveSettings(SettingsCopy::Live);
        std::memcpy(expected->settingsOld, settings.data(), settings.size());

        RecordTables next = files.records;
        if (n % 7 == 0) {
            for (auto& table : next) {
                for (int rank = 1; rank <= kRecordRankCount; ++rank) {
                    table[rank - 1].name.Assign("Anonymous");
                    table[rank - 1].score = (11 - rank) * 100;
                }
            }
        } else {
            const int difficulty = int(n % 3);
            const int rank = int(random() % 10) + 1;
            for (int r = kRecordRankCount; r > rank; --r) next[difficulty][r - 1] = next[difficulty][r - 2];
            next[difficulty][rank - 1].name.Assign("Kill" + std::to_string(n % 1000000));
            next[difficulty][rank - 1].score = int32_t(n);
        }
        const auto records = RecordTablesToBytes(next);
        std::memcpy(expected->recordsNew, records.data(), records.size());
        if (n % 7 == 0) {
            files.ClearRecords();
        } else {
            files.records = next;  // as InsertRecord leaves them
            files.SaveRecords();
        }
        std::memcpy(expected->recordsOld, records.data(), records.size());
        expected->writes = n;
    }
}

int SettingFromEnvironment(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && std::atoi(value) > 0 ? std::atoi(value) : fallback;
}

TEST(SavedFilesKills, EveryFileIsTheOldOrTheNewWholeRecordAfterASigkill) {
    TempProgramFolder folder;
    const int kills = SettingFromEnvironment("PEBBLEDASH_SAVE_KILLS", 40);
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::seconds(SettingFromEnvironment("PEBBLEDASH_SAVE_KILL_SECONDS", 60));
    void* shared = ::mmap(nullptr, sizeof(Expected), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    auto* expected = static_cast<Expected*>(shared);
    {
        // The files of a first start are where the writer begins.
        SavedFiles first;
        first.LoadSavedFiles();
        const auto settings = first.settings.ToBytes();
        const auto records = RecordTablesToBytes(first.records);
        std::memcpy(expected->settingsOld, settings.data(), settings.size());
        std::memcpy(expected->settingsNew, settings.data(), settings.size());
        std::memcpy(expected->recordsOld, records.data(), records.size());
        std::memcpy(expected->recordsNew, records.data(), records.size());
    }
    std::mt19937 random(12345);
    int done = 0, torn = 0, asNew = 0, asOld = 0, afterWrites = 0;
    uint64_t writes = 0;
    for (; done < kills && std::chrono::steady_clock::now() < deadline; ++done) {
        expected->writes = 0;
        expected->ready = 0;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) WriteForever(expected, unsigned(done));
        // The random moment counts from the writer's first write, not from the fork: on a
        // loaded machine a sanitized child can take longer to start than the whole window.
        for (int waited = 0; !__atomic_load_n(&expected->ready, __ATOMIC_ACQUIRE) && waited < 5000; ++waited) ::usleep(1000);
        ::usleep(useconds_t(random() % 60000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        writes += expected->writes;
        afterWrites += expected->writes > 0;

        const std::vector<uint8_t> settings = folder.Read("data/settings.dat");
        const std::vector<uint8_t> records = folder.Read("data/records.dat");
        const auto is = [](const std::vector<uint8_t>& file, const uint8_t* bytes, size_t size) {
            return file.size() == size && std::memcmp(file.data(), bytes, size) == 0;
        };
        const bool settingsOld = is(settings, expected->settingsOld, Settings::kFileSize);
        const bool settingsNew = is(settings, expected->settingsNew, Settings::kFileSize);
        const bool recordsOld = is(records, expected->recordsOld, kRecordsFileSize);
        const bool recordsNew = is(records, expected->recordsNew, kRecordsFileSize);
        if (!(settingsOld || settingsNew) || !(recordsOld || recordsNew)) ++torn;
        EXPECT_TRUE(settingsOld || settingsNew) << "kill " << done << ": settings of " << settings.size() << " bytes";
        EXPECT_TRUE(recordsOld || recordsNew) << "kill " << done << ": records of " << records.size() << " bytes";
        asNew += (settingsNew && !settingsOld) + (recordsNew && !recordsOld);
        asOld += (settingsOld && !settingsNew) + (recordsOld && !recordsNew);

        // The next start reads exactly what is there, and writes nothing anew.
        SavedFiles next;
        next.LoadSavedFiles();
        EXPECT_EQ(next.settings.ToBytes(), Settings::FromBytes(std::span<const uint8_t, Settings::kFileSize>(
                                                                   settings.data(), Settings::kFileSize)).ToBytes());
        EXPECT_EQ(folder.Read("data/records.dat"), records);
        const auto after = RecordTablesToBytes(next.records);
        std::memcpy(expected->settingsOld, settings.data(), settings.size());
        std::memcpy(expected->settingsNew, settings.data(), settings.size());
        std::memcpy(expected->recordsOld, after.data(), after.size());
        std::memcpy(expected->recordsNew, after.data(), after.size());
        if (torn > 0) break;
    }
    ::munmap(shared, sizeof(Expected));
    std::printf("save kills: %d kills (%d after a whole write), %llu writes, %d torn, %d files caught old, %d new\n",
                done, afterWrites, static_cast<unsigned long long>(writes), torn, asOld, asNew);
    EXPECT_EQ(torn, 0);
    EXPECT_GE(done, std::min(kills, 10));
    EXPECT_GE(afterWrites * 2, done) << "most kills must land among the writes, not before the first";
}

}  // namespace
