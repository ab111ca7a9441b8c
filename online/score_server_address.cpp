// The score server the build was configured with.
#include "online/score_server_address.h"

std::string DefaultScoreServerAddress() {
    std::string address = PEBBLEDASH_SCORE_SERVER_URL;
    while (!address.empty() && address.back() == '/') address.pop_back();
    return address;
}

