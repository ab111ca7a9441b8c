// Loading one pack entry per call: each call opens the file and reads its index slot anew.
#include "core/pack_texture.h"

#include <array>
#include <fstream>

#include "formats/pack_file.h"
#include "platform/platform.h"

int32_t TextureSerial = 1000001;

std::optional<std::vector<uint8_t>> ReadPackEntryFromFile(const std::string& file, uint16_t index) {
    std::ifstream in(platform::ResolvePath(file), std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff end = in.tellg();
    if (end < 0) return std::nullopt;
    const uint64_t fileSize = uint64_t(end);

    const uint64_t slotStart = formats::PackSlotOffset(index);
    if (slotStart + formats::kPackSlotSize > fileSize) return std::nullopt;
    std::array<uint8_t, formats::kPackSlotSize> slot{};
    in.seekg(std::streamoff(slotStart));
    if (!in.read(reinterpret_cast<char*>(slot.data()), slot.size())) return std::nullopt;

    const formats::PackEntry entry = formats::DecodePackSlot(slot);
    if (!formats::PackEntryFits(entry, fileSize)) return std::nullopt;
    std::vector<uint8_t> data(entry.size);
    in.seekg(std::streamoff(entry.offset));
    if (!in.read(reinterpret_cast<char*>(data.data()), std::streamsize(data.size()))) {
        return std::nullopt;
    }
    return data;
}

EngineHandle LoadPackTexture(const std::string& file, uint16_t index, int32_t* serialOut) {
    ++TextureSerial;
    const std::optional<std::vector<uint8_t>> data = ReadPackEntryFromFile(file, index);
    if (!data) return 0;
    const EngineHandle texture =
        iTextureCreateFromMemory(data->data(), uint32_t(data->size()), TextureSerial);
    if (serialOut) *serialOut = TextureSerial;
    return texture;
}
