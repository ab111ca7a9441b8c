// ModelImportProcess: decodes a ".x" model in a child process, so that assimp failing on a
// damaged file (a null pointer read, an assertion, an endless loop) ends the child, not the game.
//
// The child runs ModelLoader::Decode on the bytes and sends the parts back through a
// pipe; the parent checks every length it reads. A child that dies, sends a broken
// answer or takes longer than kTimeLimitSeconds gives nothing, with a reason.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/model_loader.h"

namespace engine {

class ModelImportProcess {
public:
    static constexpr int kTimeLimitSeconds = 20;

    static std::optional<std::vector<ModelPartData>> Decode(std::span<const uint8_t> bytes, const std::string& folder,
                                                            std::string* error);
};

}  // namespace engine
