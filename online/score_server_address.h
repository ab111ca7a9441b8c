// Where the world high-score server is: the one place the game's default comes from.
#pragma once

#include <string>

// The server the build was configured with (PEBBLEDASH_SCORE_SERVER_URL), no trailing slash.
std::string DefaultScoreServerAddress();

