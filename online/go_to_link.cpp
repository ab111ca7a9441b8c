// GoToLink: the share screen's buttons open their files through the platform's shell.
#include "online/go_to_link.h"

#include "platform/platform.h"

void GoToLink(const std::string& path) {
    if (platform::FileExists(platform::ResolvePath(path))) platform::OpenWithDefaultHandler(path);
}
