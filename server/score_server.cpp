// Answers the game's requests under /cgi/version.pl and serves the world high-score page.
#include "server/score_server.h"

#include <httplib.h>

#include <chrono>
#include <map>

#include "online/score_encoding.h"
#include "server/score_page.h"
#include "server/score_store.h"
#include "server/submission.h"

namespace scores {
namespace {

constexpr std::string_view TokenAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr int TokenLength = 20;
// The longest symbol run a valid submission encodes to, with room to spare.
constexpr std::size_t MaxEncodedLength = 256;

std::int64_t UnixNow()
{
    return std::chrono::duration_cast<std::chrono::seconds>(
        std::chrono::system_clock::now().time_since_epoch()).count();
}

void Fail(httplib::Response& response, int status, const std::string& reason)
{
    response.status = status;
    response.set_content("ERROR " + reason + "\n", "text/plain; charset=utf-8");
}

// The raw query of the target as key -> value ("version" alone has an empty value). The game
// sends no escapes, so none are decoded. False when a key repeats.
bool ReadQuery(const std::string& target, std::map<std::string, std::string>& query)
{
    const std::size_t mark = target.find('?');
    if (mark == std::string::npos) return true;
    std::size_t at = mark + 1;
    while (at <= target.size()) {
        std::size_t end = target.find('&', at);
        if (end == std::string::npos) end = target.size();
        const std::string item = target.substr(at, end - at);
        const std::size_t equals = item.find('=');
        const std::string key = item.substr(0, equals);
        const std::string value = equals == std::string::npos ? "" : item.substr(equals + 1);
        if (!key.empty() && !query.emplace(key, value).second) return false;
        at = end + 1;
    }
    return true;
}

}  // namespace

TScoreServer::TScoreServer(TScoreStore& store, const ServerOptions& options)
    : store(store), options(options), limiter(options.tokenRate, options.tokenBurst),
      http(std::make_unique<httplib::Server>())
{
    const int threads = options.threads;
    http->new_task_queue = [threads] { return new httplib::ThreadPool(threads); };
    http->set_payload_max_length(1024);
    http->set_read_timeout(5, 0);
    http->set_write_timeout(5, 0);
    http->set_pre_routing_handler([](const httplib::Request& request, httplib::Response& response) {
        if (request.target.size() <= MaxTargetLength) return httplib::Server::HandlerResponse::Unhandled;
        Fail(response, 414, "request target longer than 512 characters");
        return httplib::Server::HandlerResponse::Handled;
    });
    http->Get("/cgi/version.pl", [this](const httplib::Request& request, httplib::Response& response) {
        Route(request, response);
    });
    http->set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (response.body.empty()) Fail(response, response.status, "request refused");
    });
}

TScoreServer::~TScoreServer() = default;

int TScoreServer::Bind()
{
    if (options.port == 0) return http->bind_to_any_port(options.host);
    return http->bind_to_port(options.host, options.port) ? options.port : -1;
}

bool TScoreServer::Run()
{
    return http->listen_after_bind();
}

void TScoreServer::Stop()
{
    http->stop();
}

void TScoreServer::Route(const httplib::Request& request, httplib::Response& response)
{
    std::map<std::string, std::string> query;
    if (!ReadQuery(request.target, query)) return Fail(response, 400, "a query parameter is repeated");
    const auto program = query.find("prg");
    if (program == query.end() || program->second != "Pebbledash")
        return Fail(response, 400, "unknown program (prg)");
    const int asks = int(query.count("version")) + int(query.count("hs")) + int(query.count("show"));
    if (asks != 1) return Fail(response, 400, "ask for exactly one of version, hs or show");
    if (query.count("version")) return Version(request, response);
    if (query.count("hs")) {
        const auto encoded = query.find("inf");
        if (encoded == query.end()) return Fail(response, 400, "submission (inf) is missing");
        return Submission(encoded->second, response);
    }
    const auto type = query.find("type");
    Page(type == query.end() ? "0" : type->second, response);
}

std::string TScoreServer::NewToken()
{
    std::lock_guard guard(randomLock);
    std::uniform_int_distribution<std::size_t> pick(0, TokenAlphabet.size() - 1);
    std::string token;
    for (int i = 0; i < TokenLength; ++i) token.push_back(TokenAlphabet[pick(random)]);
    return token;
}

void TScoreServer::Version(const httplib::Request& request, httplib::Response& response)
{
    const int wait = limiter.Take(request.remote_addr, std::chrono::steady_clock::now());
    if (wait > 0) {
        response.set_header("Retry-After", std::to_string(wait));
        return Fail(response, 429, "too many version requests from this address; retry in " +
                                       std::to_string(wait) + " s");
    }
    const std::string token = NewToken();
    const std::int64_t now = UnixNow();
    if (!store.AddToken(token, now + options.tokenLifeSeconds, now))
        return Fail(response, 503, "score store unavailable");
    // The game takes the fifth "|" field, so the token is followed by one more "|".
    response.set_content("OK|1|Pebbledash|" + std::to_string(options.tokenLifeSeconds) + "|" + token + "|",
                         "text/plain");
}

void TScoreServer::Submission(const std::string& encoded, httplib::Response& response)
{
    if (encoded.size() > MaxEncodedLength)
        return Fail(response, 400, "submission is longer than any valid one");
    if (encoded.size() % 8 != 0)
        return Fail(response, 400, "submission length is not a multiple of 8 symbols");
    const std::optional<std::string> text = online::DecodeSubmission(encoded);
    if (!text) return Fail(response, 400, "submission holds a symbol outside the table");
    TSubmission submission;
    std::string error;
    if (!ParseSubmission(*text, submission, error)) return Fail(response, 400, error);
    const ScoreEntry entry{submission.difficulty, submission.name, submission.country, submission.score, 0};
    switch (store.Submit(submission.token, entry, UnixNow())) {
    case SubmitResult::Stored:
        response.set_content("OK stored\n", "text/plain");
        return;
    case SubmitResult::UnknownToken: return Fail(response, 403, "unknown token");
    case SubmitResult::ExpiredToken: return Fail(response, 403, "token expired");
    case SubmitResult::UsedToken: return Fail(response, 409, "token already used");
    case SubmitResult::Failed: return Fail(response, 503, "score store unavailable; nothing stored");
    }
}

void TScoreServer::Page(const std::string& type, httplib::Response& response)
{
    if (type.size() != 1 || type[0] < '0' || type[0] > '2')
        return Fail(response, 400, "difficulty (type) must be 0, 1 or 2");
    std::vector<ScoreEntry> tables[3];
    for (int d = 0; d < 3; ++d) {
        bool ok = false;
        tables[d] = store.Best(d, options.pageRows, &ok);
        if (!ok) return Fail(response, 503, "score store unavailable");
    }
    response.set_content(RenderScorePage(tables, type[0] - '0'), "text/html; charset=utf-8");
}

}  // namespace scores
