// The menus played through the real program: from the home screen into a race and back,
// by keys and by pointer, and out through the exit question.
#include <gtest/gtest.h>

#include <string>

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

class MenuFlow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!folder_.Fill()) GTEST_SKIP() << "no generated data";
    }
    GeneratedGameFolder folder_;
};

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
