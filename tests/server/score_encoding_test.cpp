// The submission text and its 5-bit coding at their edges, from the game's encoder to the server's reader.
#include <gtest/gtest.h>

#include "online/score_encoding.h"
#include "server/submission.h"

namespace {

using online::DecodeSubmission;
using online::EncodeSubmission;

TEST(ScoreEncoding, PaddingAndSymbolCountsAtTheEdges)
{
    std::string five = "type=";
    online::PadSubmissionText(five);
    EXPECT_EQ(five, "type=");
    EXPECT_EQ(EncodeSubmission(five).size(), 8u);

    std::string six = "type=0";
    online::PadSubmissionText(six);
    EXPECT_EQ(six, "type=00000");
    EXPECT_EQ(EncodeSubmission(six).size(), 16u);

    const std::string forty(40, 'q');
    EXPECT_EQ(EncodeSubmission(forty).size(), 64u);

    // Bits go most significant first, symbol v + 1 of the table stands for v.
    EXPECT_EQ(EncodeSubmission(std::string("\x80\0\0\0\0", 5)), "ckkkkkkk");
    EXPECT_EQ(EncodeSubmission(std::string("\0\0\0\0\x01", 5)), "kkkkkkk3");
    EXPECT_EQ(EncodeSubmission("\xff\xff\xff\xff\xff"), "UUUUUUUU");
    // One byte: 8 bits get two zero bits in front, so 10 bits make two symbols.
    EXPECT_EQ(EncodeSubmission("\xff"), "XU");

    for (const std::string& text : {five, six, forty, std::string("\xff"), std::string()})
        EXPECT_EQ(DecodeSubmission(EncodeSubmission(text)), text) << text;

    // Every name length the game allows gives a padded text of 0 to 4 fillers.
    for (std::size_t length = 0; length <= 10; ++length) {
        const std::string text = online::BuildSubmissionText(2, std::string(length, 'n'), 123, "tok", "c");
        EXPECT_EQ(text.size() % 5, 0u);
        EXPECT_LT(text.size() - text.rfind("|z=") - 3, 5u);
        EXPECT_EQ(EncodeSubmission(text).size(), text.size() / 5 * 8);
    }
}

TEST(ScoreEncoding, DecodeRefusesWhatNoTextEncodesTo)
{
    EXPECT_FALSE(DecodeSubmission("kkkkkkk!"));   // outside the table
    EXPECT_FALSE(DecodeSubmission("kkkkkkkK"));   // the table is case-sensitive: 'K' is not in it
    EXPECT_FALSE(DecodeSubmission("k"));          // 5 bits: no whole byte
    EXPECT_FALSE(DecodeSubmission("kkkkkk"));     // 30 bits: 3 bytes and 6 filler bits, more than 4
    EXPECT_FALSE(DecodeSubmission("UU"));         // the two filler bits are not zero
    EXPECT_EQ(DecodeSubmission(""), std::string());
}

// What the game builds and encodes, the server decodes and reads back field for field, also
// when name or country hold "|", "=" or pieces of the field names.
TEST(ScoreEncoding, GameTextReadsBackOnTheServer)
{
    const std::string names[] = {"a|b=c", "|", "=", "|score=1|k", "|z=0", "x|key=R|p", "Ten chars!", ""};
    for (const std::string& name : names) {
        const std::string country = name.empty() ? "|add=|z=" : name;
        const std::string text = online::BuildSubmissionText(1, name, 2147483647, "Tok3n", country);
        const std::optional<std::string> decoded = DecodeSubmission(EncodeSubmission(text));
        ASSERT_TRUE(decoded);
        scores::TSubmission read;
        std::string error;
        ASSERT_TRUE(scores::ParseSubmission(*decoded, read, error)) << name << ": " << error;
        EXPECT_EQ(read.name, name);
        EXPECT_EQ(read.country, country);
        EXPECT_EQ(read.difficulty, 1);
        EXPECT_EQ(read.score, 2147483647);
        EXPECT_EQ(read.token, "Tok3n");
    }
    // The game's single-byte letters beyond ASCII arrive as UTF-8.
    scores::TSubmission read;
    std::string error;
    ASSERT_TRUE(scores::ParseSubmission(online::BuildSubmissionText(0, "J\xf6rg", 5, "t", "x"), read, error));
    EXPECT_EQ(read.name, "J\xc3\xb6rg");
}

}  // namespace
