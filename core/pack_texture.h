// Textures made from one entry of an image pack file ("data\Forms.dat" and the like).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"

// Starts at 1 000 001 and is raised by one at the start of every load request, also
// when the file cannot be opened; the new value goes to the engine with the data.
extern int32_t TextureSerial;

// The data of entry `index` of a pack file (a program path such as "data\\Cursor.dat"),
// read through its index slot. Nothing when the file cannot be opened or the slot or
// the data does not lie inside the file.
std::optional<std::vector<uint8_t>> ReadPackEntryFromFile(const std::string& file, uint16_t index);

// Reads the entry and hands it to iTextureCreateFromMemory with the raised serial.
// Returns 0 (no texture) when the entry cannot be read. When serialOut is given and
// the entry was read, the serial used is stored there.
EngineHandle LoadPackTexture(const std::string& file, uint16_t index, int32_t* serialOut = nullptr);
