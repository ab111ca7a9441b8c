// libsndfile's virtual I/O over a byte vector, and the Ogg serial fix.
#include "tools/assetgen/audio_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include <sndfile.h>

namespace assetgen {

namespace {

struct MemoryFile {
    Bytes bytes;
    sf_count_t position = 0;
};

sf_count_t Length(void* user) {
    return static_cast<MemoryFile*>(user)->bytes.size();
}

sf_count_t Seek(sf_count_t offset, int whence, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR) base = file->position;
    if (whence == SEEK_END) base = static_cast<sf_count_t>(file->bytes.size());
    file->position = std::max<sf_count_t>(0, base + offset);
    return file->position;
}

sf_count_t Read(void* data, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const sf_count_t available =
        std::max<sf_count_t>(0, static_cast<sf_count_t>(file->bytes.size()) - file->position);
    const sf_count_t n = std::min(count, available);
    std::memcpy(data, file->bytes.data() + file->position, n);
    file->position += n;
    return n;
}

sf_count_t Write(const void* data, sf_count_t count, void* user) {
    auto* file = static_cast<MemoryFile*>(user);
    const size_t end = file->position + count;
    if (end > file->bytes.size()) file->bytes.resize(end);
    std::memcpy(file->bytes.data() + file->position, data, count);
    file->position = end;
    return count;
}

sf_count_t Tell(void* user) {
    return static_cast<MemoryFile*>(user)->position;
}

Bytes Encode(const std::vector<float>& samples, int channels, int rate, int format, double quality) {
    SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
    MemoryFile file;
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* sound = sf_open_virtual(&io, SFM_WRITE, &info, &file);
    if (!sound) throw std::runtime_error(std::string("libsndfile cannot encode: ") + sf_strerror(nullptr));
    if (quality >= 0) sf_command(sound, SFC_SET_VBR_ENCODING_QUALITY, &quality, sizeof quality);
    std::vector<float> clipped(samples.size());
    std::transform(samples.begin(), samples.end(), clipped.begin(),
                   [](float s) { return std::isfinite(s) ? std::clamp(s, -1.0f, 1.0f) : 0.0f; });
    // Written in blocks: the Vorbis encoder is fed a block at a time.
    const sf_count_t frames = static_cast<sf_count_t>(clipped.size() / channels);
    const sf_count_t block = 4096;
    bool written = true;
    for (sf_count_t done = 0; done < frames && written; done += block) {
        const sf_count_t count = std::min(block, frames - done);
        written = sf_writef_float(sound, clipped.data() + done * channels, count) == count;
    }
    sf_close(sound);
    if (!written) throw std::runtime_error("libsndfile could not write every sample");
    return file.bytes;
}

uint32_t OggCrc(const uint8_t* data, size_t size) {
    static uint32_t table[256];
    static bool ready = false;
    if (!ready) {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t r = i << 24;
            for (int bit = 0; bit < 8; ++bit) r = r & 0x80000000u ? (r << 1) ^ 0x04C11DB7u : r << 1;
            table[i] = r;
        }
        ready = true;
    }
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i) crc = (crc << 8) ^ table[((crc >> 24) ^ data[i]) & 0xFF];
    return crc;
}

void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

bool SetOggSerial(Bytes& ogg, uint32_t serial) {
    size_t page = 0;
    while (page < ogg.size()) {
        if (ogg.size() - page < 27 || std::memcmp(&ogg[page], "OggS", 4) != 0) return false;
        const size_t segments = ogg[page + 26];
        if (ogg.size() - page < 27 + segments) return false;
        size_t body = 0;
        for (size_t s = 0; s < segments; ++s) body += ogg[page + 27 + s];
        const size_t size = 27 + segments + body;
        if (ogg.size() - page < size) return false;
        PutU32(&ogg[page + 14], serial);
        PutU32(&ogg[page + 22], 0);
        PutU32(&ogg[page + 22], OggCrc(&ogg[page], size));
        page += size;
    }
    return true;
}

Bytes EncodeWav(const std::vector<float>& samples, int channels, int rate) {
    return Encode(samples, channels, rate, SF_FORMAT_WAV | SF_FORMAT_PCM_16, -1);
}

Bytes EncodeOgg(const std::vector<float>& samples, int channels, int rate, double quality) {
    Bytes ogg = Encode(samples, channels, rate, SF_FORMAT_OGG | SF_FORMAT_VORBIS, quality);
    if (!SetOggSerial(ogg, 0x50624421u)) throw std::runtime_error("libsndfile wrote a broken Ogg stream");
    return ogg;
}

}  // namespace assetgen
