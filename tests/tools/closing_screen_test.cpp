// wdata\config.ini read by the closing screen's own rules: numbers separated by
// exactly one space, every picture and link naming a file that exists, the exit
// button last with its wait picture, the countdown settings at the end; and
// play.url an internet shortcut to the publisher's site.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "generated_data.h"

namespace assetgen_test {
namespace {

std::vector<std::string> Lines(const std::filesystem::path& file) {
    const assetgen::Bytes bytes = ReadBytes(file);
    std::stringstream text(std::string(bytes.begin(), bytes.end()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
}

// A line of decimal numbers separated by exactly one space, as the screen reads it.
std::vector<int> Numbers(const std::string& line) {
    std::vector<int> numbers;
    size_t start = 0;
    while (true) {
        const size_t end = line.find(' ', start);
        const std::string run = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
        EXPECT_FALSE(run.empty()) << "empty number in \"" << line << "\"";
        EXPECT_TRUE(std::all_of(run.begin(), run.end(), ::isdigit)) << "\"" << run << "\" in \"" << line << "\"";
        numbers.push_back(run.empty() ? 0 : std::stoi(run));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return numbers;
}

void ExpectFile(const std::string& gamePath) {
    std::string path = gamePath;
    std::replace(path.begin(), path.end(), '\\', '/');
    EXPECT_FALSE(path.empty());
    EXPECT_TRUE(std::filesystem::exists(GeneratedRoot() / path)) << gamePath;
}

void ExpectRect(const std::string& line) {
    const std::vector<int> rect = Numbers(line);
    ASSERT_EQ(rect.size(), 4u) << line;
    EXPECT_GE(rect[0], 0);
    EXPECT_GE(rect[1], 0);
    EXPECT_LE(rect[0] + rect[2], 800) << line;
    EXPECT_LE(rect[1] + rect[3], 600) << line;
}

TEST(ClosingScreen, ConfigFollowsTheScreensFormatAndNamesExistingFiles) {
    const std::vector<std::string> lines = Lines(GeneratedRoot() / "wdata/config.ini");
    ASSERT_GE(lines.size(), 2u);
    const int buttons = Numbers(lines[0]).at(0);
    ASSERT_GE(buttons, 1);
    const size_t expected = 2 + 5 * (buttons - 1) + 6 + 5;
    ASSERT_EQ(lines.size(), expected);
    ExpectFile(lines[1]);
    size_t at = 2;
    for (int link = 0; link < buttons - 1; ++link) {
        ExpectRect(lines[at++]);
        ExpectRect(lines[at++]);
        for (int file = 0; file < 3; ++file) ExpectFile(lines[at++]);
    }
    for (int rect = 0; rect < 3; ++rect) ExpectRect(lines[at++]);
    for (int file = 0; file < 3; ++file) ExpectFile(lines[at++]);
    EXPECT_EQ(Numbers(lines[at++]).size(), 2u);
    EXPECT_GT(Numbers(lines[at++]).at(0), 0);
    const std::vector<int> colour = Numbers(lines[at++]);
    ASSERT_EQ(colour.size(), 3u);
    for (int c : colour) EXPECT_LE(c, 255);
    EXPECT_EQ(lines[at++], "TRUE");
    EXPECT_GT(Numbers(lines[at++]).at(0), 0);
}

TEST(ClosingScreen, LinksAndPlayUrlLeadToThePublishersSite) {
    const assetgen::Bytes shortcut = ReadBytes(GeneratedRoot() / "play.url");
    const std::string text(shortcut.begin(), shortcut.end());
    EXPECT_EQ(text.rfind("[InternetShortcut]\r\nURL=http", 0), 0u) << text;
    const std::string url = text.substr(text.find("URL=") + 4, text.find("\r\n", text.find("URL=")) - text.find("URL=") - 4);
    for (const char* page : {"wdata/site.html", "wdata/more.html"}) {
        const assetgen::Bytes bytes = ReadBytes(GeneratedRoot() / page);
        EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("url=" + url), std::string::npos) << page;
    }
}

}  // namespace
}  // namespace assetgen_test
