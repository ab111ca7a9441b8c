// Every file of the generated data set missing, cut to half and replaced by random bytes of
// its size, under a short race and a short menu walk: the game runs on and reports.
//
// The files are spread over a few groups damaged together (a different spread for
// each kind of damage), and the runs go in parallel; PEBBLEDASH_DAMAGE_GROUPS=0
// damages each file alone (bench/damaged_files.sh runs that full matrix).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <random>
#include <thread>

#include "generated_game_folder.h"
#include "json_check.h"

namespace {

namespace fs = std::filesystem;
using test_support::GeneratedGameFolder;
using test_support::HeadlessResult;

enum class Damage { Missing, Half, Random };

const char* NameOf(Damage damage) {
    return damage == Damage::Missing ? "missing" : damage == Damage::Half ? "half" : "random";
}

// Every file the game may read, relative to the program folder, from the generated set.
std::vector<fs::path> GeneratedFiles(const fs::path& root) {
    std::vector<fs::path> files;
    for (const char* folder : {"data", "sound", "wdata"}) {
        if (!fs::exists(root / folder)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
            if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), root));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

void Spoil(const fs::path& file, Damage damage, std::mt19937& random) {
    if (damage == Damage::Missing) {
        fs::remove(file);
        return;
    }
    const auto size = fs::file_size(file);
    std::vector<char> bytes(size);
    {
        std::ifstream in(file, std::ios::binary);
        in.read(bytes.data(), std::streamsize(size));
    }
    if (damage == Damage::Half) {
        bytes.resize(size / 2);
    } else {
        for (char& b : bytes) b = char(random() & 0xFF);
    }
    // The copy is a hard link to the build's file: a new file takes its place, or writing
    // through the link would spoil the build's data for every later run.
    fs::remove(file);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

// The menu walk: each main-menu item opened in turn and left with Escape.
std::string MenuScript() {
    std::string script;
    int frame = 150;
    for (int item = 0; item < 4; ++item) {
        for (int down = 0; down < item; ++down, frame += 4) {
            script += std::to_string(frame) + " key 208 down\n" + std::to_string(frame + 1) + " key 208 up\n";
        }
        script += std::to_string(frame) + " key 28 down\n" + std::to_string(frame + 1) + " key 28 up\n";
        frame += 60;
        script += std::to_string(frame) + " key 1 down\n" + std::to_string(frame + 1) + " key 1 up\n";
        frame += 60;
    }
    return script;
}

constexpr int kMenuFrames = 650;
constexpr int kRaceFrames = 260;

struct DamagedRun {
    std::string what;
    std::vector<fs::path> damaged;
    HeadlessResult result;
    int frames = 0;
};

// Damages the files of one group in a fresh copy of the game folder and runs it.
DamagedRun RunDamaged(Damage damage, int group, const std::vector<fs::path>& files, bool race) {
    GeneratedGameFolder folder;
    DamagedRun run;
    if (!folder.Fill()) return run;
    std::mt19937 random(unsigned(group * 7919 + int(damage)));
    for (const fs::path& file : files) Spoil(folder.Path() / file, damage, random);
    run.damaged = files;
    run.what = std::string(NameOf(damage)) + " group " + std::to_string(group) + (race ? " race" : " menus");
    if (race) {
        run.frames = kRaceFrames;
        // The seed picks the track: the groups share the five between them.
        run.result = folder.Run("--no-draw --frame-ms 16 --autodrive --frames " + std::to_string(kRaceFrames) +
                                " --seed " + std::to_string(group) + " --new-game " + std::to_string(group % 3) +
                                " " + std::to_string(group % 5 + 1));
    } else {
        run.frames = kMenuFrames;
        test_support::WriteFile(folder.Path() / "menu.txt", MenuScript());
        run.result = folder.Run("--no-draw --frame-ms 16 --frames " + std::to_string(kMenuFrames) + " --script '" +
                                (folder.Path() / "menu.txt").string() + "'");
    }
    return run;
}

class DamagedFiles : public ::testing::TestWithParam<Damage> {};

TEST(DamagedCopy, SpoilingACopyLeavesTheBuildsOwnFilesAlone) {
    GeneratedGameFolder copy;
    if (!copy.Fill()) GTEST_SKIP() << "no generated data";
    const char* bin = std::getenv("PEBBLEDASH_BIN");
    const fs::path built = fs::path(bin ? bin : ".") / "data" / "sprite.x";
    const auto size = fs::file_size(built);
    std::mt19937 random(1);
    Spoil(copy.Path() / "data" / "sprite.x", Damage::Half, random);
    EXPECT_EQ(fs::file_size(copy.Path() / "data" / "sprite.x"), size / 2);
    EXPECT_EQ(fs::file_size(built), size);
}

TEST_P(DamagedFiles, TheGameRunsOnAndWritesAValidReport) {
    GeneratedGameFolder source;
    if (!source.Fill()) GTEST_SKIP() << "no generated data";
    std::vector<fs::path> files = GeneratedFiles(source.Path());
    ASSERT_GT(files.size(), 20u) << "the generated data set is the list of files";

    const char* groupsSetting = std::getenv("PEBBLEDASH_DAMAGE_GROUPS");
    int groups = groupsSetting ? std::atoi(groupsSetting) : 5;
    if (groups <= 0 || groups > int(files.size())) groups = int(files.size());
    // Each kind of damage spreads the files differently, so two files that hide each
    // other (a sky box and its faces) are apart in at least one kind.
    std::shuffle(files.begin(), files.end(), std::mt19937(unsigned(GetParam()) + 1));
    std::vector<std::vector<fs::path>> byGroup(groups);
    for (size_t i = 0; i < files.size(); ++i) byGroup[i % groups].push_back(files[i]);

    const unsigned parallel = std::max(2u, std::thread::hardware_concurrency());
    std::vector<std::future<DamagedRun>> pending;
    std::vector<DamagedRun> done;
    for (int group = 0; group < groups; ++group) {
        for (bool race : {true, false}) {
            if (pending.size() >= parallel) {
                done.push_back(pending.front().get());
                pending.erase(pending.begin());
            }
            pending.push_back(std::async(std::launch::async, RunDamaged, GetParam(), group, byGroup[group], race));
        }
    }
    for (auto& run : pending) done.push_back(run.get());

    for (const DamagedRun& run : done) {
        std::string names;
        for (const fs::path& file : run.damaged) names += " " + file.string();
        SCOPED_TRACE(run.what + ":" + names);
        EXPECT_EQ(run.result.exitCode, 0) << run.result.log.substr(0, 4000);
        size_t where = 0;
        EXPECT_TRUE(test_support::IsValidJson(run.result.report, &where))
            << "at byte " << where << ": " << run.result.report.substr(where > 80 ? where - 80 : 0, 200);
        EXPECT_EQ(run.result.Number("frames"), run.frames) << "the game stopped early";
        if (GetParam() == Damage::Missing) {
            EXPECT_TRUE(run.result.ListHas("missing_files", "cannot load")) << "a missing file is reported";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachKind, DamagedFiles, ::testing::Values(Damage::Missing, Damage::Half, Damage::Random),
                         [](const auto& info) { return std::string(NameOf(info.param)); });

}  // namespace
