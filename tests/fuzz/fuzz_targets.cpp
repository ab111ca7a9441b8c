// The fuzz targets: each hands arbitrary bytes to one of our readers, as the game would.
#include "fuzz_targets.h"

#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "core/record_entry.h"
#include "core/settings.h"
#include "engine/image_codec.h"
#include "engine/model_import_process.h"
#include "formats/pack_file.h"
#include "formats/ply_mesh_file.h"
#include "formats/share_description.h"
#include "formats/sky_box_file.h"
#include "formats/sphere_group_file.h"
#include "formats/wid_font.h"

namespace fuzz {
namespace {

std::span<const uint8_t> Bytes(const uint8_t* data, size_t size) { return {data, size}; }
std::string_view Text(const uint8_t* data, size_t size) { return {reinterpret_cast<const char*>(data), size}; }

// A pack file and every entry of its first slots decoded as the loader does.
void Pack(const uint8_t* data, size_t size) {
    const formats::PackFile pack(Bytes(data, size));
    for (uint16_t index = 0; index < 16; ++index) {
        const auto entry = pack.Entry(index);
        std::string error;
        if (entry) engine::DecodeImage(*entry, &error);
    }
}

void Image(const uint8_t* data, size_t size) {
    std::string error;
    engine::DecodeImage(Bytes(data, size), &error);
}

void Wid(const uint8_t* data, size_t size) {
    const auto font = formats::ReadWidFont(Bytes(data, size));
    std::string error;
    if (font) engine::DecodeImage(font->atlasPng, &error);
}

void Sky(const uint8_t* data, size_t size) { formats::ReadSkyBox(Text(data, size)); }
void Spg(const uint8_t* data, size_t size) { formats::ReadSphereGroup(Text(data, size)); }
void Ply(const uint8_t* data, size_t size) { formats::ReadPlyMesh(Bytes(data, size)); }

// The settings and records files as the start-up reads them: their first record.
void Saved(const uint8_t* data, size_t size) {
    if (size >= Settings::kFileSize) {
        const Settings settings = Settings::FromBytes(std::span<const uint8_t, Settings::kFileSize>(data, Settings::kFileSize));
        // Read back, what is written is what was read.
        const auto written = settings.ToBytes();
        if (Settings::FromBytes(written).ToBytes() != written) __builtin_trap();
    }
    if (size >= kRecordsFileSize) {
        const RecordTables tables = RecordTablesFromBytes(std::span<const uint8_t, kRecordsFileSize>(data, kRecordsFileSize));
        for (const RecordTable& table : tables) {
            for (const RecordEntry& entry : table) {
                if (entry.name.Text().size() > 10) __builtin_trap();
            }
        }
    }
}

// The model import path as the engine takes it: assimp with the engine's own options,
// in a child process, and the answer read back.
void Model(const uint8_t* data, size_t size) {
    std::string error;
    engine::ModelImportProcess::Decode(Bytes(data, size), "data\\", &error);
}

// The closing screen's description, every path taken as an existing file so the reader goes
// on past them. A usable description has all its buttons, the exit button last.
void Share(const uint8_t* data, size_t size) {
    const auto exists = [](const std::string&) { return true; };
    const formats::ShareDescription d = formats::ReadShareDescription(Text(data, size), exists);
    if (d.usable && (int64_t(d.buttons.size()) != d.buttonCount || d.buttons.back().target != "exit")) __builtin_trap();
}

constexpr Target kTargets[] = {{"pack", Pack}, {"image", Image}, {"wid", Wid},     {"sky", Sky},
                               {"spg", Spg},   {"ply", Ply},     {"saved", Saved}, {"model", Model},
                               {"share", Share}};

}  // namespace

const Target* Targets() { return kTargets; }
int TargetCount() { return int(sizeof kTargets / sizeof kTargets[0]); }

const Target* FindTarget(const char* name) {
    for (const Target& target : kTargets) {
        if (std::strcmp(target.name, name) == 0) return &target;
    }
    return nullptr;
}

}  // namespace fuzz
