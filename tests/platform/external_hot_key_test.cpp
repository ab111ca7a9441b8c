// Hot-key messages 200 and 201 posted from another program through the local socket.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "pump_fixture.h"
#include "temp_folder.h"

namespace {

using platform::MessageType;

bool Send(const std::string& path, const std::string& text)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    const bool sent = sendto(fd, text.data(), text.size(), 0, reinterpret_cast<const sockaddr*>(&address),
                             sizeof address) == static_cast<ssize_t>(text.size());
    close(fd);
    return sent;
}

// Leaves a socket file behind as a game that crashed would.
void LeaveStaleSocket(const std::string& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    close(fd);
}

class ExternalHotKeyTest : public PumpTest {
protected:
    void SetUp() override
    {
        socketPath_ = folder_ / "hotkey.sock";
        LeaveStaleSocket(socketPath_);
        setenv("PEBBLEDASH_HOTKEY_SOCKET", socketPath_.c_str(), 1);
        PumpTest::SetUp();
    }
    void TearDown() override
    {
        PumpTest::TearDown();
        unsetenv("PEBBLEDASH_HOTKEY_SOCKET");
    }

    // The next HotKey message GetMessage returns, skipping the window's other messages.
    static int NextHotKey()
    {
        platform::Message message;
        while (platform::GetMessage(message) > 0) {
            if (message.type == MessageType::HotKey) {
                return message.param;
            }
        }
        return -1;
    }

    TempFolder folder_;
    std::string socketPath_;
};

TEST_F(ExternalHotKeyTest, ResumeAndQuitArriveThroughGetMessage)
{
    EXPECT_EQ(platform::ExternalHotKeyAddress(), socketPath_);
    ASSERT_TRUE(Send(socketPath_, "200"));
    EXPECT_EQ(NextHotKey(), 200);
    ASSERT_TRUE(Send(socketPath_, " 201\n"));
    EXPECT_EQ(NextHotKey(), 201);
}

TEST_F(ExternalHotKeyTest, OtherIdentifiersAndTextAreIgnored)
{
    ASSERT_TRUE(Send(socketPath_, "101"));
    ASSERT_TRUE(Send(socketPath_, "resume"));
    ASSERT_TRUE(Send(socketPath_, "2000"));
    ASSERT_TRUE(Send(socketPath_, "201"));
    const auto messages = Drain();
    EXPECT_EQ(Count(messages, MessageType::HotKey), 1);
    EXPECT_EQ(Count(messages, MessageType::HotKey, 201), 1);
}

TEST_F(ExternalHotKeyTest, TheShippedScriptReachesTheGame)
{
    const std::string script = std::string("sh ") + PEBBLEDASH_SOURCE_DIR + "/scripts/pebbledash-hotkey.sh ";
    ASSERT_EQ(std::system((script + "resume").c_str()), 0);
    EXPECT_EQ(NextHotKey(), 200);
    ASSERT_EQ(std::system((script + "201").c_str()), 0);
    EXPECT_EQ(NextHotKey(), 201);
}

}  // namespace
