// The SQLite back end of the score store: one file in WAL mode, one connection behind a lock.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "server/score_entry.h"

struct sqlite3;

namespace scores {

class TSqliteStore {
public:
    TSqliteStore() = default;
    ~TSqliteStore();
    TSqliteStore(const TSqliteStore&) = delete;
    TSqliteStore& operator=(const TSqliteStore&) = delete;

    bool Open(const std::string& path, std::string& error);
    bool AddToken(const std::string& token, std::int64_t expires, std::int64_t now);
    SubmitResult Submit(const std::string& token, const ScoreEntry& entry, std::int64_t now);
    std::vector<ScoreEntry> Best(int difficulty, int limit, bool& ok);

private:
    bool Exec(const char* sql);

    std::mutex lock;        // one writer at a time; SQLite serialises writers anyway
    sqlite3* db = nullptr;
};

}  // namespace scores
