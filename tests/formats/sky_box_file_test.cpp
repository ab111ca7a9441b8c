// ".sky" sky boxes: the text layout, round trips and damaged descriptions.
#include "formats/sky_box_file.h"

#include <gtest/gtest.h>

namespace {

using formats::ReadSkyBox;
using formats::SkyBoxFile;
using formats::WriteSkyBox;

SkyBoxFile SampleSky() {
    SkyBoxFile sky;
    sky.faces = {"room_right.png", "room_left.png", "room top.jpg", "faces\\bottom.png", "f.png", "b.png"};
    return sky;
}

TEST(SkyBoxFile, WritesOneFaceALineInFaceOrder) {
    const std::string text = WriteSkyBox(SampleSky());
    const size_t right = text.find("\nright room_right.png\n");
    const size_t back = text.find("\nback b.png\n");
    ASSERT_NE(right, std::string::npos);
    ASSERT_NE(back, std::string::npos);
    EXPECT_LT(right, text.find("\nleft room_left.png\n"));
    EXPECT_LT(text.find("\ntop room top.jpg\n"), text.find("\nbottom faces\\bottom.png\n"));
    EXPECT_LT(text.find("\nfront f.png\n"), back);
}

TEST(SkyBoxFile, RoundTrips) {
    std::string error;
    const auto back = ReadSkyBox(WriteSkyBox(SampleSky()), &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->faces, SampleSky().faces);
}

TEST(SkyBoxFile, AcceptsAnyOrderCommentsBlanksAndCarriageReturns) {
    const auto sky = ReadSkyBox(
        "# room\r\n\r\n  back\tb.png \r\nfront f.png\nbottom bo.png\n"
        "top   t.png\nleft l.png\nright r r.png");
    ASSERT_TRUE(sky);
    EXPECT_EQ(sky->faces[formats::kSkyRight], "r r.png");
    EXPECT_EQ(sky->faces[formats::kSkyBack], "b.png");
    EXPECT_EQ(sky->faces[formats::kSkyTop], "t.png");
}

TEST(SkyBoxFile, RejectsMissingDuplicateUnknownAndEmptyFaces) {
    const std::string good = WriteSkyBox(SampleSky());
    std::string error;
    EXPECT_FALSE(ReadSkyBox(good.substr(0, good.rfind("back")), &error));
    EXPECT_NE(error.find("back"), std::string::npos);
    EXPECT_FALSE(ReadSkyBox(good + "top again.png\n", &error));
    EXPECT_NE(error.find("twice"), std::string::npos);
    EXPECT_FALSE(ReadSkyBox(good + "up u.png\n", &error));
    EXPECT_FALSE(ReadSkyBox(good + "top\n", &error));
    EXPECT_FALSE(ReadSkyBox("", &error));
}

TEST(SkyBoxFile, TruncationsFailUntilTheLastFaceHasAPicture) {
    const std::string good = WriteSkyBox(SampleSky());
    const size_t lastPicture = good.rfind("back ") + 5;
    for (size_t size = 0; size < good.size(); ++size) {
        const auto sky = ReadSkyBox(good.substr(0, size));
        EXPECT_EQ(sky.has_value(), size > lastPicture) << "size " << size;
        if (sky) {
            EXPECT_EQ(sky->faces[formats::kSkyFront], "f.png");
        }
    }
}

TEST(SkyBoxFile, BinaryGarbageIsRejected) {
    std::string garbage = "right a.png\n";
    garbage.push_back('\0');
    garbage += "\xff\xfe left";
    EXPECT_FALSE(ReadSkyBox(garbage));
}

}  // namespace
