// A scratch program folder holding a copy of the build's generated data and sounds,
// for whole games through the headless runner.
#pragma once

#include <filesystem>
#include <string>

#include "headless_run.h"
#include "scratch_folder.h"
#include "test_program_data.h"

namespace test_support {

// Made empty in the temporary folder; Fill gives it data/ and sound/ from PEBBLEDASH_BIN
// (the runner's folder) without the saved files, so a run starts with default settings
// and tables unless the test writes its own. Removed with everything in it at the end.
class GeneratedGameFolder {
public:
    // False when the build has no generated data (the caller skips). The files are hard
    // links to the build's (copies where the file system has none): the game only reads
    // them and writes its saved files anew, and a test must write only files of its own.
    bool Fill();
    const std::filesystem::path& Path() const { return folder_.Path(); }
    // Runs the runner on this folder (see RunHeadless).
    HeadlessResult Run(const std::string& arguments) const { return RunHeadless(Path(), arguments); }
    // The number of shot pixels in the rectangle [x0, x1) x [y0, y1) that are bright,
    // saturated yellow (the race's banners, the name entry's yellow texts) or white.
    static int YellowPixels(const Picture& picture, int x0, int x1, int y0, int y1);
    static int WhitePixels(const Picture& picture, int x0, int x1, int y0, int y1);

private:
    ScratchFolder folder_{"pebbledash-game"};
};

}  // namespace test_support
