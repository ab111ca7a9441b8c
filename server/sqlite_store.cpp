// SQLite back end: tokens and scores in one file; a submission is one immediate transaction.
#include "server/sqlite_store.h"

#include <sqlite3.h>

namespace scores {
namespace {

// A prepared statement that finalises itself.
class TStatement {
public:
    TStatement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~TStatement() { sqlite3_finalize(stmt); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;

    bool Valid() const { return stmt != nullptr; }
    void Bind(int index, const std::string& text)
    {
        sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void Bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt, index, value); }
    int Step() { return sqlite3_step(stmt); }
    std::int64_t Int(int column) { return sqlite3_column_int64(stmt, column); }
    std::string Text(int column)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return text ? std::string(text, sqlite3_column_bytes(stmt, column)) : std::string();
    }

private:
    sqlite3_stmt* stmt = nullptr;
};

constexpr const char* Schema =
    "CREATE TABLE IF NOT EXISTS tokens ("
    "  token TEXT PRIMARY KEY, expires INTEGER NOT NULL, used INTEGER NOT NULL DEFAULT 0);"
    "CREATE TABLE IF NOT EXISTS scores ("
    "  id INTEGER PRIMARY KEY AUTOINCREMENT,"
    "  difficulty INTEGER NOT NULL CHECK (difficulty BETWEEN 0 AND 2),"
    "  name TEXT NOT NULL, country TEXT NOT NULL, score INTEGER NOT NULL,"
    "  token TEXT NOT NULL UNIQUE, submitted INTEGER NOT NULL);"
    "CREATE INDEX IF NOT EXISTS scores_rank ON scores (difficulty, score DESC, id);";

// Tokens this long past their expiry are dropped; until then a reuse is told apart from a stranger.
constexpr std::int64_t TokenKeepSeconds = 3600;

}  // namespace

TSqliteStore::~TSqliteStore()
{
    sqlite3_close(db);
}

bool TSqliteStore::Exec(const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool TSqliteStore::Open(const std::string& path, std::string& error)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        error = "cannot open " + path + ": " + sqlite3_errmsg(db);
        return false;
    }
    // Another process on the same file waits for the lock instead of failing at once.
    sqlite3_busy_timeout(db, 5000);
    // WAL lets the page read while a submission writes; FULL syncs each commit before the
    // reply, so an acknowledged score survives a crash of the machine, not only of the process.
    if (!Exec("PRAGMA journal_mode=WAL;") || !Exec("PRAGMA synchronous=FULL;") || !Exec(Schema)) {
        error = "cannot set up " + path + ": " + sqlite3_errmsg(db);
        return false;
    }
    return true;
}

bool TSqliteStore::AddToken(const std::string& token, std::int64_t expires, std::int64_t now)
{
    std::lock_guard guard(lock);
    TStatement drop(db, "DELETE FROM tokens WHERE expires < ?1");
    drop.Bind(1, now - TokenKeepSeconds);
    drop.Step();
    TStatement add(db, "INSERT INTO tokens (token, expires) VALUES (?1, ?2)");
    add.Bind(1, token);
    add.Bind(2, expires);
    return add.Valid() && add.Step() == SQLITE_DONE;
}

SubmitResult TSqliteStore::Submit(const std::string& token, const ScoreEntry& entry, std::int64_t now)
{
    std::lock_guard guard(lock);
    if (!Exec("BEGIN IMMEDIATE")) return SubmitResult::Failed;
    SubmitResult result = SubmitResult::Failed;
    {
        TStatement find(db, "SELECT expires, used FROM tokens WHERE token = ?1");
        find.Bind(1, token);
        const int found = find.Step();
        if (found == SQLITE_DONE) {
            result = SubmitResult::UnknownToken;
        } else if (found == SQLITE_ROW && find.Int(1) != 0) {
            result = SubmitResult::UsedToken;
        } else if (found == SQLITE_ROW && find.Int(0) < now) {
            result = SubmitResult::ExpiredToken;
        } else if (found == SQLITE_ROW) {
            TStatement use(db, "UPDATE tokens SET used = 1 WHERE token = ?1");
            use.Bind(1, token);
            TStatement add(db,
                "INSERT INTO scores (difficulty, name, country, score, token, submitted)"
                " VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
            add.Bind(1, std::int64_t{entry.difficulty});
            add.Bind(2, entry.name);
            add.Bind(3, entry.country);
            add.Bind(4, entry.score);
            add.Bind(5, token);
            add.Bind(6, now);
            if (use.Step() == SQLITE_DONE && add.Step() == SQLITE_DONE) result = SubmitResult::Stored;
        }
    }
    if (result == SubmitResult::Stored && Exec("COMMIT")) return result;
    Exec("ROLLBACK");
    return result == SubmitResult::Stored ? SubmitResult::Failed : result;
}

std::vector<ScoreEntry> TSqliteStore::Best(int difficulty, int limit, bool& ok)
{
    std::lock_guard guard(lock);
    std::vector<ScoreEntry> rows;
    TStatement query(db,
        "SELECT name, country, score, submitted FROM scores WHERE difficulty = ?1"
        " ORDER BY score DESC, id LIMIT ?2");
    query.Bind(1, std::int64_t{difficulty});
    query.Bind(2, std::int64_t{limit});
    int step = query.Valid() ? query.Step() : SQLITE_ERROR;
    for (; step == SQLITE_ROW; step = query.Step())
        rows.push_back({difficulty, query.Text(0), query.Text(1), query.Int(2), query.Int(3)});
    ok = step == SQLITE_DONE;
    return rows;
}

}  // namespace scores
