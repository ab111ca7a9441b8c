// A real pebbledash-scores process and throwaway databases for the server tests.
#include "server_harness.h"

#include <httplib.h>
#include <libpq-fe.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "online/score_encoding.h"

namespace scores_test {

TServerProcess::~TServerProcess()
{
    Kill(SIGKILL);
}

bool TServerProcess::Start(const std::string& database, int wantedPort, const std::vector<std::string>& arguments)
{
    int out[2];
    if (pipe(out) != 0) return false;
    std::vector<std::string> words = {PEBBLEDASH_SCORES_BIN, "--db", database, "--listen",
                                      "127.0.0.1:" + std::to_string(wantedPort)};
    words.insert(words.end(), arguments.begin(), arguments.end());
    pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    // The first line is "Listening on http://127.0.0.1:PORT/"; a sanitized start takes a while.
    std::string line;
    pollfd wait{out[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && poll(&wait, 1, 30000) > 0) {
        char chunk[256];
        const ssize_t got = read(out[0], chunk, sizeof chunk);
        if (got <= 0) break;
        line.append(chunk, static_cast<std::size_t>(got));
    }
    close(out[0]);
    const std::size_t colon = line.rfind(':');
    port = colon == std::string::npos ? 0 : std::atoi(line.c_str() + colon + 1);
    if (port > 0) return true;
    Kill(SIGKILL);
    return false;
}

void TServerProcess::Kill(int signal)
{
    if (pid <= 0) return;
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
    pid = -1;
}

TTestDatabase::TTestDatabase(bool postgres)
{
    static std::atomic<int> made{0};
    const std::string label = std::to_string(getpid()) + "_" + std::to_string(made++);
    if (!postgres) {
        char pattern[] = "/tmp/pebbledash-scores.XXXXXX";
        if (mkdtemp(pattern)) {
            folder = pattern;
            address = folder + "/scores.sqlite";
        }
        return;
    }
    const char* state = std::getenv("PEBBLEDASH_TEST_PG_STATE");
    std::ifstream file(std::string(state ? state : "") + "/socket-dir");
    std::string socketFolder;
    if (!std::getline(file, socketFolder)) return;
    const std::string name = "scores_" + label;
    PGconn* admin = PQconnectdb(("postgresql://scores@/postgres?host=" + socketFolder).c_str());
    PGresult* made_db = PQexec(admin, ("CREATE DATABASE " + name).c_str());
    if (PQresultStatus(made_db) == PGRES_COMMAND_OK)
        address = "postgresql://scores@/" + name + "?host=" + socketFolder;
    PQclear(made_db);
    PQfinish(admin);
}

TTestDatabase::~TTestDatabase()
{
    if (!folder.empty()) std::filesystem::remove_all(folder);
}

Reply Get(int port, const std::string& target)
{
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(10, 0);
    const httplib::Result result = client.Get(target);
    if (!result) return {};
    return {result->status, result->body};
}

std::string FifthField(const std::string& reply)
{
    if (reply.rfind("OK", 0) != 0) return {};
    std::string rest = reply;
    std::string field;
    for (int i = 0; i < 5; ++i) {
        const std::size_t bar = rest.find('|');
        if (bar == std::string::npos) return {};
        field = rest.substr(0, bar);
        rest = rest.substr(bar + 1);
    }
    return field;
}

std::string FetchToken(int port)
{
    const Reply reply = Get(port, std::string(online::VersionRequestPath));
    return reply.status == 200 ? FifthField(reply.body) : std::string();
}

}  // namespace scores_test
