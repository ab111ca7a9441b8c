// The boss key through the whole window cycle: suspend, wait, resume and rebuild.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>
#include <thread>

#include "headless_run.h"
#include "scratch_folder.h"
#include "test_program_data.h"

namespace {

// The settings a first start writes, with the display switched to full screen.
std::vector<uint8_t> FullScreenSettings() {
    std::vector<uint8_t> bytes(48, 0);
    bytes[0] = 0;  // full screen
    bytes[3] = 1;  // 800 x 600
    bytes[8] = 50;
    bytes[12] = 50;
    bytes[27] = 88;  // boss key F12
    const uint16_t keys[] = {203, 205, 200, 208, 200, 208, 57};
    for (int i = 0; i < 7; ++i) {
        bytes[32 + 2 * i] = keys[i] & 0xff;
        bytes[33 + 2 * i] = keys[i] >> 8;
    }
    return bytes;
}

// The (objects, rss_kb) pairs of a report's samples, in order.
std::vector<std::pair<long, long>> Samples(const std::string& report) {
    std::vector<std::pair<long, long>> samples;
    const std::regex sample(R"re("objects": (\d+), "rss_kb": (\d+))re");
    for (std::sregex_iterator it(report.begin(), report.end(), sample), end; it != end; ++it)
        samples.emplace_back(std::stol((*it)[1]), std::stol((*it)[2]));
    return samples;
}

// Sends hot-key message 200 (resume) to a game's socket.
void SendResume(const std::string& socketPath) {
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    if (fd < 0) return;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    sendto(fd, "200", 3, 0, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    close(fd);
}

class SuspendFlow : public ::testing::Test {
protected:
    void SetUp() override {
        test_support::WriteStartupData(folder_);
        test_support::WriteFile(folder_ / "script.txt", std::string("5 key 88 down\n6 key 88 up\n"));
    }
    std::string Script() const { return "--script '" + (folder_ / "script.txt").string() + "'"; }
    test_support::ScratchFolder scratch_{"pebbledash-suspend"};
    const std::filesystem::path folder_ = scratch_.Path();
};

TEST_F(SuspendFlow, BossKeyInFullScreenTenTimesRebuildsEverythingAndKeepsObjectsAndMemoryFlat) {
    test_support::WriteFile(folder_ / "data" / "settings.dat", FullScreenSettings());
    const std::string socketPath = (folder_ / "hotkey.sock").string();
    setenv("PEBBLEDASH_HOTKEY_SOCKET", socketPath.c_str(), 1);

    // Another program asks the waiting game to resume, again and again until it has
    // ended: while the game runs, the message changes nothing.
    std::atomic<bool> finished{false};
    std::thread resumer([&] {
        while (!finished) {
            SendResume(socketPath);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
    });
    // Ten rounds of hiding and resuming, each sampled before the boss key: the first
    // start, then the game as each rebuild left it. Freed memory goes back at once
    // (no sanitizer quarantine), so the resident size shows what a rebuild keeps.
    std::string script;
    for (int round = 0; round < 10; ++round) {
        const int frame = 5 + 12 * round;
        script += std::to_string(frame - 1) + " sample\n" + std::to_string(frame) + " key 88 down\n" +
                  std::to_string(frame + 1) + " key 88 up\n";
    }
    script += "124 sample\n";
    test_support::WriteFile(folder_ / "script.txt", script);
    const char* sanitizer = std::getenv("ASAN_OPTIONS");
    const std::string previous = sanitizer ? sanitizer : "";
    setenv("ASAN_OPTIONS", (previous + ":quarantine_size_mb=0:thread_local_quarantine_size_kb=0").c_str(), 1);
    const auto run = test_support::RunHeadless(folder_, "--no-draw --frames 126 --frame-ms 16 " + Script());
    setenv("ASAN_OPTIONS", previous.c_str(), 1);
    finished = true;
    resumer.join();
    unsetenv("PEBBLEDASH_HOTKEY_SOCKET");

    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("frames"), 126);
    EXPECT_EQ(run.Number("app_state"), 5);
    // Eleven init phases: the first start and a rebuild after each resume, ten pictures each.
    EXPECT_EQ(run.Number("loading_pictures"), 110) << run.report;
    EXPECT_EQ(run.List("missing_files"), "[]") << run.report;
    const auto samples = Samples(run.report);
    ASSERT_EQ(samples.size(), 11u) << run.report;
    for (size_t i = 1; i < samples.size(); ++i)
        EXPECT_EQ(samples[i].first, samples[0].first) << "live engine objects after rebuild " << i << "\n" << run.report;
    // From the second rebuild on (the first warms caches), less than a megabyte a rebuild:
    // one menu background kept per rebuild would be three.
    EXPECT_LT(samples.back().second - samples[2].second, 8 * 1024) << run.report;
}

TEST_F(SuspendFlow, BossKeyInAWindowOnlyMinimisesAndKeepsTheEngine) {
    const auto run = test_support::RunHeadless(folder_, "--frames 12 --frame-ms 16 " + Script());
    ASSERT_EQ(run.exitCode, 0) << run.log;
    EXPECT_EQ(run.Number("app_state"), 5);
    EXPECT_EQ(run.Number("loading_pictures"), 10) << run.report;
}

}  // namespace
