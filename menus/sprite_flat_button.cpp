// Sprite-based button: two images, hit test and highlight fade.
#include "menus/sprite_flat_button.h"

#include "menus/highlight_fade.h"

void TSpriteFlatButton::Build(EngineHandle highlightTexture, EngineHandle baseTexture) {
    base.Build(baseTexture);
    highlight.Build(highlightTexture);
}

TSpriteFlatImage* TSpriteFlatButton::Image(int which) {
    if (which == 0) return &base;
    if (which == 1) return &highlight;
    return nullptr;
}

void TSpriteFlatButton::SetLocation(int which, double x, double y) {
    if (TSpriteFlatImage* image = Image(which)) image->SetLocation(x, y);
}

void TSpriteFlatButton::SetScale(int which, double sx, double sy) {
    if (TSpriteFlatImage* image = Image(which)) image->SetScale(sx, sy);
}

void TSpriteFlatButton::Show() {
    base.Show();
    highlight.Show();
}

void TSpriteFlatButton::Hide() {
    base.Hide();
    highlight.Hide();
}

bool TSpriteFlatButton::Contains(double x, double y) const { return enabled && OutlineContains(outline, x, y); }

void TSpriteFlatButton::UpdateFade() {
    highlight.SetAlpha(NextHighlightAlpha(highlight.alpha, enabled && hovered));
}
