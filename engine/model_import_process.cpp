// Decoding models in a child process and reading its answer back with every length checked.
#include "engine/model_import_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace engine {
namespace {

// More than any model of the game; a broken answer claiming more stops the reading.
constexpr uint64_t kMaxAnswerBytes = uint64_t(1) << 30;

void Put(std::vector<uint8_t>& out, const void* data, size_t size) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

void PutCount(std::vector<uint8_t>& out, uint64_t count) { Put(out, &count, sizeof count); }

// The answer: a status byte (1 parts follow, 0 a reason follows), then the parts or the reason.
std::vector<uint8_t> Encode(const std::optional<std::vector<ModelPartData>>& parts, const std::string& error) {
    std::vector<uint8_t> out;
    out.push_back(parts ? 1 : 0);
    if (!parts) {
        PutCount(out, error.size());
        Put(out, error.data(), error.size());
        return out;
    }
    PutCount(out, parts->size());
    for (const ModelPartData& part : *parts) {
        PutCount(out, part.vertices.size());
        Put(out, part.vertices.data(), part.vertices.size() * sizeof(float));
        PutCount(out, part.indices.size());
        Put(out, part.indices.data(), part.indices.size() * sizeof(uint32_t));
        Put(out, part.diffuse, sizeof part.diffuse);
        PutCount(out, part.textureFile.size());
        Put(out, part.textureFile.data(), part.textureFile.size());
        out.push_back(part.hasNormals ? 1 : 0);
    }
    return out;
}

class AnswerReader {
public:
    explicit AnswerReader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

    bool Read(void* out, uint64_t size) {
        if (size > bytes_.size() - at_) return false;
        std::memcpy(out, bytes_.data() + at_, size_t(size));
        at_ += size_t(size);
        return true;
    }
    // A count of items of itemSize bytes that the rest of the answer can hold.
    bool Count(uint64_t* count, uint64_t itemSize) {
        return Read(count, sizeof *count) && *count <= (bytes_.size() - at_) / itemSize;
    }
    bool AtEnd() const { return at_ == bytes_.size(); }

private:
    const std::vector<uint8_t>& bytes_;
    size_t at_ = 0;
};

std::optional<std::vector<ModelPartData>> DecodeAnswer(const std::vector<uint8_t>& bytes, std::string* error) {
    AnswerReader in(bytes);
    uint8_t status = 0;
    uint64_t count = 0;
    *error = "the model reader sent a broken answer";
    if (!in.Read(&status, 1) || status > 1) return std::nullopt;
    if (status == 0) {
        std::string reason;
        if (!in.Count(&count, 1)) return std::nullopt;
        reason.resize(size_t(count));
        if (!in.Read(reason.data(), count)) return std::nullopt;
        *error = reason;
        return std::nullopt;
    }
    std::vector<ModelPartData> parts;
    if (!in.Count(&count, 1)) return std::nullopt;
    for (uint64_t p = 0; p < count; ++p) {
        ModelPartData part;
        uint64_t n = 0;
        if (!in.Count(&n, sizeof(float))) return std::nullopt;
        part.vertices.resize(size_t(n));
        in.Read(part.vertices.data(), n * sizeof(float));
        if (!in.Count(&n, sizeof(uint32_t))) return std::nullopt;
        part.indices.resize(size_t(n));
        in.Read(part.indices.data(), n * sizeof(uint32_t));
        uint8_t normals = 0;
        if (!in.Read(part.diffuse, sizeof part.diffuse) || !in.Count(&n, 1)) return std::nullopt;
        part.textureFile.resize(size_t(n));
        if (!in.Read(part.textureFile.data(), n) || !in.Read(&normals, 1)) return std::nullopt;
        part.hasNormals = normals != 0;
        // Every index must name a vertex of its part.
        const size_t vertexCount = part.vertices.size() / ModelLoader::kFloatsPerVertex;
        for (const uint32_t index : part.indices) {
            if (index >= vertexCount) return std::nullopt;
        }
        parts.push_back(std::move(part));
    }
    if (!in.AtEnd()) return std::nullopt;
    return parts;
}

[[noreturn]] void RunChild(std::span<const uint8_t> bytes, const std::string& folder, int out) {
    // What assimp (or a sanitizer) prints while failing is not the game's log: the
    // parent writes the one line.
    const int quiet = ::open("/dev/null", O_WRONLY);
    if (quiet >= 0) ::dup2(quiet, STDERR_FILENO);
    std::string error;
    const auto parts = ModelLoader::Decode(bytes, folder, &error);
    const std::vector<uint8_t> answer = Encode(parts, error);
    size_t done = 0;
    while (done < answer.size()) {
        const ssize_t n = ::write(out, answer.data() + done, answer.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += size_t(n);
    }
    // No destructors, no exit handlers: the child leaves the parent's state alone.
    ::_exit(0);
}

}  // namespace

std::optional<std::vector<ModelPartData>> ModelImportProcess::Decode(std::span<const uint8_t> bytes,
                                                                     const std::string& folder, std::string* error) {
    if (!ModelLoader::LooksLikeXFile(bytes)) return ModelLoader::Decode(bytes, folder, error);
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) {
        *error = "cannot start the model reader";
        return std::nullopt;
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        *error = "cannot start the model reader";
        return std::nullopt;
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        RunChild(bytes, folder, pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    std::vector<uint8_t> answer;
    bool timedOut = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kTimeLimitSeconds);
    uint8_t buffer[65536];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            timedOut = true;
            break;
        }
        pollfd waiting{pipeEnds[0], POLLIN, 0};
        const int ready = ::poll(&waiting, 1, int(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) {
            timedOut = ready == 0;
            break;
        }
        const ssize_t n = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || answer.size() + size_t(n) > kMaxAnswerBytes) break;
        answer.insert(answer.end(), buffer, buffer + n);
    }
    ::close(pipeEnds[0]);
    if (timedOut) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (timedOut) {
        *error = "the model reader took too long";
        return std::nullopt;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        *error = "the model reader failed on the file";
        return std::nullopt;
    }
    return DecodeAnswer(answer, error);
}

}  // namespace engine
