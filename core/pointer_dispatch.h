// The pointer's hover and click steps of the run step: the cursor sprite, then the
// main menu's buttons, then the handler the screens' owner registered for AppState.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/cursor_sprite.h"
#include "core/pointer_position.h"

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

    explicit PointerDispatch(CursorSprite& cursor, Input input = LiveInput());

    // The screens' owner registers one hover and one click handler per AppState
    // (for example the name entry's for 19, 20 and 21); a state without one does nothing.
    void SetHoverHandler(uint8_t state, Handler handler);
    void SetClickHandler(uint8_t state, Handler handler);
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
    Input input_;
    std::array<Handler, 256> hover_{};
    std::array<Handler, 256> click_{};
    Handler mainMenuHover_;
    Handler mainMenuClick_;
    MenuPoint previous_{};  // the pointer at the last hover step that saw it
};
