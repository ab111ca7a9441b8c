// Opening links: ".url" shortcuts, addresses and files, the recorder seam, and the real launch.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/platform.h"
#include "temp_folder.h"

namespace {

class OpenHandlerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_.Write("play.url", "[InternetShortcut]\r\nURL=http://example.com/play?from=game\r\nIconIndex=0\r\n");
        folder_.Write("wdata/Site.URL", "[InternetShortcut]\n  url = https://example.org/scores \n");
        folder_.Write("wdata/broken.url", "[InternetShortcut]\nIconFile=x.ico\n");
        folder_.Write("wdata/readme.txt", "hello");
        // A stand-in for xdg-open that writes down each target it is asked to open.
        folder_.Write("bin/xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" + (folder_ / "opened.log") + "\"\n");
        chmod((folder_ / "bin/xdg-open").c_str(), 0755);
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
        setenv("PATH", (folder_.Path() + "/bin:" + savedPath_).c_str(), 1);
        platform::SetProgramFolder(folder_.Path());
    }
    void TearDown() override
    {
        platform::SetOpenRecorder(nullptr);
        setenv("PATH", savedPath_.c_str(), 1);
    }

    // The stand-in's log once it holds the line expected; waits for the detached process.
    std::string WaitForOpened(const std::string& expected) const
    {
        std::string log;
        for (int i = 0; i < 500 && log.find(expected + "\n") == std::string::npos; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            std::ifstream file(folder_ / "opened.log");
            std::stringstream content;
            content << file.rdbuf();
            log = content.str();
        }
        return log;
    }

    TempFolder folder_;
    std::string savedPath_;
};

TEST_F(OpenHandlerTest, RecorderGetsTheShortcutsAddress)
{
    std::vector<std::string> opened;
    platform::SetOpenRecorder(&opened);
    platform::OpenWithDefaultHandler("play.url");
    platform::OpenWithDefaultHandler("WDATA\\site.url");
    EXPECT_EQ(opened, (std::vector<std::string>{"http://example.com/play?from=game", "https://example.org/scores"}));
}

TEST_F(OpenHandlerTest, AddressesPassAsTheyAreAndFilesResolve)
{
    std::vector<std::string> opened;
    platform::SetOpenRecorder(&opened);
    platform::OpenWithDefaultHandler("mailto:someone@example.com?subject=Pebbledash");
    platform::OpenWithDefaultHandler("http://example.com/a\\b");
    platform::OpenWithDefaultHandler("wdata\\README.TXT");
    EXPECT_EQ(opened, (std::vector<std::string>{"mailto:someone@example.com?subject=Pebbledash",
                                                "http://example.com/a\\b", folder_ / "wdata/readme.txt"}));
}

TEST_F(OpenHandlerTest, ShortcutsWithoutAddressOpenNothing)
{
    std::vector<std::string> opened;
    platform::SetOpenRecorder(&opened);
    platform::OpenWithDefaultHandler("wdata\\broken.url");
    platform::OpenWithDefaultHandler("missing.url");
    platform::OpenWithDefaultHandler("   ");
    EXPECT_TRUE(opened.empty());
}

TEST_F(OpenHandlerTest, NothingStartsWhileRecordingAndTheHandlerStartsOtherwise)
{
    std::vector<std::string> opened;
    platform::SetOpenRecorder(&opened);
    platform::OpenWithDefaultHandler("wdata\\site.url");
    platform::SetOpenRecorder(nullptr);
    // The real launch that follows shows the stand-in would have logged the recorded one too.
    platform::OpenWithDefaultHandler("play.url");
    EXPECT_EQ(WaitForOpened("http://example.com/play?from=game"), "http://example.com/play?from=game\n");
    EXPECT_EQ(opened, std::vector<std::string>{"https://example.org/scores"});
}

}  // namespace
