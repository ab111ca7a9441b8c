// ".spg" sphere groups: exact round trips and every kind of damaged line refused.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "formats/sphere_group_file.h"

namespace {

TEST(SphereGroupFile, RoundTripKeepsEveryFloatExactly) {
    formats::SphereGroup group;
    group.spheres = {{1.15f, -0.3f, 0.6f, 0.55f},
                     {-1e-7f, 123456.789f, -0.1f, 3.4028e38f},
                     {0.1f + 0.2f, 1.0f / 3.0f, -2.5f, 1e-30f}};
    std::string error;
    const auto read = formats::ReadSphereGroup(formats::WriteSphereGroup(group), &error);
    ASSERT_TRUE(read.has_value()) << error;
    ASSERT_EQ(read->spheres.size(), group.spheres.size());
    for (size_t i = 0; i < group.spheres.size(); ++i) {
        EXPECT_EQ(read->spheres[i].x, group.spheres[i].x);
        EXPECT_EQ(read->spheres[i].y, group.spheres[i].y);
        EXPECT_EQ(read->spheres[i].z, group.spheres[i].z);
        EXPECT_EQ(read->spheres[i].radius, group.spheres[i].radius);
    }
}

TEST(SphereGroupFile, AcceptsCommentsBlankLinesTabsAndCarriageReturns) {
    const auto group = formats::ReadSphereGroup("# car\r\n\n  \t\n1 2 3 0.5\r\n\t-1\t+2  3e0 1\n# end");
    ASSERT_TRUE(group.has_value());
    ASSERT_EQ(group->spheres.size(), 2u);
    EXPECT_EQ(group->spheres[1].x, -1.0f);
    EXPECT_EQ(group->spheres[1].y, 2.0f);
    EXPECT_EQ(group->spheres[1].z, 3.0f);
    EXPECT_EQ(group->spheres[1].radius, 1.0f);
}

TEST(SphereGroupFile, RefusesDamagedLinesNamingTheLine) {
    const char* bad[] = {
        "1 2 3\n",            // too few numbers
        "1 2 3 4 5\n",        // too many
        "1 2 x 4\n",          // not a number
        "1 2 3 0\n",          // radius zero
        "1 2 3 -1\n",         // radius negative
        "1 2 3 nan\n",        // not finite
        "1 2 1e99 1\n",       // out of float range
        "1 2 3 4abc\n",       // trailing garbage in a number
    };
    for (const char* text : bad) {
        std::string error;
        EXPECT_FALSE(formats::ReadSphereGroup(std::string("0 0 0 1\n") + text, &error).has_value()) << text;
        EXPECT_NE(error.find("line 2"), std::string::npos) << text << ": " << error;
    }
}

TEST(SphereGroupFile, RefusesEmptyGroupsAndBinaryData) {
    EXPECT_FALSE(formats::ReadSphereGroup("").has_value());
    EXPECT_FALSE(formats::ReadSphereGroup("# only a comment\n\n").has_value());
    EXPECT_FALSE(formats::ReadSphereGroup(std::string("1 2 3 4\n\0", 9)).has_value());
}

}  // namespace
