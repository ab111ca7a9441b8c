// PostgreSQL back end: a submission is one statement that uses the token and inserts the row.
#include "server/postgres_store.h"

#include <libpq-fe.h>

#include <memory>

namespace scores {
namespace {

using Result = std::unique_ptr<PGresult, decltype(&PQclear)>;

Result Run(PGconn* connection, const char* sql, std::initializer_list<std::string> values = {})
{
    std::vector<const char*> params;
    for (const std::string& value : values) params.push_back(value.c_str());
    return Result(PQexecParams(connection, sql, static_cast<int>(params.size()), nullptr,
                               params.data(), nullptr, nullptr, 0),
                  &PQclear);
}

bool Succeeded(const Result& result)
{
    const ExecStatusType status = PQresultStatus(result.get());
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

// Several server processes may start at once on a new database; the advisory lock lets one
// of them create the tables while the others wait.
constexpr const char* Schema =
    "SET client_min_messages = warning;"
    "SELECT pg_advisory_lock(727274);"
    "CREATE TABLE IF NOT EXISTS tokens ("
    "  token TEXT PRIMARY KEY, expires BIGINT NOT NULL, used BOOLEAN NOT NULL DEFAULT FALSE);"
    "CREATE TABLE IF NOT EXISTS scores ("
    "  id BIGSERIAL PRIMARY KEY,"
    "  difficulty INTEGER NOT NULL CHECK (difficulty BETWEEN 0 AND 2),"
    "  name TEXT NOT NULL, country TEXT NOT NULL, score BIGINT NOT NULL,"
    "  token TEXT NOT NULL UNIQUE, submitted BIGINT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS scores_rank ON scores (difficulty, score DESC, id);"
    "SELECT pg_advisory_unlock(727274);";

constexpr std::int64_t TokenKeepSeconds = 3600;

}  // namespace

TPostgresStore::~TPostgresStore()
{
    for (PGconn* connection : all) PQfinish(connection);
}

bool TPostgresStore::Open(const std::string& url, std::string& error)
{
    for (int i = 0; i < PoolSize; ++i) {
        // Names travel as UTF-8 whatever the database's default client encoding.
        const char* keys[] = {"dbname", "client_encoding", nullptr};
        const char* values[] = {url.c_str(), "UTF8", nullptr};
        PGconn* connection = PQconnectdbParams(keys, values, 1);
        all.push_back(connection);
        if (PQstatus(connection) != CONNECTION_OK) {
            error = std::string("cannot connect to PostgreSQL: ") + PQerrorMessage(connection);
            return false;
        }
        idle.push_back(connection);
    }
    Result schema(PQexec(all.front(), Schema), &PQclear);
    if (!Succeeded(schema)) {
        error = std::string("cannot create the tables: ") + PQerrorMessage(all.front());
        return false;
    }
    return true;
}

PGconn* TPostgresStore::Take()
{
    std::unique_lock guard(lock);
    freed.wait(guard, [this] { return !idle.empty(); });
    PGconn* connection = idle.back();
    idle.pop_back();
    guard.unlock();
    // A database restart breaks every connection; the next user re-connects it.
    if (PQstatus(connection) != CONNECTION_OK) PQreset(connection);
    return connection;
}

void TPostgresStore::Give(PGconn* connection)
{
    {
        std::lock_guard guard(lock);
        idle.push_back(connection);
    }
    freed.notify_one();
}

bool TPostgresStore::AddToken(const std::string& token, std::int64_t expires, std::int64_t now)
{
    PGconn* connection = Take();
    Run(connection, "DELETE FROM tokens WHERE expires < $1", {std::to_string(now - TokenKeepSeconds)});
    const bool added = Succeeded(Run(connection, "INSERT INTO tokens (token, expires) VALUES ($1, $2)",
                                     {token, std::to_string(expires)}));
    Give(connection);
    return added;
}

SubmitResult TPostgresStore::Submit(const std::string& token, const ScoreEntry& entry, std::int64_t now)
{
    PGconn* connection = Take();
    // The row lock of the UPDATE makes two racing uses of one token wait for each other; the
    // loser finds it used. Both writes commit together or not at all.
    const Result stored = Run(connection,
        "WITH used AS (UPDATE tokens SET used = TRUE"
        "  WHERE token = $1 AND NOT used AND expires >= $2 RETURNING token)"
        " INSERT INTO scores (difficulty, name, country, score, token, submitted)"
        " SELECT $3, $4, $5, $6, token, $2 FROM used RETURNING id",
        {token, std::to_string(now), std::to_string(entry.difficulty), entry.name, entry.country,
         std::to_string(entry.score)});
    SubmitResult result = SubmitResult::Failed;
    if (Succeeded(stored) && PQntuples(stored.get()) == 1) {
        result = SubmitResult::Stored;
    } else if (Succeeded(stored)) {
        const Result why = Run(connection, "SELECT used, expires FROM tokens WHERE token = $1", {token});
        if (!Succeeded(why))
            result = SubmitResult::Failed;
        else if (PQntuples(why.get()) == 0)
            result = SubmitResult::UnknownToken;
        else if (PQgetvalue(why.get(), 0, 0)[0] == 't')
            result = SubmitResult::UsedToken;
        else
            result = SubmitResult::ExpiredToken;
    }
    Give(connection);
    return result;
}

std::vector<ScoreEntry> TPostgresStore::Best(int difficulty, int limit, bool& ok)
{
    PGconn* connection = Take();
    const Result rows = Run(connection,
        "SELECT name, country, score, submitted FROM scores WHERE difficulty = $1"
        " ORDER BY score DESC, id LIMIT $2",
        {std::to_string(difficulty), std::to_string(limit)});
    std::vector<ScoreEntry> out;
    ok = Succeeded(rows);
    for (int i = 0; ok && i < PQntuples(rows.get()); ++i)
        out.push_back({difficulty, PQgetvalue(rows.get(), i, 0), PQgetvalue(rows.get(), i, 1),
                       std::stoll(PQgetvalue(rows.get(), i, 2)), std::stoll(PQgetvalue(rows.get(), i, 3))});
    Give(connection);
    return out;
}

}  // namespace scores
