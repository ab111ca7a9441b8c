// The world high-score page as headless Chromium renders it: names read as text, a screenshot to look at.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "online/score_encoding.h"
#include "server_harness.h"

namespace {

// Runs the command and returns what it wrote to stdout.
std::string Output(const std::string& command)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    std::array<char, 4096> chunk;
    std::size_t got = 0;
    while ((got = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) out.append(chunk.data(), got);
    pclose(pipe);
    return out;
}

TEST(ScorePageInChromium, NamesShowAsTypedAndThePageRenders)
{
    scores_test::TTestDatabase database(false);
    scores_test::TServerProcess server;
    ASSERT_TRUE(server.Start(database.Address(), 0));
    const struct { int difficulty; const char* name; int score; const char* country; } rows[] = {
        {0, "Speedy", 5230, "Norway"}, {0, "<b>x", 4100, "a|b=c"}, {0, "Pebble", 2875, "Wales"},
        {1, "Marta", 6120, "Spain"}, {1, "zoom", 3300, "Chile"}, {2, "Kerbhopper", 9040, "Japan"}};
    for (const auto& row : rows) {
        const std::string text =
            online::BuildSubmissionText(row.difficulty, row.name, row.score, scores_test::FetchToken(server.Port()), row.country);
        ASSERT_EQ(scores_test::Get(server.Port(), std::string(online::SubmissionRequestPath) +
                                                      online::EncodeSubmission(text)).status, 200);
    }
    const std::string url = "'http://127.0.0.1:" + std::to_string(server.Port()) +
                            std::string(online::WorldScoresPath) + "0'";
    const std::string profile = std::filesystem::path(database.Address()).parent_path() / "chromium";
    const std::string shot = std::filesystem::current_path() / "world-scores.png";
    // Root needs --no-sandbox; a private profile keeps the run from touching the user's.
    const std::string chromium = "chromium --headless --no-sandbox --disable-gpu --hide-scrollbars "
                                 "--user-data-dir=" + profile + " --window-size=1280,420 ";
    const std::string dom = Output(chromium + "--dump-dom " + url + " 2>/dev/null");
    ASSERT_NE(dom.find("Pebbledash world high scores"), std::string::npos) << dom;
    // The DOM has the name as text; a <b> element would mean the name was read as markup.
    EXPECT_NE(dom.find("<td class=\"name\">&lt;b&gt;x</td>"), std::string::npos) << dom;
    EXPECT_EQ(dom.find("<b>"), std::string::npos);
    EXPECT_NE(dom.find("a|b=c"), std::string::npos);
    EXPECT_NE(dom.find("Kerbhopper"), std::string::npos);

    std::filesystem::remove(shot);
    Output(chromium + "--screenshot=" + shot + " " + url + " >/dev/null 2>&1");
    ASSERT_TRUE(std::filesystem::exists(shot));
    EXPECT_GT(std::filesystem::file_size(shot), 10000u) << "an empty page shot";
}

}  // namespace
