// Whole-file reads and crash-safe replacement of the small saved files. Paths are real paths.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The first `size` bytes of a file; nothing when it cannot be opened or read or
// is shorter. Bytes past `size` are not read.
std::optional<std::vector<uint8_t>> ReadFileStart(const std::string& path, size_t size);

bool FileExists(const std::string& path);

// The temporary file a replacement is written to first: beside the target, so the
// final rename stays within one file system.
std::string TemporaryPathFor(const std::string& path);

// Writes bytes to the temporary file, flushes it to disk and only then renames it
// over `path`. On any failure the old file is left as it was, the temporary file is
// removed and, when `reason` is given, the cause ("No space left on device") is
// stored there.
bool ReplaceFile(const std::string& path, std::span<const uint8_t> bytes, std::string* reason = nullptr);
