// A scratch folder under /tmp for one test, removed with everything in it afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/scratch_folder.h"

class TempFolder {
public:
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + "/" + relative; }

    // Writes a file (making its folders) below the scratch folder.
    void Write(const std::string& relative, const std::string& content) const
    {
        const std::filesystem::path full = path_ + "/" + relative;
        std::filesystem::create_directories(full.parent_path());
        std::ofstream(full, std::ios::binary) << content;
    }

private:
    test_support::ScratchFolder scratch_{"pd-platform"};
    const std::string path_ = scratch_.Path().string();
};
