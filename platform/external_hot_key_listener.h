// The local socket through which another program posts hot-key messages 200 and 201 to the game.
#pragma once

#include <string>
#include <vector>

namespace platform {

// A Unix datagram socket bound at a file path. Each datagram holds an
// identifier as decimal text ("200" or "201", surrounding white space allowed);
// anything else is ignored. Only one game listens at a path: a path that a live
// listener holds is left alone, a stale one left by a crashed game is replaced.
class ExternalHotKeyListener {
public:
    ExternalHotKeyListener() = default;
    ~ExternalHotKeyListener();
    ExternalHotKeyListener(const ExternalHotKeyListener&) = delete;
    ExternalHotKeyListener& operator=(const ExternalHotKeyListener&) = delete;

    // Binds at path unless already bound there; false when the path cannot be held.
    bool Listen(const std::string& path);
    // Appends the identifiers of the datagrams waiting now; never blocks.
    void Poll(std::vector<int>& identifiers);
    bool Listening() const { return fd_ >= 0; }

    // The path used when nothing overrides it: $PEBBLEDASH_HOTKEY_SOCKET, else
    // "pebbledash-hotkey.sock" in $XDG_RUNTIME_DIR, else
    // "/tmp/pebbledash-hotkey-<user>.sock".
    static std::string DefaultPath();

private:
    void Close();

    int fd_ = -1;
    std::string path_;
};

}  // namespace platform
