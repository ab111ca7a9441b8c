// HttpClient against a server that misbehaves on a loopback socket: every way a reply can go
// wrong ends the request as a failure within the client's bounds.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "platform/platform.h"

namespace {

// A loopback listener answering each connection with what `reply` makes of the request
// line; an empty answer leaves the connection open and silent until the server stops.
class CannedServer {
public:
    explicit CannedServer(std::function<std::string(const std::string& requestLine)> reply) : reply_(std::move(reply)) {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 16);
        socklen_t length = sizeof address;
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~CannedServer() {
        stop_ = true;
        thread_.join();
        close(listener_);
    }
    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    int Requests() const { return requests_; }

private:
    void Serve() {
        std::vector<int> silent;
        while (!stop_) {
            pollfd wait{listener_, POLLIN, 0};
            if (poll(&wait, 1, 20) <= 0) continue;
            const int connection = accept(listener_, nullptr, nullptr);
            if (connection < 0) continue;
            std::string request;
            char chunk[1024];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const ssize_t got = read(connection, chunk, sizeof chunk);
                if (got <= 0) break;
                request.append(chunk, static_cast<size_t>(got));
            }
            ++requests_;
            const std::string answer = reply_(request.substr(0, request.find("\r\n")));
            if (answer.empty()) {
                silent.push_back(connection);
                continue;
            }
            for (size_t sent = 0; sent < answer.size();) {
                const ssize_t put = send(connection, answer.data() + sent, answer.size() - sent, MSG_NOSIGNAL);
                if (put <= 0) break;
                sent += static_cast<size_t>(put);
            }
            close(connection);
        }
        for (const int connection : silent) close(connection);
    }

    std::function<std::string(const std::string&)> reply_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> requests_{0};
    std::thread thread_;
};

std::string Reply(const std::string& status, const std::string& headers, const std::string& body) {
    return "HTTP/1.1 " + status + "\r\n" + headers + "Content-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

// Small bounds, so a silent server costs a fraction of a second.
platform::HttpLimits TightLimits() {
    platform::HttpLimits limits;
    limits.connectTimeoutMs = 300;
    limits.requestTimeoutMs = 400;
    limits.maxReplyBytes = 1024;
    limits.maxRedirects = 3;
    return limits;
}

TEST(HttpClient, AGoodReplyAndEveryBadOne) {
    CannedServer server([](const std::string& line) -> std::string {
        if (line.find(" /ok ") != std::string::npos) return Reply("200 OK", "", "OK|1|Pebbledash|300|T|");
        if (line.find(" /loop ") != std::string::npos) return Reply("302 Found", "Location: /loop\r\n", "");
        if (line.find(" /huge ") != std::string::npos) return Reply("200 OK", "", std::string(1025, 'x'));
        if (line.find(" /unsized ") != std::string::npos) {
            // No length given: the body runs until the connection closes.
            return "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + std::string(64 * 1024, 'y');
        }
        if (line.find(" /gone ") != std::string::npos) return Reply("500 Internal Server Error", "", "OK|1|2|3|4|");
        return {};  // /silent
    });
    const platform::HttpClient client(TightLimits());

    platform::HttpReply reply = client.Get(server.Url("/ok"));
    EXPECT_TRUE(reply.ok) << reply.error;
    EXPECT_EQ(reply.body, "OK|1|Pebbledash|300|T|");
    EXPECT_FALSE(client.Get("file:///etc/hostname").ok) << "http and https only";

    const int before = server.Requests();
    reply = client.Get(server.Url("/loop"));
    EXPECT_FALSE(reply.ok);
    EXPECT_EQ(server.Requests() - before, 4) << "the first request and three redirects";

    for (const char* path : {"/huge", "/unsized"}) {
        reply = client.Get(server.Url(path));
        EXPECT_FALSE(reply.ok) << path;
        EXPECT_LE(reply.body.size(), 1024u) << path;
        EXPECT_NE(reply.error.find("longer than 1024"), std::string::npos) << path << ": " << reply.error;
    }
    reply = client.Get(server.Url("/gone"));
    EXPECT_FALSE(reply.ok) << "an HTTP error fails even with a body";

    // Accepted and never answered: the whole-request bound ends it.
    reply = client.Get(server.Url("/silent"));
    EXPECT_FALSE(reply.ok);
    EXPECT_NE(reply.error.find("imeout"), std::string::npos) << reply.error;
}

}  // namespace
