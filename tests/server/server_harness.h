// What the server tests share: a real pebbledash-scores process, fresh databases on both back ends, HTTP helpers.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace scores_test {

// A pebbledash-scores process on a loopback port, killed when the object goes.
class TServerProcess {
public:
    TServerProcess() = default;
    ~TServerProcess();
    TServerProcess(const TServerProcess&) = delete;
    TServerProcess& operator=(const TServerProcess&) = delete;

    // Starts the server with these arguments after "--db database"; "--listen 127.0.0.1:port"
    // is added (port 0: a free one). True once it printed the address it listens on.
    bool Start(const std::string& database, int port, const std::vector<std::string>& arguments = {});
    void Kill(int signal);   // sends the signal and waits for the process to end
    int Port() const { return port; }

private:
    pid_t pid = -1;
    int port = 0;
};

// A database nobody else uses: a SQLite file in a new temporary folder, or a new database in
// the test cluster whose socket folder the fixture wrote to $PEBBLEDASH_TEST_PG_STATE/socket-dir.
class TTestDatabase {
public:
    explicit TTestDatabase(bool postgres);
    ~TTestDatabase();
    TTestDatabase(const TTestDatabase&) = delete;
    TTestDatabase& operator=(const TTestDatabase&) = delete;

    const std::string& Address() const { return address; }  // "" when it could not be made

private:
    std::string folder;
    std::string address;
};

struct Reply {
    int status = 0;          // 0: no answer
    std::string body;
};

Reply Get(int port, const std::string& target);

// A fresh token from the version request; empty when the reply was not "OK" with five fields.
std::string FetchToken(int port);

// The fifth "|" field of a version reply, as the game reads it.
std::string FifthField(const std::string& reply);

}  // namespace scores_test
