// AssetOutput: the catalogue is the only list of writable files, and the
// manifest accounts for every byte.
#include <gtest/gtest.h>

#include "generated_data.h"
#include "tools/assetgen/asset_output.h"

namespace assetgen_test {
namespace {

TEST(AssetOutput, RefusesPathsOutsideTheCatalogueAndTracksWhatIsMissing) {
    const auto folder = std::filesystem::temp_directory_path() / "assetgen-test-output";
    std::filesystem::remove_all(folder);
    assetgen::AssetOutput out(folder);
    EXPECT_THROW(out.Write("data/unlisted.png", std::string("x")), std::runtime_error);
    const size_t missingBefore = out.Missing().size();
    out.Write("play.url", std::string("[InternetShortcut]\r\n"));
    out.Write("play.url", std::string("[InternetShortcut]\r\nURL=x\r\n"));  // rewritten, counted once
    EXPECT_EQ(out.Missing().size(), missingBefore - 1);
    ASSERT_EQ(out.Files().size(), 1u);
    EXPECT_EQ(out.TotalSize(), 27u);
    EXPECT_EQ(ReadBytes(folder / "play.url").size(), 27u);
    const std::string manifest = out.Manifest();
    EXPECT_NE(manifest.find("play.url"), std::string::npos);
    EXPECT_NE(manifest.find("1 files, 27 bytes in all"), std::string::npos);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace assetgen_test
