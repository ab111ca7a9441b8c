// The score store: one small interface over the SQLite file and the PostgreSQL database back ends.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "server/score_entry.h"

namespace scores {

class TSqliteStore;
class TPostgresStore;

// Tokens and scores. Every call is safe from several threads at once, and on PostgreSQL from
// several server processes sharing one database. A submission consumes its token and stores
// its row in one transaction, so a token stores at most one row and an acknowledged row stays.
class TScoreStore {
public:
    TScoreStore();
    ~TScoreStore();
    TScoreStore(const TScoreStore&) = delete;
    TScoreStore& operator=(const TScoreStore&) = delete;

    // address: "postgresql://..." or "postgres://..." for PostgreSQL, otherwise a SQLite file
    // path (created when missing). Creates the tables when missing. False with a reason.
    bool Open(const std::string& address, std::string& error);

    // Records a fresh token usable until expires (Unix seconds, inclusive); drops tokens long expired.
    bool AddToken(const std::string& token, std::int64_t expires, std::int64_t now);

    // Consumes the token and stores the row, or changes nothing.
    SubmitResult Submit(const std::string& token, const ScoreEntry& entry, std::int64_t now);

    // The best rows of one difficulty, highest score first, earlier submission first on a tie.
    // Empty on a storage failure (ok set false when given).
    std::vector<ScoreEntry> Best(int difficulty, int limit, bool* ok = nullptr);

private:
    std::unique_ptr<TSqliteStore> sqlite;
    std::unique_ptr<TPostgresStore> postgres;
};

}  // namespace scores
