// Routes each store call to the back end the address chose.
#include "server/score_store.h"

#include "server/postgres_store.h"
#include "server/sqlite_store.h"

namespace scores {

TScoreStore::TScoreStore() = default;
TScoreStore::~TScoreStore() = default;

bool TScoreStore::Open(const std::string& address, std::string& error)
{
    sqlite.reset();
    postgres.reset();
    if (address.rfind("postgresql://", 0) == 0 || address.rfind("postgres://", 0) == 0) {
        postgres = std::make_unique<TPostgresStore>();
        return postgres->Open(address, error);
    }
    sqlite = std::make_unique<TSqliteStore>();
    return sqlite->Open(address, error);
}

bool TScoreStore::AddToken(const std::string& token, std::int64_t expires, std::int64_t now)
{
    if (sqlite) return sqlite->AddToken(token, expires, now);
    if (postgres) return postgres->AddToken(token, expires, now);
    return false;
}

SubmitResult TScoreStore::Submit(const std::string& token, const ScoreEntry& entry, std::int64_t now)
{
    if (sqlite) return sqlite->Submit(token, entry, now);
    if (postgres) return postgres->Submit(token, entry, now);
    return SubmitResult::Failed;
}

std::vector<ScoreEntry> TScoreStore::Best(int difficulty, int limit, bool* ok)
{
    bool fine = false;
    std::vector<ScoreEntry> rows;
    if (sqlite) rows = sqlite->Best(difficulty, limit, fine);
    if (postgres) rows = postgres->Best(difficulty, limit, fine);
    if (ok) *ok = fine;
    return rows;
}

}  // namespace scores
