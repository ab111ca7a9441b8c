// Shared building, placing and selection of the side panels' widgets.
#include "menus/side_panel.h"

#include "core/effect_sound.h"
#include "core/pack_texture.h"
#include "core/shared_objects.h"

void BuildPanelButton(TMeshFlatButton& button, const char* pack, const PanelButton& layout, int32_t priority) {
    button.hovered = false;
    button.Build(LoadPackTexture(pack, layout.highlightEntry), LoadPackTexture(pack, layout.baseEntry), priority);
    for (int which = 0; which < 2; ++which) button.SetScale(which, layout.width, layout.height);
    button.outline = RectangleOutline(layout.left, layout.top, layout.right, layout.bottom);
    button.name = layout.name;
}

void BuildPanelImage(TMeshFlatImage& image, EngineHandle texture, int32_t priority, const PanelImage& layout) {
    image.Build(texture, priority);
    image.SetScale(layout.width, layout.height);
}

void PlacePanelButton(TMeshFlatButton& button, const PanelButton& layout, double shift) {
    for (int which = 0; which < 2; ++which) button.SetLocation(which, layout.centreX + shift, layout.centreY);
}

void PlacePanelImage(TMeshFlatImage& image, const PanelImage& layout, double shift) {
    image.SetLocation(layout.centreX + shift, layout.centreY);
}

void StepPanelButtons(std::span<TMeshFlatButton> buttons, uint8_t selection, bool resting) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        TMeshFlatButton& button = buttons[i];
        button.enabled = resting;
        if (i + 1 == selection) {
            button.SetHovered();
        } else {
            button.ClearHovered();
        }
        button.UpdateFade();
    }
}

void HoverPanelButtons(std::span<TMeshFlatButton> buttons, double x, double y, uint8_t& selection) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (!buttons[i].Contains(x, y)) continue;
        const auto index = static_cast<uint8_t>(i + 1);
        if (index != selection) PlayHoverSound();
        selection = index;
    }
}

void ClickPanelButtons(std::span<TMeshFlatButton> buttons, double x, double y, uint8_t& selection,
                       const std::function<void(uint8_t)>& action) {
    for (size_t i = 0; i < buttons.size(); ++i) {
        if (!buttons[i].Contains(x, y)) continue;
        const auto index = static_cast<uint8_t>(i + 1);
        PlayClickSound();
        selection = index;
        action(index);
    }
}

void PlayHoverSound() { PlayEffectSound(Shared.HoverSound); }

void PlayClickSound() { PlayEffectSound(Shared.ClickSound); }
