// pebbledash-scores: the world high-score server of Pebbledash.
#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "server/score_server.h"
#include "server/score_store.h"

namespace {

constexpr const char* Usage =
    "usage: pebbledash-scores [--listen HOST:PORT] [--db FILE | --db postgresql://...]\n"
    "                         [--token-life SECONDS] [--token-rate PER_SECOND] [--token-burst N]\n"
    "                         [--threads N]\n"
    "  --listen       address to serve on (default 127.0.0.1:8080; port 0 picks a free one)\n"
    "  --db           SQLite file (default scores.sqlite) or a PostgreSQL URL\n"
    "  --token-life   seconds a submission token stays usable (default 300)\n"
    "  --token-rate   version requests an address may make per second (default 1)\n"
    "  --token-burst  version requests an address may make at once (default 20)\n"
    "  --threads      request worker threads (default 16)\n";

bool ReadNumber(const char* text, double low, double high, double& out)
{
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text || *end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    scores::ServerOptions options;
    std::string database = "scores.sqlite";
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--help" || flag == "-h") {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "%s needs a value\n%s", flag.c_str(), Usage);
            return 2;
        }
        const char* value = argv[++i];
        double number = 0;
        bool fine = true;
        if (flag == "--listen") {
            const std::string address = value;
            const std::size_t colon = address.rfind(':');
            fine = colon != std::string::npos && colon > 0 &&
                   ReadNumber(address.c_str() + colon + 1, 0, 65535, number);
            if (fine) {
                options.host = address.substr(0, colon);
                options.port = static_cast<int>(number);
            }
        } else if (flag == "--db") {
            database = value;
        } else if (flag == "--token-life") {
            fine = ReadNumber(value, 1, 86400, number);
            options.tokenLifeSeconds = static_cast<int>(number);
        } else if (flag == "--token-rate") {
            fine = ReadNumber(value, 0, 1e9, number);
            options.tokenRate = number;
        } else if (flag == "--token-burst") {
            fine = ReadNumber(value, 1, 1e9, number);
            options.tokenBurst = number;
        } else if (flag == "--threads") {
            fine = ReadNumber(value, 1, 1024, number);
            options.threads = static_cast<int>(number);
        } else {
            fine = false;
        }
        if (!fine) {
            std::fprintf(stderr, "bad option %s %s\n%s", flag.c_str(), value, Usage);
            return 2;
        }
    }

    // SIGINT and SIGTERM are taken by one waiting thread, which stops the server cleanly; every
    // other thread inherits the blocked mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    scores::TScoreStore store;
    std::string error;
    if (!store.Open(database, error)) {
        std::fprintf(stderr, "pebbledash-scores: %s\n", error.c_str());
        return 1;
    }
    scores::TScoreServer server(store, options);
    const int port = server.Bind();
    if (port < 0) {
        std::fprintf(stderr, "pebbledash-scores: cannot listen on %s:%d\n", options.host.c_str(), options.port);
        return 1;
    }
    std::printf("Listening on http://%s:%d/\n", options.host.c_str(), port);
    std::fflush(stdout);

    std::thread stopper([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        server.Stop();
    });
    const bool served = server.Run();
    // Run also ends without a signal when the socket fails; wake the waiting thread then.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return served ? 0 : 1;
}
