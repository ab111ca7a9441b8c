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

class TempProgramFolder {
public:
    TempProgramFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pebbledash-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) ADD_FAILURE() << "cannot create a temporary folder";
        root_ = pattern;
        std::filesystem::create_directories(root_ / "data");
        platform::SetProgramFolder(root_.string());
    }
    ~TempProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

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
    std::filesystem::path root_;
};
