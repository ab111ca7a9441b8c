// The program folder and program paths: the installed layout, backslashes, case-insensitive lookup, deletion.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cctype>
#include <mutex>

#include <SDL2/SDL.h>

#include "platform/platform_local.h"

namespace platform {

namespace {

struct Folder {
    std::mutex mutex;
    std::string path;        // without a trailing slash, except for "/"
    bool installed = false;  // found through <executable folder>/../share/pebbledash
};

Folder& TheFolder()
{
    static Folder folder;
    return folder;
}

std::string WithoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    return path;
}

std::string ExecutableFolder()
{
    if (char* base = SDL_GetBasePath()) {
        std::string folder = base;
        SDL_free(base);
        if (!folder.empty()) {
            return WithoutTrailingSlash(folder);
        }
    }
    char buffer[4096];
    if (getcwd(buffer, sizeof buffer) != nullptr) {
        return buffer;
    }
    return ".";
}

std::string Join(const std::string& folder, const std::string& name)
{
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool Exists(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The installed layout's data folder for an executable in <prefix>/games or <prefix>/bin,
// made absolute and without "..", or an empty text when there is none.
std::string InstalledDataFolder(const std::string& executableFolder)
{
    const std::string candidate = Join(executableFolder, "../share/pebbledash");
    if (!IsFolder(Join(candidate, "data"))) {
        return {};
    }
    char* real = realpath(candidate.c_str(), nullptr);
    if (real == nullptr) {
        return {};
    }
    std::string folder = real;
    free(real);
    return folder;
}

bool SameIgnoringCase(const std::string& a, const char* b)
{
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return i == a.size() && b[i] == '\0';
}

// The entry of folder that equals name ignoring case (the first in byte order
// when several do), or an empty text.
std::string MatchIgnoringCase(const std::string& folder, const std::string& name)
{
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        return {};
    }
    std::string best;
    while (const dirent* entry = readdir(directory)) {
        if (SameIgnoringCase(name, entry->d_name) && (best.empty() || best > entry->d_name)) {
            best = entry->d_name;
        }
    }
    closedir(directory);
    return best;
}

}  // namespace

void SetProgramFolder(const std::string& folder)
{
    Folder& state = TheFolder();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.path = folder.empty() ? std::string(".") : WithoutTrailingSlash(folder);
    state.installed = false;
}

std::string ProgramFolder()
{
    Folder& state = TheFolder();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (state.path.empty()) {
        state.path = ExecutableFolder();
        // A build or unpacked folder keeps its data beside the executable and wins.
        if (!IsFolder(Join(state.path, "data"))) {
            const std::string installed = InstalledDataFolder(state.path);
            if (!installed.empty()) {
                state.path = installed;
                state.installed = true;
            }
        }
    }
    return state.path;
}

bool ProgramFolderIsInstalled()
{
    ProgramFolder();
    Folder& state = TheFolder();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.installed;
}

std::string ResolvePath(const std::string& programPath)
{
    std::string path = programPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    if (!path.empty() && path.front() == '/') {
        return path;
    }
    std::string result = ProgramFolder();
    // Once a component is missing nothing below it can exist, so the rest is kept as written.
    bool parentExists = true;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string component = path.substr(start, end - start);
        start = end + 1;
        if (component.empty() || component == ".") {
            continue;
        }
        std::string candidate = Join(result, component);
        if (parentExists && !Exists(candidate)) {
            const std::string match = MatchIgnoringCase(result, component);
            if (match.empty()) {
                parentExists = false;
            } else {
                candidate = Join(result, match);
            }
        }
        result = candidate;
    }
    return result;
}

bool DeleteFile(const std::string& programPath)
{
    return unlink(ResolvePath(programPath).c_str()) == 0;
}

}  // namespace platform
