// A fresh program folder with an empty data/ for one test, removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"
#include "tests/support/scratch_folder.h"

class TempProgramFolder {
public:
    TempProgramFolder() {
        std::filesystem::create_directories(root_ / "data");
        platform::SetProgramFolder(root_.string());
    }

    // A real path below the folder, e.g. Path("data/settings.dat").
    std::filesystem::path Path(const std::string& relative) const { return root_ / relative; }

    bool Exists(const std::string& relative) const { return std::filesystem::exists(Path(relative)); }

    std::vector<uint8_t> Read(const std::string& relative) const {
        std::ifstream in(Path(relative), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    void Write(const std::string& relative, const std::vector<uint8_t>& bytes) const {
        std::ofstream out(Path(relative), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }

private:
    test_support::ScratchFolder scratch_;
    const std::filesystem::path root_ = scratch_.Path();
};
