// Receives hot-key identifiers from other programs over a Unix datagram socket.
#include "platform/external_hot_key_listener.h"

#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

bool MakeAddress(const std::string& path, sockaddr_un& address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Whether some process holds a socket at this address right now.
bool SomeoneListens(const sockaddr_un& address)
{
    const int probe = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (probe < 0) {
        return false;
    }
    const bool live = connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(probe);
    return live;
}

std::string UserName()
{
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_name != nullptr) {
        return entry->pw_name;
    }
    return std::to_string(getuid());
}

bool ParseIdentifier(const char* text, size_t length, int& identifier)
{
    std::string value(text, length);
    const size_t first = value.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return false;
    }
    const size_t last = value.find_last_not_of(" \t\r\n");
    value = value.substr(first, last - first + 1);
    if (value == "200" || value == "201") {
        identifier = std::stoi(value);
        return true;
    }
    return false;
}

}  // namespace

ExternalHotKeyListener::~ExternalHotKeyListener()
{
    Close();
}

std::string ExternalHotKeyListener::DefaultPath()
{
    if (const char* chosen = std::getenv("PEBBLEDASH_HOTKEY_SOCKET"); chosen != nullptr && *chosen != '\0') {
        return chosen;
    }
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0') {
        struct stat info;
        if (stat(runtime, &info) == 0 && S_ISDIR(info.st_mode)) {
            return std::string(runtime) + "/pebbledash-hotkey.sock";
        }
    }
    return "/tmp/pebbledash-hotkey-" + UserName() + ".sock";
}

bool ExternalHotKeyListener::Listen(const std::string& path)
{
    if (fd_ >= 0 && path == path_) {
        return true;
    }
    Close();
    sockaddr_un address;
    if (!MakeAddress(path, address)) {
        return false;
    }
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    const auto* raw = reinterpret_cast<const sockaddr*>(&address);
    if (bind(fd, raw, sizeof address) != 0) {
        // A leftover file from a game that did not end cleanly is taken over;
        // a game that still listens there keeps it.
        if (errno != EADDRINUSE || SomeoneListens(address) || unlink(path.c_str()) != 0 ||
            bind(fd, raw, sizeof address) != 0) {
            close(fd);
            return false;
        }
    }
    chmod(path.c_str(), S_IRUSR | S_IWUSR);
    fd_ = fd;
    path_ = path;
    return true;
}

void ExternalHotKeyListener::Poll(std::vector<int>& identifiers)
{
    if (fd_ < 0) {
        return;
    }
    char buffer[64];
    for (;;) {
        const ssize_t received = recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
        if (received < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        int identifier = 0;
        if (ParseIdentifier(buffer, static_cast<size_t>(received), identifier)) {
            identifiers.push_back(identifier);
        }
    }
}

void ExternalHotKeyListener::Close()
{
    if (fd_ < 0) {
        return;
    }
    close(fd_);
    unlink(path_.c_str());
    fd_ = -1;
    path_.clear();
}

}  // namespace platform
