// The track object: its part list and its limit, track 5's lower parts, showing and hiding.
#include <gtest/gtest.h>

#include "core/saved_files.h"
#include "engine/engine.h"
#include "tests/world/world_fixture.h"
#include "world/world.h"

namespace {

class TrassaTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        OpenEngine();
        WriteSlabPly("data/Table_5.00.ply", 100, -1);
    }
    // The files of track `number` with `parts` visible parts, loaded.
    void Load(int number, int parts) {
        const std::string base = "data/Trassa" + std::to_string(number);
        WritePartsModel(base + ".x", parts);
        WriteSlabPly(base + "_5.00.ply", 20, 0);
        WritePartsModel(base + "_shadow.x", 1);
        track_.Load(number);
    }
    int PartCount() const {
        int count = 0;
        while (count < TTrassa::kMaxParts && track_.Parts[count] != 0) ++count;
        return count;
    }
    TTrassa track_;
};

TEST_F(TrassaTest, LoadMakesEveryPartAndEndsTheListWithZero) {
    EXPECT_FALSE(track_.Loaded);
    Load(2, 3);
    EXPECT_TRUE(track_.Loaded);
    EXPECT_EQ(PartCount(), 3);
    EXPECT_EQ(track_.Parts[3], 0);
    EXPECT_NE(track_.Body, 0);
    EXPECT_NE(track_.TableBody, 0);
    track_.Reload();
    EXPECT_EQ(track_.Number, 2);
    EXPECT_EQ(PartCount(), 3);
}

TEST_F(TrassaTest, AtMostOneHundredFiftyParts) {
    for (int parts : {150, 152}) {
        Load(1, parts);
        EXPECT_EQ(PartCount(), TTrassa::kMaxParts) << parts << " parts in the file";
        EXPECT_TRUE(MeshExists(track_.Parts.back()));
        // Every walk stops after entry 150 although no zero ends the list.
        track_.Locate();
        track_.Show();
        EXPECT_TRUE(MeshVisible(track_.Parts.back()));
        track_.Hide();
        EXPECT_FALSE(MeshVisible(track_.Parts.back()));
    }
}

TEST_F(TrassaTest, MissingModelGivesAnEmptyTrackThatStillShowsAndHides) {
    track_.Load(4);
    EXPECT_TRUE(track_.Loaded);
    EXPECT_EQ(track_.Parts[0], 0);
    EXPECT_EQ(track_.Body, 0);
    EXPECT_NE(track_.TableBody, 0);
    track_.Locate();
    track_.Show();
    track_.Hide();
}

TEST_F(TrassaTest, TrackFivePartsStandLowerThanItsBodies) {
    for (int number : {5, 1}) {
        Load(number, 2);
        track_.Location = {10, -50, -3680};
        track_.Locate();
        const float partsY = number == 5 ? -67.5f : -50.0f;
        EXPECT_EQ(MeshLocation(track_.Parts[1]).y, partsY) << "track " << number;
        EXPECT_EQ(MeshLocation(track_.Parts[1]).x, 10.0f);
        EXPECT_EQ(iBodyLocation(track_.Body).y, -50.0f);
        EXPECT_EQ(iBodyLocation(track_.TableBody).y, -50.0f);
    }
}

TEST_F(TrassaTest, ShowHidesTheShadowWhenShadowsAreOffAndHideHidesEverything) {
    Load(3, 2);
    track_.Locate();
    ASSERT_TRUE(MeshExists(track_.Shadow));
    Saved.settings.shadows = 1;
    track_.Show();
    EXPECT_TRUE(MeshVisible(track_.Shadow));
    EXPECT_TRUE(MeshVisible(track_.Parts[1]));
    Saved.settings.shadows = 0;
    track_.Show();
    EXPECT_FALSE(MeshVisible(track_.Shadow));
    EXPECT_TRUE(MeshVisible(track_.Parts[1]));
    Saved.settings.shadows = 1;
    track_.Show();
    track_.Hide();
    EXPECT_FALSE(MeshVisible(track_.Shadow));
    EXPECT_FALSE(MeshVisible(track_.Parts[0]));
}

}  // namespace
