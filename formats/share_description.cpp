// Reading the closing share screen's description.
#include "formats/share_description.h"

#include <charconv>
#include <optional>

namespace formats {
namespace {

std::optional<int32_t> ParseInt(std::string_view run) {
    if (!run.empty() && run.front() == '+') run.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(run.data(), run.data() + run.size(), value);
    if (run.empty() || error != std::errc() || end != run.data() + run.size()) return std::nullopt;
    return value;
}

// The description's lines, read in order; the first fault makes the rest read as nothing.
class LineReader {
public:
    LineReader(std::string_view text, const std::function<bool(const std::string&)>& exists, bool& usable)
        : rest_(text), exists_(exists), usable_(usable) {}

    // One line with its leading spaces removed; nothing at the end of the text or once
    // the description is unusable (which it then becomes).
    std::optional<std::string> NextLine() {
        if (!usable_ || rest_.empty()) {
            usable_ = false;
            return std::nullopt;
        }
        const size_t end = rest_.find('\n');
        std::string line(rest_.substr(0, end));
        rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t first = line.find_first_not_of(' ');
        line.erase(0, first == std::string::npos ? line.size() : first);
        return line;
    }

    // `count` numbers separated by exactly one space; a missing or malformed one reads 0
    // and makes the description unusable.
    std::vector<int32_t> Numbers(size_t count) {
        std::vector<int32_t> numbers(count, 0);
        const std::optional<std::string> line = NextLine();
        if (!line) return numbers;
        if (line->empty()) {
            usable_ = false;
            return numbers;
        }
        std::string_view rest = *line;
        for (size_t i = 0; i < count; ++i) {
            const size_t space = rest.find(' ');
            const std::optional<int32_t> value = ParseInt(rest.substr(0, space));
            if (!value) {
                usable_ = false;
                return numbers;
            }
            numbers[i] = *value;
            rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
        }
        return numbers;
    }

    LayoutRect Rect() {
        const std::vector<int32_t> n = Numbers(4);  // left, top, width, height
        return LayoutRect{n[0], n[1], n[3], n[2]};
    }

    // A picture path or link target: empty or naming no file makes the description unusable.
    std::string Path() {
        const std::optional<std::string> line = NextLine();
        if (!line) return {};
        if (line->empty() || !exists_(*line)) usable_ = false;
        return *line;
    }

private:
    std::string_view rest_;
    const std::function<bool(const std::string&)>& exists_;
    bool& usable_;
};

}  // namespace

ShareDescription ReadShareDescription(std::string_view text, const std::function<bool(const std::string&)>& exists) {
    ShareDescription d;
    LineReader lines(text, exists, d.usable);
    d.buttonCount = lines.Numbers(1)[0];
    // There is always an exit button, and a count beyond the file's lines is a short file.
    if (d.buttonCount < 1) d.usable = false;
    d.backgroundPath = lines.Path();
    for (int32_t i = 1; i <= d.buttonCount && d.usable; ++i) {
        ShareButtonLines button;
        button.hoverRect = lines.Rect();
        button.normalRect = lines.Rect();
        if (i < d.buttonCount) {
            button.waitRect = button.normalRect;
            button.normalPath = lines.Path();
            button.hoverPath = lines.Path();
            button.waitPath = button.normalPath;
            button.target = lines.Path();
        } else {
            button.waitRect = lines.Rect();
            button.normalPath = lines.Path();
            button.hoverPath = lines.Path();
            button.waitPath = lines.Path();
            button.target = "exit";
        }
        d.buttons.push_back(std::move(button));
    }
    const std::vector<int32_t> position = lines.Numbers(2);
    d.textX = position[0];
    d.textY = position[1];
    d.countdown = lines.Numbers(1)[0];
    const std::vector<int32_t> colour = lines.Numbers(3);
    d.textColour = static_cast<uint32_t>(colour[0] & 0xFF) | static_cast<uint32_t>(colour[1] & 0xFF) << 8 |
                   static_cast<uint32_t>(colour[2] & 0xFF) << 16;
    const std::optional<std::string> word = lines.NextLine();
    d.textSizeGiven = word && *word == "TRUE";
    if (d.textSizeGiven) d.textSize = lines.Numbers(1)[0];
    if (!d.textSizeGiven && !d.buttons.empty()) d.textSize = static_cast<int32_t>(d.buttons.back().normalRect.height * 0.4);
    return d;
}

}  // namespace formats
