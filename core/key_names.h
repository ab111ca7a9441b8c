// The text shown for an engine key code (bindings in the options, typed characters in name entry).
#pragma once

#include <string>

// Empty for a code without a name.
std::string KeyNames(int code);
