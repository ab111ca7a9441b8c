// Opening a file of the closing screen with the desktop's "open".
#pragma once

#include <string>

// Opens the program path `path` with its default handler when the file exists; otherwise nothing.
void GoToLink(const std::string& path);
