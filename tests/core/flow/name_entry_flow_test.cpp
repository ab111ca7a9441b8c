// A whole game that ends with a qualifying score: the name entry opens over the race
// with the remembered country, takes typed letters, and OK stores the entry in
// "data/records.dat".
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "generated_game_folder.h"

namespace {

using test_support::GeneratedGameFolder;
using Bytes = std::vector<uint8_t>;

void PutInt(Bytes& bytes, size_t at, int32_t value, int size = 4) {
    for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

// The 48-byte settings record of a first start, but with "Norway" as the last country.
Bytes SettingsWithCountry() {
    Bytes s(48, 0);
    s[0] = 1;  // windowed
    s[3] = 1;  // 800 x 600
    PutInt(s, 8, 50);
    PutInt(s, 12, 50);
    s[16] = 6;
    std::memcpy(&s[17], "Norway", 6);
    s[27] = 88;  // F12
    const int keys[] = {203, 205, 200, 208, 200, 208, 57};
    for (int i = 0; i < 7; ++i) PutInt(s, 32 + 2 * i, keys[i], 2);
    return s;
}

// Three tables of ten 16-byte entries. Every entry has bytes past its name and a
// padding byte that must travel with it. In the Hard table (the third) only ranks 1
// and 2 hold positive scores, so a score of 0 enters at rank 3.
Bytes Records() {
    Bytes r(480, 0);
    for (int table = 0; table < 3; ++table) {
        for (int rank = 1; rank <= 10; ++rank) {
            const size_t at = 160 * table + 16 * (rank - 1);
            const std::string name = "T" + std::to_string(table) + "R" + std::to_string(rank);
            r[at] = static_cast<uint8_t>(name.size());
            std::memcpy(&r[at + 1], name.data(), name.size());
            for (size_t i = name.size(); i < 10; ++i) r[at + 1 + i] = static_cast<uint8_t>('a' + rank);
            r[at + 11] = static_cast<uint8_t>(0xA0 + rank);
            const int32_t score = table < 2 ? 1000 - 100 * rank : (rank == 1 ? 500 : rank == 2 ? 20 : -rank);
            PutInt(r, at + 12, score);
        }
    }
    return r;
}

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int EventFrame(const test_support::HeadlessResult& run, const std::string& text) {
    std::smatch match;
    const std::string list = run.List("events");
    if (!std::regex_search(list, match, std::regex(R"re(\{"frame": (\d+), "event": ")re" + text + "\"\\}"))) return -1;
    return std::stoi(match[1]);
}

// Hard (two lives) on track 1 with frames of 0.9 s: nobody drives, the time runs out
// twice and the game is over with a score of 0.
constexpr const char* kGame = "--new-game 2 1 --frame-ms 900 --start-ms 0 --no-draw";

class NameEntryFlow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!folder_.Fill()) GTEST_SKIP() << "no generated data";
        test_support::WriteFile(folder_.Path() / "data" / "settings.dat", SettingsWithCountry());
        test_support::WriteFile(folder_.Path() / "data" / "records.dat", Records());
    }
    GeneratedGameFolder folder_;
};

TEST_F(NameEntryFlow, AQualifyingScoreIsTypedInAndStoredByOk) {
    // Untouched, the game ends in the name entry at rank 3 and stores nothing.
    const auto waiting = folder_.Run(std::string(kGame) + " --frames 450");
    ASSERT_EQ(waiting.exitCode, 0) << waiting.log;
    const int open = EventFrame(waiting, "name entry rank 3");
    ASSERT_GT(open, 0) << waiting.report;
    ASSERT_GT(EventFrame(waiting, "game over"), 0);
    EXPECT_EQ(waiting.Number("app_state"), 19);
    EXPECT_EQ(waiting.Number("score"), 0);
    EXPECT_EQ(ReadBytes(folder_.Path() / "data" / "records.dat"), Records());

    // The same game again, with keys once the screen is open: Enter (to the name
    // field), Shift+J, O, E, Enter (to the country field), Enter (to OK), Enter.
    std::string script;
    int frame = open + 1;
    const auto at = [&script, &frame](const std::string& action) {
        script += std::to_string(frame++) + " " + action + "\n";
    };
    at("shot opened");
    for (const char* action : {"key 28 down", "key 28 up", "key 42 down", "key 36 down", "key 36 up", "key 42 up",
                               "key 24 down", "key 24 up", "key 18 down", "key 18 up"}) {
        at(action);
    }
    at("shot typed");
    for (const char* action : {"key 28 down", "key 28 up", "key 28 down", "key 28 up", "key 28 down", "key 28 up"}) {
        at(action);
    }
    test_support::WriteFile(folder_.Path() / "script.txt", script);
    const auto run = folder_.Run(std::string(kGame) + " --frames " + std::to_string(frame + 1) + " --script '" +
                                 (folder_.Path() / "script.txt").string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(EventFrame(run, "name entry rank 3"), open);
    EXPECT_EQ(run.Number("app_state"), 24) << run.report;  // the send-result question

    // Rank 3 of the Hard table is the new entry: the old rank 3's bytes with the name
    // "Joe" written over its start and the score 0; ranks 3..9 move down whole, the old
    // rank 10 is gone; the other tables stay as they were.
    Bytes expected = Records();
    const size_t hard = 320;
    std::memmove(&expected[hard + 16 * 3], &expected[hard + 16 * 2], 16 * 7);
    expected[hard + 32] = 3;
    std::memcpy(&expected[hard + 33], "Joe", 3);
    PutInt(expected, hard + 32 + 12, 0);
    EXPECT_EQ(ReadBytes(folder_.Path() / "data" / "records.dat"), expected);

    // On screen: the country is there from the start, in yellow, and the typed name
    // appears in white in the name field, which was empty before.
    const auto opened = test_support::ReadPng(folder_.Path() / "shots" / "opened.png");
    const auto typed = test_support::ReadPng(folder_.Path() / "shots" / "typed.png");
    ASSERT_EQ(opened.width, 800);
    ASSERT_EQ(typed.width, 800);
    EXPECT_GT(GeneratedGameFolder::YellowPixels(opened, 340, 460, 362, 390), 20);  // "Norway" at y = -3.0
    EXPECT_EQ(GeneratedGameFolder::WhitePixels(opened, 340, 460, 280, 310), 0);    // the name field at y = 0.2
    EXPECT_GT(GeneratedGameFolder::WhitePixels(typed, 340, 460, 280, 310), 10);
}

TEST_F(NameEntryFlow, AScoreEqualToTheLowerEntriesDoesNotQualify) {
    // Ranks 3..10 of the Hard table hold 0, the game's score: no rank is strictly lower.
    Bytes records = Records();
    for (int rank = 3; rank <= 10; ++rank) PutInt(records, 320 + 16 * (rank - 1) + 12, 0);
    test_support::WriteFile(folder_.Path() / "data" / "records.dat", records);
    const auto run = folder_.Run(std::string(kGame) + " --frames 450");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    ASSERT_GT(EventFrame(run, "game over"), 0) << run.report;
    EXPECT_GT(EventFrame(run, "main menu"), EventFrame(run, "game over")) << run.report;
    EXPECT_EQ(EventFrame(run, "name entry rank [0-9]+"), -1) << run.report;
    EXPECT_EQ(run.Number("app_state"), 5);
    EXPECT_EQ(ReadBytes(folder_.Path() / "data" / "records.dat"), records);
}

}  // namespace
