// Mesh-based button: two images, hit test and highlight fade.
#include "menus/mesh_flat_button.h"

#include "menus/highlight_fade.h"

void TMeshFlatButton::Build(EngineHandle highlightTexture, EngineHandle baseTexture, int32_t priority) {
    base.Build(baseTexture, priority);
    highlight.Build(highlightTexture, priority + 1);
}

TMeshFlatImage* TMeshFlatButton::Image(int which) {
    if (which == 0) return &base;
    if (which == 1) return &highlight;
    return nullptr;
}

void TMeshFlatButton::SetLocation(int which, double x, double y) {
    if (TMeshFlatImage* image = Image(which)) image->SetLocation(x, y);
}

void TMeshFlatButton::SetScale(int which, double sx, double sy) {
    if (TMeshFlatImage* image = Image(which)) image->SetScale(sx, sy);
}

void TMeshFlatButton::Show() {
    base.Show();
    highlight.Show();
}

void TMeshFlatButton::Hide() {
    base.Hide();
    highlight.Hide();
}

bool TMeshFlatButton::Contains(double x, double y) const { return enabled && OutlineContains(outline, x, y); }

void TMeshFlatButton::UpdateFade() {
    highlight.SetAlpha(NextHighlightAlpha(highlight.alpha, enabled && hovered));
}
