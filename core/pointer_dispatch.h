// The pointer's hover and click steps of the run step: the cursor sprite, then the
// main menu's buttons, then the screen of the current AppState in the screen table.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "core/cursor_sprite.h"
#include "core/pointer_position.h"
#include "core/screen_table.h"

class PointerDispatch {
public:
    // A screen's reaction to the pointer at (x, y) in menu units.
    using Handler = std::function<void(long double x, long double y)>;

    // Where the pointer and the left button are read from. The defaults read the
    // live pointer (ReadMenuPointer) and iMouseButtonClick(0); tests put their own.
    struct Input {
        std::function<std::optional<MenuPoint>()> position;  // nothing: the pointer is absent
        std::function<bool()> leftClick;                       // the left button was clicked this frame
    };
    static Input LiveInput();

    // `screens` must outlive the dispatch; a state without a row or hook does nothing.
    PointerDispatch(CursorSprite& cursor, const ScreenTable& screens, Input input = LiveInput());

    // The main menu's buttons, tried before the state's handler in every menu state
    // except the two questions (11, 13): selection on hover, activation on click.
    void SetMainMenuHandlers(Handler hover, Handler click);

    // Once per frame that takes input, before ClickStep. Animates the cursor by the
    // frame's seconds, places it at the pointer and, only when the pointer moved since
    // the last hover (exact comparison), hands it to the main menu and to the screen.
    void HoverStep();
    // Places the cursor at the pointer plus (0.7, -0.4), where it is drawn; on a left
    // click hands the pointer to the main menu and then to the screen of the AppState
    // current after that (a main-menu click may have changed it).
    void ClickStep();

    MenuPoint Previous() const { return previous_; }

private:
    static bool TakesMainMenuButtons(uint8_t state);

    CursorSprite& cursor_;
    const ScreenTable& screens_;
    Input input_;
    Handler mainMenuHover_;
    Handler mainMenuClick_;
    MenuPoint previous_{};  // the pointer at the last hover step that saw it
};
