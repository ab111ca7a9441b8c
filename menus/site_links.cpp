// The publisher's links and how the game opens them.
#include "menus/site_links.h"

#include "core/loop_flags.h"
#include "core/saved_files.h"
#include "platform/platform.h"

std::string SiteAddress() {
    std::string address = PEBBLEDASH_PUBLISHER_URL;
    while (!address.empty() && address.back() == '/') address.pop_back();
    return address;
}

std::string SiteHostName() {
    std::string host = SiteAddress();
    if (const size_t scheme = host.find("://"); scheme != std::string::npos) host.erase(0, scheme + 3);
    if (const size_t path = host.find('/'); path != std::string::npos) host.erase(path);
    return host;
}

std::string TellAFriendLink() {
    // No recipient ("<>"), a subject that starts with a blank and holds an en dash; written
    // percent-escaped in UTF-8, as desktop mail handlers expect a URI.
    return "mailto:%3C%3E?subject=%20The%20Best%20Free%20Games%20%E2%80%93%20Try%20it%20now!"
           "&body=Hello,%20take%20a%20look%20at%20the%20real%20free%20games:%20" +
           SiteHostName();
}

void OpenLink(const std::string& link) {
    const bool fullScreen = Saved.settings.windowed == 0;
    if (fullScreen) Loop.MinimizedByUser = true;
    platform::MinimizeWindow(platform::FindWindow("Pebbledash"));
    if (fullScreen) Loop.SuspendRequested = -1;
    platform::OpenWithDefaultHandler(link);
}
