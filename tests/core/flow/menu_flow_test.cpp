// The menus played through the real program: from the home screen into a race and back,
// by keys and by pointer, and out through the exit question.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "generated_game_folder.h"

namespace {

using test_support::GeneratedGameFolder;

// The column has slid in and takes input by this frame (16 ms frames).
constexpr int kMenuReady = 150;

// Builds a runner script: keys pressed for one frame, pointer moves, clicks and shots.
class Script {
public:
    Script& Key(int frame, int code) {
        text_ += std::to_string(frame) + " key " + std::to_string(code) + " down\n";
        text_ += std::to_string(frame + 1) + " key " + std::to_string(code) + " up\n";
        return *this;
    }
    Script& Click(int frame, double x, double y) {
        text_ += std::to_string(frame) + " mouse " + std::to_string(x) + " " + std::to_string(y) + "\n";
        text_ += std::to_string(frame + 1) + " click\n";
        return *this;
    }
    Script& Shot(int frame, const std::string& name) {
        text_ += std::to_string(frame) + " shot " + name + "\n";
        return *this;
    }
    // Runs the runner for `frames` frames with this script.
    test_support::HeadlessResult Run(const GeneratedGameFolder& folder, int frames, const std::string& more = "") const {
        test_support::WriteFile(folder.Path() / "script.txt", text_);
        return folder.Run("--frames " + std::to_string(frames) + " --script '" + (folder.Path() / "script.txt").string() +
                          "' " + more);
    }

private:
    std::string text_;
};

enum Key : int { kEsc = 1, kEnter = 28, kUp = 200, kLeft = 203, kRight = 205, kDown = 208 };

using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int32_t IntAt(const Bytes& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes[at + i]) << (8 * i);
    return static_cast<int32_t>(value);
}

// Three tables of ten 16-byte entries named "Tt-r" with scores 5000 - r, and a marker
// byte after each name that clearing must leave alone.
Bytes MarkedRecords() {
    Bytes r(480, 0);
    for (int table = 0; table < 3; ++table) {
        for (int rank = 1; rank <= 10; ++rank) {
            const size_t at = 160 * table + 16 * (rank - 1);
            const std::string name = "T" + std::to_string(table) + "-" + std::to_string(rank);
            r[at] = static_cast<uint8_t>(name.size());
            std::memcpy(&r[at + 1], name.data(), name.size());
            r[at + 11] = static_cast<uint8_t>(0xB0 + rank);
            const int32_t score = 5000 - rank;
            for (int i = 0; i < 4; ++i) r[at + 12 + i] = static_cast<uint8_t>(static_cast<uint32_t>(score) >> (8 * i));
        }
    }
    return r;
}

class MenuFlow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!folder_.Fill()) GTEST_SKIP() << "no generated data";
    }
    GeneratedGameFolder folder_;
};

TEST_F(MenuFlow, KeysAloneReachARaceWithTheChosenCarAndDifficulty) {
    // Enter on Start; on the car choice Right, Right (the next car), Left back to OK, Enter;
    // on the difficulty screen Up, Up (Medium), Enter, Enter on Race.
    const auto run = Script()
                         .Key(kMenuReady, kEnter)
                         .Shot(kMenuReady + 20, "car-sliding-in")
                         .Key(kMenuReady + 50, kRight)
                         .Key(kMenuReady + 55, kRight)
                         .Key(kMenuReady + 60, kLeft)
                         .Key(kMenuReady + 65, kEnter)
                         .Shot(kMenuReady + 150, "difficulty")
                         .Key(kMenuReady + 160, kUp)
                         .Key(kMenuReady + 165, kUp)
                         .Key(kMenuReady + 170, kEnter)
                         .Key(kMenuReady + 175, kEnter)
                         .Shot(kMenuReady + 250, "column-out")
                         .Run(folder_, kMenuReady + 360, "--no-draw");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 4) << run.report;
    EXPECT_EQ(run.Number("difficulty"), 1);
    EXPECT_EQ(run.Number("car"), 2);
    EXPECT_TRUE(run.ListHas("events", "level 1 track")) << run.report;

    // Half-way in, the car panel stands right of its place; at rest the difficulty panel
    // fills the right half; once the column is out, its left half shows no button.
    const auto sliding = test_support::ReadPng(folder_.Path() / "shots" / "car-sliding-in.png");
    const auto resting = test_support::ReadPng(folder_.Path() / "shots" / "difficulty.png");
    const auto out = test_support::ReadPng(folder_.Path() / "shots" / "column-out.png");
    ASSERT_EQ(sliding.width, 800);
    EXPECT_NE(sliding.At(420, 300), resting.At(420, 300)) << "the panel's left edge is not there yet";
    EXPECT_NE(resting.At(120, 495), out.At(120, 495)) << "the Exit button, the first to go, has left";
}

TEST_F(MenuFlow, ThePointerAloneReachesARaceAndTheGameReturnsToTheMenuAfterIt) {
    // Start, the right arrow twice (car 3), OK, Hard, Race.
    const auto run = Script()
                         .Click(kMenuReady, -10, 0.7)
                         .Click(kMenuReady + 50, 10, -7.6)
                         .Click(kMenuReady + 55, 10, -7.6)
                         .Click(kMenuReady + 60, 6.9, -7.6)
                         .Click(kMenuReady + 160, 6.5, -3.5)
                         .Click(kMenuReady + 165, 9.8, -7.1)
                         .Run(folder_, kMenuReady + 360, "--no-draw");
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 4) << run.report;
    EXPECT_EQ(run.Number("difficulty"), 2);
    EXPECT_EQ(run.Number("car"), 3);

    // A game nobody drives ends in the main menu (the tables keep their scores above 0);
    // the column slides back in and takes keys again: Enter on Start opens the car choice.
    const auto back = Script().Key(1000, kEnter).Run(folder_, 1100, "--new-game 2 1 --frame-ms 900 --start-ms 0 --no-draw");
    ASSERT_EQ(back.exitCode, 0) << back.log;
    EXPECT_TRUE(back.ListHas("events", "main menu")) << back.report;
    EXPECT_EQ(back.Number("app_state"), 36) << back.report;
}

TEST_F(MenuFlow, TheHighScoreTablesAreClearedOnlyOnYes) {
    test_support::WriteFile(folder_.Path() / "data" / "records.dat", MarkedRecords());
    // Down, Down, Enter: the tables. Left to "RecordsClear", Enter: the question on No;
    // Escape keeps the tables. Enter again, Left to Yes, Enter clears them.
    Script script;
    script.Key(kMenuReady, kDown).Key(kMenuReady + 3, kDown).Key(kMenuReady + 6, kEnter);
    script.Key(kMenuReady + 60, kLeft).Key(kMenuReady + 63, kEnter).Shot(kMenuReady + 66, "question");
    script.Key(kMenuReady + 70, kEsc);
    const auto kept = script.Run(folder_, kMenuReady + 80);
    ASSERT_EQ(kept.exitCode, 0) << kept.log;
    EXPECT_EQ(kept.Number("app_state"), 12) << kept.report;
    EXPECT_EQ(ReadBytes(folder_.Path() / "data" / "records.dat"), MarkedRecords());
    const auto question = test_support::ReadPng(folder_.Path() / "shots" / "question.png");
    EXPECT_GT(GeneratedGameFolder::YellowPixels(question, 260, 540, 200, 320), 50) << "the three lines";

    script.Key(kMenuReady + 75, kEnter).Key(kMenuReady + 78, kLeft).Key(kMenuReady + 81, kEnter);
    const auto cleared = script.Run(folder_, kMenuReady + 90);
    ASSERT_EQ(cleared.exitCode, 0) << cleared.log;
    EXPECT_EQ(cleared.Number("app_state"), 12) << cleared.report;
    const Bytes bytes = ReadBytes(folder_.Path() / "data" / "records.dat");
    ASSERT_EQ(bytes.size(), 480u);
    const Bytes before = MarkedRecords();
    for (int entry = 0; entry < 30; ++entry) {
        const size_t at = 16 * entry;
        const int rank = entry % 10 + 1;
        EXPECT_EQ(bytes[at], 9);
        EXPECT_EQ(std::string(bytes.begin() + at + 1, bytes.begin() + at + 10), "Anonymous");
        EXPECT_EQ(IntAt(bytes, at + 12), 1100 - 100 * rank);
        EXPECT_EQ(bytes[at + 11], before[at + 11]) << "the byte after the name is kept";
    }
}

TEST_F(MenuFlow, TheExitQuestionLeavesAtOnceByKeysAndThroughTheColumnByPointer) {
    // Escape asks with No selected: Enter keeps the game in the main menu.
    const auto stay = Script().Key(kMenuReady, kEsc).Key(kMenuReady + 5, kEnter).Run(folder_, kMenuReady + 20);
    ASSERT_EQ(stay.exitCode, 0) << stay.log;
    EXPECT_EQ(stay.Number("app_state"), 5) << stay.report;

    // Escape, Left to Yes, Enter: the leaving state at once, and the run ends there.
    const auto keys = Script().Key(kMenuReady, kEsc).Key(kMenuReady + 5, kLeft).Key(kMenuReady + 10, kEnter)
                          .Run(folder_, kMenuReady + 200);
    ASSERT_EQ(keys.exitCode, 0) << keys.log;
    EXPECT_EQ(keys.Number("app_state"), 37) << keys.report;
    EXPECT_LE(keys.Number("frames"), kMenuReady + 14);

    // The pointer on "MMExit", then on Yes: the column slides out first (about 1.6 s).
    const auto pointer = Script()
                             .Click(kMenuReady, -10, -7.8)
                             .Shot(kMenuReady + 10, "question")
                             .Click(kMenuReady + 20, -3, -2.7)
                             .Shot(kMenuReady + 60, "sliding-out")
                             .Run(folder_, kMenuReady + 400);
    ASSERT_EQ(pointer.exitCode, 0) << pointer.log;
    EXPECT_EQ(pointer.Number("app_state"), 37) << pointer.report;
    EXPECT_GT(pointer.Number("frames"), kMenuReady + 100);
    EXPECT_LT(pointer.Number("frames"), kMenuReady + 160);
    const auto question = test_support::ReadPng(folder_.Path() / "shots" / "question.png");
    EXPECT_GT(GeneratedGameFolder::YellowPixels(question, 260, 540, 240, 320), 50) << "\"Exit The Game?\"";
}

}  // namespace
