// Hover and click dispatch by AppState.
#include "core/pointer_dispatch.h"

#include <cmath>

#include "core/app_state.h"
#include "core/frame_timer.h"
#include "engine/engine.h"

namespace {
// The cursor picture's hot spot is its top-left corner; the sprite is placed by its centre.
constexpr long double kCursorOffsetX = 0.7L;
constexpr long double kCursorOffsetY = -0.4L;
// A stored position beyond this is garbage from an earlier mapping and is forgotten.
constexpr long double kPreviousLimit = 1000;
}  // namespace

PointerDispatch::Input PointerDispatch::LiveInput() {
    return {ReadMenuPointer, [] { return iMouseButtonClick(0) != 0; }};
}

PointerDispatch::PointerDispatch(CursorSprite& cursor, const ScreenTable& screens, Input input)
    : cursor_(cursor), screens_(screens), input_(std::move(input)) {}

void PointerDispatch::SetMainMenuHandlers(Handler hover, Handler click) {
    mainMenuHover_ = std::move(hover);
    mainMenuClick_ = std::move(click);
}

bool PointerDispatch::TakesMainMenuButtons(uint8_t state) {
    return InMenuStates(state) && state != StateExitConfirm && state != StateClearRecordsConfirm;
}

void PointerDispatch::HoverStep() {
    cursor_.Animate(0.013L * FrameScale);
    const std::optional<MenuPoint> point = input_.position ? input_.position() : std::nullopt;
    if (!point) return;
    cursor_.PlaceAt(point->x, point->y);

    if (std::fabs(previous_.x) > kPreviousLimit) previous_.x = 0;
    if (std::fabs(previous_.y) > kPreviousLimit) previous_.y = 0;
    if (point->x == previous_.x && point->y == previous_.y) return;

    if (TakesMainMenuButtons(AppState) && mainMenuHover_) mainMenuHover_(point->x, point->y);
    screens_.Hover(AppState, point->x, point->y);
    previous_ = *point;
}

void PointerDispatch::ClickStep() {
    const std::optional<MenuPoint> point = input_.position ? input_.position() : std::nullopt;
    if (!point) return;
    cursor_.PlaceAt(point->x + kCursorOffsetX, point->y + kCursorOffsetY);

    if (!input_.leftClick || !input_.leftClick()) return;
    if (TakesMainMenuButtons(AppState) && mainMenuClick_) mainMenuClick_(point->x, point->y);
    screens_.Click(AppState, point->x, point->y);
}
