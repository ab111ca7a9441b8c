// The HTTP side of pebbledash-scores: version request, submission and the world high-score page.
#pragma once

#include <memory>
#include <mutex>
#include <random>
#include <string>

#include "server/token_limiter.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}

namespace scores {

class TScoreStore;

struct ServerOptions {
    std::string host = "127.0.0.1";
    int port = 8080;               // 0 picks a free port
    int tokenLifeSeconds = 300;    // how long a version reply's token may be used
    double tokenRate = 1;          // tokens each address earns per second
    double tokenBurst = 20;        // tokens an address may take at once
    int threads = 16;              // request worker threads
    int pageRows = 50;             // rows shown per difficulty
};

class TScoreServer {
public:
    TScoreServer(TScoreStore& store, const ServerOptions& options);
    ~TScoreServer();

    // Binds the listening socket; the port it got, or -1.
    int Bind();
    // Serves until Stop; false when it could not.
    bool Run();
    // From any thread, also from a signal-waiting one.
    void Stop();

    // Largest request target accepted; a valid submission is under 200 characters.
    static constexpr std::size_t MaxTargetLength = 512;

private:
    void Route(const httplib::Request& request, httplib::Response& response);
    void Version(const httplib::Request& request, httplib::Response& response);
    void Submission(const std::string& encoded, httplib::Response& response);
    void Page(const std::string& type, httplib::Response& response);
    std::string NewToken();

    TScoreStore& store;
    ServerOptions options;
    TTokenLimiter limiter;
    std::unique_ptr<httplib::Server> http;
    std::mutex randomLock;
    std::random_device random;
};

}  // namespace scores
