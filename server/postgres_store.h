// The PostgreSQL back end of the score store: a few libpq connections shared by the server's threads.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "server/score_entry.h"

struct pg_conn;

namespace scores {

class TPostgresStore {
public:
    TPostgresStore() = default;
    ~TPostgresStore();
    TPostgresStore(const TPostgresStore&) = delete;
    TPostgresStore& operator=(const TPostgresStore&) = delete;

    // Opens PoolSize connections to the database the URL names and creates the tables.
    bool Open(const std::string& url, std::string& error);
    bool AddToken(const std::string& token, std::int64_t expires, std::int64_t now);
    SubmitResult Submit(const std::string& token, const ScoreEntry& entry, std::int64_t now);
    std::vector<ScoreEntry> Best(int difficulty, int limit, bool& ok);

    static constexpr int PoolSize = 8;

private:
    pg_conn* Take();                 // waits for a free connection; re-connects a broken one
    void Give(pg_conn* connection);

    std::mutex lock;
    std::condition_variable freed;
    std::vector<pg_conn*> idle;
    std::vector<pg_conn*> all;
};

}  // namespace scores
