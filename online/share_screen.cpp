// The closing share screen: its description file, pictures, countdown and buttons.
#include "online/share_screen.h"

#include <charconv>
#include <cmath>
#include <fstream>

#include "core/frame_timer.h"
#include "core/shared_objects.h"
#include "online/go_to_link.h"
#include "platform/platform.h"

namespace {

constexpr const char* kDescription = "wdata\\config.ini";
constexpr int kBackgroundPriority = 2;
constexpr long double kTickSeconds = 0.013L;

bool Exists(const std::string& programPath) { return platform::FileExists(platform::ResolvePath(programPath)); }

std::optional<int32_t> ParseInt(std::string_view run) {
    if (!run.empty() && run.front() == '+') run.remove_prefix(1);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(run.data(), run.data() + run.size(), value);
    if (run.empty() || error != std::errc() || end != run.data() + run.size()) return std::nullopt;
    return value;
}

}  // namespace

void TShareScreen::Load() {
    std::ifstream file(platform::ResolvePath(kDescription), std::ios::binary);
    if (!file) {
        usable = false;
        return;
    }
    std::ostringstream text;
    text << file.rdbuf();
    Read(text.str());
    if (usable) Build();
}

void TShareScreen::Read(const std::string& text) {
    lines_.clear();
    lines_.str(text);
    const std::vector<int32_t> count = ReadNumbers(1);
    buttonCount = count[0];
    // There is always an exit button, and a count beyond the file's lines is a short file.
    if (buttonCount < 1) usable = false;
    backgroundPath = ReadPath();
    ReadButtons();

    const std::vector<int32_t> position = ReadNumbers(2);
    textX = position[0];
    textY = position[1];
    countdown = ReadNumbers(1)[0];
    const std::vector<int32_t> colour = ReadNumbers(3);
    textColour = static_cast<uint32_t>(colour[0] & 0xFF) | static_cast<uint32_t>(colour[1] & 0xFF) << 8 |
                 static_cast<uint32_t>(colour[2] & 0xFF) << 16;
    const std::optional<std::string> word = NextLine();
    textSizeGiven = word && *word == "TRUE";
    if (textSizeGiven) textSize = ReadNumbers(1)[0];
    if (!textSizeGiven && !buttons.empty()) textSize = static_cast<int32_t>(buttons.back().normalRect.height * 0.4);
}

void TShareScreen::ReadButtons() {
    for (int32_t i = 1; i <= buttonCount && usable; ++i) {
        TButton button;
        button.hoverRect = ReadRect();
        button.normalRect = ReadRect();
        if (i < buttonCount) {
            button.waitRect = button.normalRect;
            button.normalPath = ReadPath();
            button.hoverPath = ReadPath();
            button.waitPath = button.normalPath;
            button.target = ReadPath();
        } else {
            button.waitRect = ReadRect();
            button.normalPath = ReadPath();
            button.hoverPath = ReadPath();
            button.waitPath = ReadPath();
            button.target = "exit";
        }
        button.ready = !button.IsExit();
        buttons.push_back(std::move(button));
    }
}

std::optional<std::string> TShareScreen::NextLine() {
    std::string line;
    if (!usable || !std::getline(lines_, line)) {
        usable = false;
        return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t first = line.find_first_not_of(' ');
    line.erase(0, first == std::string::npos ? line.size() : first);
    return line;
}

std::vector<int32_t> TShareScreen::ReadNumbers(size_t count) {
    std::vector<int32_t> numbers(count, 0);
    const std::optional<std::string> line = NextLine();
    if (!line) return numbers;
    if (line->empty()) {
        usable = false;
        return numbers;
    }
    std::string_view rest = *line;
    for (size_t i = 0; i < count; ++i) {
        const size_t space = rest.find(' ');
        const std::optional<int32_t> value = ParseInt(rest.substr(0, space));
        if (!value) {
            usable = false;
            return numbers;
        }
        numbers[i] = *value;
        rest = space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    }
    return numbers;
}

LayoutRect TShareScreen::ReadRect() {
    const std::vector<int32_t> n = ReadNumbers(4);  // left, top, width, height
    return LayoutRect{n[0], n[1], n[3], n[2]};
}

std::string TShareScreen::ReadPath() {
    const std::optional<std::string> line = NextLine();
    if (!line) return {};
    if (line->empty() || !Exists(*line)) usable = false;
    return *line;
}

void TShareScreen::Build() {
    background = iMeshCreate("data\\Sprite.x");
    iMeshTextureSet(background, iTextureCreate(backgroundPath.c_str()));
    iMeshLocationSet(background, {0, 10, 6});
    iMeshScaleSet(background, 5.77f, 4.3275f, 0);
    iMeshRenderPrioritySet(background, kBackgroundPriority);
    for (TButton& button : buttons) button.Build();
}

void TShareScreen::Hover(const std::optional<MenuPoint>& pointer) {
    if (!usable) {
        iExit();
        return;
    }
    if (!pointer) return;
    const int px = static_cast<int>((pointer->x + 16) / 32 * 800);
    const int py = static_cast<int>((12 - pointer->y) / 24 * 600);
    for (TButton& button : buttons) button.TestPointer(px, py);
}

void TShareScreen::Update() {
    if (!usable) return;
    if (iMouseButtonClick(0) != 0) {
        for (const TButton& button : buttons) {
            if (!button.hovered) continue;
            // The exit button acts exactly when it shows itself usable (a countdown of 0
            // in the file included).
            if (!button.IsExit()) {
                GoToLink(button.target);
            } else if (button.ready) {
                iExit();
            }
        }
    }
    iMeshShow(background);
    for (const TButton& button : buttons) button.ShowPicture();
    if (countdown > 0) countdown -= kTickSeconds * FrameScale;

    const auto shown = static_cast<int64_t>(std::trunc(countdown + 1));
    if (countdown <= 0) {
        for (TButton& button : buttons) {
            if (button.IsExit()) button.ready = true;
        }
        return;
    }
    iPrintColorSet(static_cast<float>(textColour & 0xFF) / 256, static_cast<float>(textColour >> 8 & 0xFF) / 256,
                   static_cast<float>(textColour >> 16 & 0xFF) / 256, 1.0f);
    const float size = static_cast<float>(textSize) * 0.06f;
    iPrint(std::to_string(shown).c_str(),
           Vec2{static_cast<float>(textX) * 0.04f - 16, 12.2f - static_cast<float>(textY) * 0.04f}, Vec2{size, size},
           2.0f, Shared.Fonts[0]);
}
