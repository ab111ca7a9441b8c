// Opening addresses, shortcuts and files with the desktop's default handler (xdg-open).
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <fstream>
#include <optional>

#include "platform/platform.h"

namespace platform {

namespace {

// Longest ".url" file read; real shortcuts are a few hundred bytes.
constexpr std::streamsize kMaxShortcutBytes = 64 * 1024;

std::vector<std::string>* openRecorder = nullptr;

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string Lower(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// "http:", "mailto:" and the like: a scheme of two or more characters before a colon.
bool HasScheme(const std::string& target)
{
    const size_t colon = target.find(':');
    if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(target[0]))) {
        return false;
    }
    for (size_t i = 1; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(target[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return true;
}

bool EndsWithUrlExtension(const std::string& path)
{
    return path.size() >= 4 && Lower(path.substr(path.size() - 4)) == ".url";
}

// The address on the "URL=" line of an Internet shortcut file.
std::optional<std::string> ShortcutAddress(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::string content(static_cast<size_t>(kMaxShortcutBytes), '\0');
    file.read(content.data(), kMaxShortcutBytes);
    content.resize(static_cast<size_t>(file.gcount()));
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            end = content.size();
        }
        const std::string line = Trim(content.substr(start, end - start));
        start = end + 1;
        const size_t equals = line.find('=');
        if (equals != std::string::npos && Lower(Trim(line.substr(0, equals))) == "url") {
            const std::string address = Trim(line.substr(equals + 1));
            if (!address.empty()) {
                return address;
            }
        }
    }
    return std::nullopt;
}

// What xdg-open is given for a target, or nothing when there is nothing to open.
std::optional<std::string> Resolve(const std::string& target)
{
    const std::string trimmed = Trim(target);
    if (trimmed.empty()) {
        return std::nullopt;
    }
    if (HasScheme(trimmed)) {
        return trimmed;
    }
    const std::string path = ResolvePath(trimmed);
    if (EndsWithUrlExtension(path)) {
        return ShortcutAddress(path);
    }
    return path;
}

// Starts xdg-open in a grandchild of its own session, so the game neither waits
// for it nor leaves a zombie behind.
void Launch(const std::string& target)
{
    const char* arguments[] = {"xdg-open", target.c_str(), nullptr};
    const pid_t child = fork();
    if (child < 0) {
        return;
    }
    if (child == 0) {
        setsid();
        if (fork() == 0) {
            const int null = open("/dev/null", O_RDWR);
            if (null >= 0) {
                dup2(null, STDIN_FILENO);
                dup2(null, STDOUT_FILENO);
            }
            execvp(arguments[0], const_cast<char* const*>(arguments));
            _exit(127);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
}

}  // namespace

void SetOpenRecorder(std::vector<std::string>* recorder)
{
    openRecorder = recorder;
}

void OpenWithDefaultHandler(const std::string& target)
{
    const std::optional<std::string> resolved = Resolve(target);
    if (!resolved) {
        return;
    }
    if (openRecorder != nullptr) {
        openRecorder->push_back(*resolved);
        return;
    }
    Launch(*resolved);
}

}  // namespace platform
