// The pickup spawner: its timer, its attempt rules, and where a spawned pickup stands.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/frame_timer.h"
#include "core/random_source.h"
#include "tests/world/world_fixture.h"
#include "world/world.h"

namespace {

using track_tables::PointXZ;

class BonusSpawnerTest : public WorldTest {
protected:
    void SetUp() override {
        WorldTest::SetUp();
        SeedRandom(12345);
        for (int kind = 0; kind < TBonus::kKinds; ++kind) {
            for (int copy = 0; copy < 4; ++copy) {
                pickups_[kind][copy].Create(kind + 1);
                grid_[kind][copy] = &pickups_[kind][copy];
            }
        }
        spawner_.StartLevel(grid_);
    }

    // Runs 13 ms frames until the timer runs out; returns what that frame spawned.
    TBonus* RunUntilExpiry(int difficulty) {
        for (int frame = 0; frame < 2000; ++frame) {
            const long double before = spawner_.BonusTimer;
            TBonus* spawned = spawner_.Update(difficulty, points_, kTrackY, grid_);
            if (spawner_.BonusTimer > before) return spawned;
            EXPECT_EQ(spawned, nullptr);
        }
        ADD_FAILURE() << "the timer never ran out";
        return nullptr;
    }

    int ActiveCount() const {
        int active = 0;
        for (const auto& copies : pickups_) {
            for (const TBonus& bonus : copies) active += bonus.Active ? 1 : 0;
        }
        return active;
    }

    static constexpr float kTrackY = -50;
    TBonus pickups_[TBonus::kKinds][4];
    BonusGrid grid_{};
    BonusSpawner spawner_;
    std::vector<PointXZ> points_{{-40, -3738}, {106, -3636}, {139, -3705}};
};

TEST_F(BonusSpawnerTest, LevelStartTakesEverythingAndWaitsThreeToFiveSeconds) {
    for (int level = 0; level < 40; ++level) {
        pickups_[level % 5][level % 4].Activate();
        spawner_.StartLevel(grid_);
        EXPECT_EQ(ActiveCount(), 0);
        const double tenths = double(spawner_.BonusTimer) * 10;
        EXPECT_GE(tenths, 30 - 1e-9);
        EXPECT_LE(tenths, 49 + 1e-9);
        EXPECT_NEAR(tenths, std::round(tenths), 1e-9);
    }
}

TEST_F(BonusSpawnerTest, TimerAtZeroHasNotRunOut) {
    spawner_.BonusTimer = 0.013L;
    EXPECT_EQ(spawner_.Update(0, points_, kTrackY, grid_), nullptr);
    EXPECT_NEAR(double(spawner_.BonusTimer), 0.0, 1e-15);
    EXPECT_EQ(ActiveCount(), 0);
}

TEST_F(BonusSpawnerTest, ExpiryRestartsTheTimerByDifficulty) {
    for (int difficulty = 0; difficulty <= 2; ++difficulty) {
        for (int attempt = 0; attempt < 20; ++attempt) {
            spawner_.StartLevel(grid_);
            RunUntilExpiry(difficulty);
            EXPECT_GE(double(spawner_.BonusTimer), 3.0 + 2 * difficulty - 1e-9);
            EXPECT_LE(double(spawner_.BonusTimer), 4.9 + 2 * difficulty + 1e-9);
        }
    }
}

TEST_F(BonusSpawnerTest, SpawnPlacesTheFirstCopyNearASpawnPoint) {
    for (int attempt = 0; attempt < 30; ++attempt) {
        spawner_.StartLevel(grid_);
        TBonus* spawned = RunUntilExpiry(1);
        ASSERT_NE(spawned, nullptr);
        EXPECT_EQ(spawned, grid_[spawned->Kind - 1][0]);
        EXPECT_EQ(ActiveCount(), 1);
        EXPECT_FLOAT_EQ(spawned->Location.y, kTrackY + 3);
        bool nearAPoint = false;
        for (const PointXZ& p : points_) {
            nearAPoint = nearAPoint || (std::fabs(spawned->Location.x - p.x) <= 4.901f &&
                                        std::fabs(spawned->Location.z - p.z) <= 4.901f);
        }
        EXPECT_TRUE(nearAPoint) << spawned->Location.x << ", " << spawned->Location.z;
    }
}

TEST_F(BonusSpawnerTest, OnlyFirstCopiesSpawnAndAnActiveKindOnlyRestartsTheTimer) {
    for (int expiry = 0; expiry < 60; ++expiry) {
        const int activeBefore = ActiveCount();
        TBonus* spawned = RunUntilExpiry(0);
        EXPECT_EQ(ActiveCount(), activeBefore + (spawned ? 1 : 0));
    }
    for (int kind = 0; kind < TBonus::kKinds; ++kind) {
        EXPECT_TRUE(pickups_[kind][0].Active) << "kind " << kind + 1 << " never spawned in 60 attempts";
        for (int copy = 1; copy < 4; ++copy) EXPECT_FALSE(pickups_[kind][copy].Active);
    }
    const Vec3 before = pickups_[2][0].Location;
    for (int expiry = 0; expiry < 10; ++expiry) EXPECT_EQ(RunUntilExpiry(2), nullptr);
    EXPECT_EQ(pickups_[2][0].Location.x, before.x);
    EXPECT_EQ(pickups_[2][0].Location.z, before.z);
}

}  // namespace
