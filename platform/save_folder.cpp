// Where the saved files live: the program folder's "data", or the user's own data folder.
#include <pwd.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "platform/platform_local.h"

namespace platform {

namespace {

bool InGroup(gid_t group)
{
    if (group == getegid()) {
        return true;
    }
    const int count = getgroups(0, nullptr);
    if (count <= 0) {
        return false;
    }
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = getgroups(count, groups.data());
    for (int i = 0; i < got; ++i) {
        if (groups[static_cast<size_t>(i)] == group) {
            return true;
        }
    }
    return false;
}

// Whether this user may create files in `folder`. The permission bits are read as they
// apply to this user, for root as well: an installed game's folder marked read-only
// must not collect root's saves because root could write it anyway.
bool UserMayWrite(const std::string& folder, const struct stat& info)
{
    struct statvfs volume;
    if (statvfs(folder.c_str(), &volume) == 0 && (volume.f_flag & ST_RDONLY) != 0) {
        return false;
    }
    if (geteuid() != 0 && access(folder.c_str(), W_OK) != 0) {
        return false;
    }
    if (info.st_uid == geteuid()) {
        return (info.st_mode & S_IWUSR) != 0;
    }
    if (InGroup(info.st_gid)) {
        return (info.st_mode & S_IWGRP) != 0;
    }
    return (info.st_mode & S_IWOTH) != 0;
}

// $XDG_DATA_HOME, or ~/.local/share when it is unset, empty or relative (the XDG base
// directory rules). Home is $HOME, else the password database's entry.
std::string UserDataHome()
{
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return xdg;
    }
    std::string home;
    if (const char* value = std::getenv("HOME"); value != nullptr && value[0] == '/') {
        home = value;
    } else if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        home = entry->pw_dir;
    } else {
        home = "/tmp";
    }
    return home + "/.local/share";
}

// mkdir -p. New folders are private to their owner, as the XDG rules ask of the data home.
void MakeFolders(const std::string& path)
{
    for (size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        const std::string prefix = slash == std::string::npos ? path : path.substr(0, slash);
        if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            return;
        }
        if (slash == std::string::npos) {
            return;
        }
    }
}

std::string UserSaveFolder()
{
    const std::string folder = UserDataHome() + "/pebbledash";
    MakeFolders(folder);
    return folder;
}

}  // namespace

bool SavesInProgramFolder()
{
    if (ProgramFolderIsInstalled()) {
        return false;
    }
    const std::string data = ResolvePath("data");
    struct stat info;
    if (stat(data.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return true;
    }
    return UserMayWrite(data, info);
}

std::string SaveFolder()
{
    return SavesInProgramFolder() ? ResolvePath("data") : UserSaveFolder();
}

std::string SavedFilePath(const std::string& name)
{
    return SavesInProgramFolder() ? ResolvePath("data/" + name) : UserSaveFolder() + "/" + name;
}

}  // namespace platform
