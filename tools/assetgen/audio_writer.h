// Encoding sample buffers as WAV (16-bit PCM) or Ogg Vorbis through libsndfile,
// in memory, with the same bytes on every run.
#pragma once

#include <vector>

#include "tools/assetgen/asset_output.h"

namespace assetgen {

// samples: interleaved, -1..1 (clipped), channels 1 or 2.
Bytes EncodeWav(const std::vector<float>& samples, int channels, int rate);
// Vorbis at the given quality (0..1). libsndfile gives each Ogg stream a random
// serial number; it is replaced by a fixed one (with the page checksums
// recomputed) so the file is the same on every run.
Bytes EncodeOgg(const std::vector<float>& samples, int channels, int rate, double quality);

// Sets the serial number of every page of an Ogg stream and recomputes each
// page's CRC. Returns false when the bytes are not a sequence of whole pages.
bool SetOggSerial(Bytes& ogg, uint32_t serial);

}  // namespace assetgen
