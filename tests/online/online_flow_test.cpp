// Whole games through the runner: Escape in a race, a new high score sent to a real
// pebbledash-scores (SQLite and PostgreSQL) and shown on its page, a stopped and a silent
// server ending in the retry question, and the closing share screen.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "generated_game_folder.h"
#include "server_harness.h"

namespace {

namespace fs = std::filesystem;
using test_support::GeneratedGameFolder;
using test_support::HeadlessResult;
using Bytes = std::vector<uint8_t>;

enum Key : int { kEsc = 1, kEnter = 28, kLeft = 203 };

// Runner scripts: keys pressed for one frame, pointer moves, clicks and shots.
class Script {
public:
    Script& Key(int frame, int code) {
        text_ += std::to_string(frame) + " key " + std::to_string(code) + " down\n";
        text_ += std::to_string(frame + 1) + " key " + std::to_string(code) + " up\n";
        return *this;
    }
    Script& Line(int frame, const std::string& action) {
        text_ += std::to_string(frame) + " " + action + "\n";
        return *this;
    }
    Script& Click(int frame, double x, double y) {
        Line(frame, "mouse " + std::to_string(x) + " " + std::to_string(y));
        return Line(frame + 1, "click");
    }
    HeadlessResult Run(const GeneratedGameFolder& folder, int frames, const std::string& more) const {
        test_support::WriteFile(folder.Path() / "script.txt", text_);
        return folder.Run("--frames " + std::to_string(frames) + " --script '" + (folder.Path() / "script.txt").string() +
                          "' " + more);
    }

private:
    std::string text_;
};

void PutInt(Bytes& bytes, size_t at, int32_t value, int size = 4) {
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

// Tables whose Hard ranks 3..10 hold negative scores, so a score of 0 enters at rank 3.
Bytes Records() {
    Bytes r(480, 0);
    for (int table = 0; table < 3; ++table) {
        for (int rank = 1; rank <= 10; ++rank) {
            const size_t at = 160 * table + 16 * (rank - 1);
            r[at] = 2;
            r[at + 1] = 'T';
            r[at + 2] = static_cast<uint8_t>('0' + table);
            PutInt(r, at + 12, table < 2 ? 1000 - 100 * rank : (rank == 1 ? 500 : rank == 2 ? 20 : -rank));
        }
    }
    return r;
}

// Hard on track 1 with frames of 0.9 s: nobody drives, the game is over with 0 points.
constexpr const char* kGame = "--new-game 2 1 --frame-ms 900 --start-ms 0 --no-draw";

// Shot pixels in [x0, x1) x [y0, y1) of a strong red (the panel's warnings).
int RedPixels(const test_support::Picture& picture, int x0, int x1, int y0, int y1) {
    int count = 0;
    for (int y = y0; y < y1 && y < picture.height; ++y) {
        for (int x = x0; x < x1 && x < picture.width; ++x) {
            const auto p = picture.At(x, y);
            if (p[0] > 180 && p[1] < 70 && p[2] < 70) ++count;
        }
    }
    return count;
}

int EventFrame(const HeadlessResult& run, const std::string& text) {
    std::smatch match;
    const std::string list = run.List("events");
    if (!std::regex_search(list, match, std::regex(R"re(\{"frame": (\d+), "event": ")re" + text + "\"\\}"))) return -1;
    return std::stoi(match[1]);
}

// A loopback port nobody listens on, or one that accepts connections and never answers.
struct Port {
    int socket = -1;
    int number = 0;
    explicit Port(bool listening) {
        socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
        number = ntohs(address.sin_port);
        if (listening) {
            listen(socket, 8);
        } else {
            close(socket);
            socket = -1;
        }
    }
    ~Port() {
        if (socket >= 0) close(socket);
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(number); }
};

class OnlineFlow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!folder_.Fill()) GTEST_SKIP() << "no generated data";
        test_support::WriteFile(folder_.Path() / "data" / "records.dat", Records());
    }

    // The frame in which the untouched game opens the name entry (found once per run).
    int NameEntryFrame() {
        static int frame = 0;
        if (frame == 0) {
            const HeadlessResult run = folder_.Run(std::string(kGame) + " --frames 450");
            frame = EventFrame(run, "name entry rank 3");
            test_support::WriteFile(folder_.Path() / "data" / "records.dat", Records());
        }
        return frame;
    }

    // Types "Joe" into the name entry and confirms; returns the first frame of the send
    // question (AppState 24).
    int TypeName(Script& script) {
        int frame = NameEntryFrame() + 1;
        // Enter (to the name field), Shift+J, O, E, Enter (to the country), Enter (to OK), Enter.
        for (const char* action : {"key 28 down", "key 28 up", "key 42 down", "key 36 down", "key 36 up", "key 42 up",
                                   "key 24 down", "key 24 up", "key 18 down", "key 18 up", "key 28 down", "key 28 up",
                                   "key 28 down", "key 28 up", "key 28 down", "key 28 up"}) {
            script.Line(frame++, action);
        }
        return frame;
    }

    GeneratedGameFolder folder_;
};

TEST_F(OnlineFlow, EscapeInARaceAsksExitToMenu) {
    // Escape and Enter (No is preselected) resume; Escape, Left to Yes, Enter leave the race.
    const int e = 120;
    const HeadlessResult run = Script()
                                   .Key(e, kEsc)
                                   .Line(e + 5, "shot exit-to-menu")
                                   .Key(e + 10, kEnter)
                                   .Key(e + 20, kEsc)
                                   .Key(e + 25, kLeft)
                                   .Key(e + 30, kEnter)
                                   .Run(folder_, e + 40, "--new-game 1 2");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 5) << run.report;
    EXPECT_GE(EventFrame(run, "main menu"), e + 30) << run.report;
    const auto shot = test_support::ReadPng(folder_.Path() / "shots" / "exit-to-menu.png");
    EXPECT_GT(GeneratedGameFolder::YellowPixels(shot, 260, 540, 240, 320), 50) << "\"Exit To Menu?\"";
}

class SubmitFlow : public OnlineFlow, public ::testing::WithParamInterface<bool> {};

TEST_P(SubmitFlow, ANewHighScoreReachesTheWorldTables) {
    scores_test::TTestDatabase database(GetParam());
    ASSERT_FALSE(database.Address().empty()) << "no test database (is the PostgreSQL fixture running?)";
    scores_test::TServerProcess server;
    ASSERT_TRUE(server.Start(database.Address(), 0));
    const std::string url = "http://127.0.0.1:" + std::to_string(server.Port());

    Script script;
    const int ask = TypeName(script);
    script.Line(ask + 1, "shot ask").Key(ask + 2, kLeft).Key(ask + 4, kEnter);
    // Frames last at least 10 ms while the game waits: 1100 of them outlast both requests' bounds.
    const HeadlessResult run = script.Run(folder_, ask + 1100, std::string(kGame) + " --server " + url);
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 12) << "back to the main menu and on to the high-score tables\n" << run.report;
    EXPECT_TRUE(run.ListHas("events", "main menu")) << run.report;
    EXPECT_EQ(run.List("sending_ms").find(','), std::string::npos) << "one submission: " << run.List("sending_ms");

    const scores_test::Reply page = scores_test::Get(server.Port(), "/cgi/version.pl?prg=Pebbledash&show&type=2");
    ASSERT_EQ(page.status, 200);
    EXPECT_NE(page.body.find("Joe"), std::string::npos) << page.body;
    const auto shot = test_support::ReadPng(folder_.Path() / "shots" / "ask.png");
    EXPECT_GT(GeneratedGameFolder::YellowPixels(shot, 240, 560, 200, 320), 80) << "\"Send the result ...\"";
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, SubmitFlow, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "PostgreSQL" : "SQLite"; });

TEST_F(OnlineFlow, AStoppedServerAsksToRetryAndARetrySendsAgain) {
    const Port stopped(false);
    Script script;
    const int ask = TypeName(script);
    script.Key(ask + 2, kLeft).Key(ask + 4, kEnter).Line(ask + 60, "shot failed").Key(ask + 62, kEnter);
    const HeadlessResult run = script.Run(folder_, ask + 120, std::string(kGame) + " --server " + stopped.Url());
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 27) << run.report;
    std::printf("waits for a stopped server (ms): %s\n", run.List("sending_ms").c_str());
    EXPECT_NE(run.List("sending_ms").find(','), std::string::npos) << "two tries: " << run.List("sending_ms");
    const auto shot = test_support::ReadPng(folder_.Path() / "shots" / "failed.png");
    EXPECT_GT(RedPixels(shot, 260, 540, 240, 330), 50) << "\"Can't connect\" in red";
}

TEST_F(OnlineFlow, ASilentServerEndsInTheRetryQuestionWithinTheBound) {
    // Frames last at least 10 ms while the game waits, so 800 frames outlast the 5 s bound.
    const Port silent(true);
    Script script;
    const int ask = TypeName(script);
    script.Key(ask + 2, kLeft).Key(ask + 4, kEnter).Line(ask + 20, "shot sending");
    const HeadlessResult run = script.Run(folder_, ask + 800, std::string(kGame) + " --server " + silent.Url());
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 27) << run.report;
    std::printf("wait for a silent server (ms): %s\n", run.List("sending_ms").c_str());
    const auto shot = test_support::ReadPng(folder_.Path() / "shots" / "sending.png");
    EXPECT_GT(RedPixels(shot, 260, 540, 280, 330), 50) << "\"Please wait...\" in red";
}

// The closing screen as the distribution ships it: the build's wdata/ and play.url.
class ShareFlow : public OnlineFlow {
protected:
    void SetUp() override {
        OnlineFlow::SetUp();
        const fs::path bin = std::getenv("PEBBLEDASH_BIN");
        fs::copy(bin / "wdata", folder_.Path() / "wdata", fs::copy_options::recursive);
        fs::copy(bin / "play.url", folder_.Path() / "play.url");
    }
    // Escape, Left to Yes, Enter in the main menu: AppState 37 from frame kLeaving on.
    static Script Leave() { return Script().Key(150, kEsc).Key(155, kLeft).Key(160, kEnter); }
    static constexpr int kLeaving = 161;
};

TEST_F(ShareFlow, LeavingShowsTheShareScreenWhichQuitsAfterItsCountdown) {
    // The exit button's centre is layout pixel (400, 532): menu (0, -9.28). The countdown
    // of 5 s runs out after 313 frames of 16 ms.
    const HeadlessResult run = Leave()
                                   .Line(kLeaving + 5, "mouse 0 -9.28")
                                   .Line(kLeaving + 10, "shot share")
                                   .Click(kLeaving + 30, 0, -9.28)
                                   .Click(kLeaving + 40, -7.2, -5.52)
                                   .Click(kLeaving + 60, -7.2, -5.52)
                                   .Line(kLeaving + 330, "mouse 0 -9.28")
                                   .Line(kLeaving + 335, "shot ready")
                                   .Click(kLeaving + 340, 0, -9.28)
                                   .Run(folder_, kLeaving + 600, "");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 37);
    EXPECT_GE(run.Number("frames"), kLeaving + 341) << "the click before the countdown ended did nothing";
    EXPECT_LE(run.Number("frames"), kLeaving + 343);
    const std::string opened = run.List("opened");
    size_t sites = 0;
    for (size_t at = opened.find("wdata/site.html"); at != std::string::npos; at = opened.find("wdata/site.html", at + 1))
        ++sites;
    EXPECT_EQ(sites, 2u) << "each click opens the link: " << opened;
    EXPECT_TRUE(run.ListHas("opened", "https://")) << "play.url at the end: " << opened;

    const auto share = test_support::ReadPng(folder_.Path() / "shots" / "share.png");
    EXPECT_GT(GeneratedGameFolder::YellowPixels(share, 530, 600, 500, 570), 10) << "the countdown's number";
    const auto ready = test_support::ReadPng(folder_.Path() / "shots" / "ready.png");
    EXPECT_EQ(GeneratedGameFolder::YellowPixels(ready, 530, 600, 500, 570), 0) << "no number once it ran out";
}

TEST_F(ShareFlow, AFaultyDescriptionQuitsAtOnce) {
    std::string config;
    {
        std::ifstream in(folder_.Path() / "wdata" / "config.ini");
        config.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const size_t second = config.find('\n', config.find('\n') + 1) + 1;  // the first rectangle line
    config.replace(config.find(' ', second), 1, "  ");
    test_support::WriteFile(folder_.Path() / "wdata" / "config.ini", config);
    const HeadlessResult run = Leave().Run(folder_, kLeaving + 100, "");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 37);
    EXPECT_LE(run.Number("frames"), kLeaving + 2);
    EXPECT_TRUE(run.ListHas("opened", "https://")) << run.List("opened");
}

}  // namespace
