// The closing share screen: its description file, pictures, countdown and buttons.
#include "online/share_screen.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "core/frame_timer.h"
#include "core/shared_objects.h"
#include "formats/share_description.h"
#include "online/go_to_link.h"
#include "platform/platform.h"

namespace {

constexpr const char* kDescription = "wdata\\config.ini";
constexpr int kBackgroundPriority = 2;
constexpr long double kTickSeconds = 0.013L;

bool Exists(const std::string& programPath) { return platform::FileExists(platform::ResolvePath(programPath)); }

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
    const formats::ShareDescription description = formats::ReadShareDescription(text, Exists);
    usable = description.usable;
    buttonCount = description.buttonCount;
    backgroundPath = description.backgroundPath;
    buttons.clear();
    for (const formats::ShareButtonLines& lines : description.buttons) {
        TButton button;
        button.hoverRect = lines.hoverRect;
        button.normalRect = lines.normalRect;
        button.waitRect = lines.waitRect;
        button.hoverPath = lines.hoverPath;
        button.normalPath = lines.normalPath;
        button.waitPath = lines.waitPath;
        button.target = lines.target;
        button.ready = !button.IsExit();
        buttons.push_back(std::move(button));
    }
    textX = description.textX;
    textY = description.textY;
    countdown = description.countdown;
    textColour = description.textColour;
    textSizeGiven = description.textSizeGiven;
    textSize = description.textSize;
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
