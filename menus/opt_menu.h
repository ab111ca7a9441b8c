// The options screen: video, sound and controls pages on the right half of the main menu,
// with the key captures of its sub-states.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "menus/mesh_flat_button.h"
#include "menus/mesh_flat_image.h"
#include "menus/option_rules.h"

class TOptMenu {
public:
    // What the screen needs from its owner; set once, before Init.
    struct Hooks {
        std::function<void(uint8_t)> openScreen;  // the main menu's OpenScreen(target)
        // Each plays its sound at the settings' volume when not set.
        std::function<void()> playHoverSound;
        std::function<void()> playClickSound;
        // Minimises the game's window before a display re-creation; the platform's when not set.
        std::function<void()> minimizeWindow;
    };

    static constexpr int kItemCount = 18;
    static constexpr int kImageCount = 20;

    uint8_t selection = 1;          // 0..18, 0 none; see the item list in opt_menu_layout.h
    uint8_t page = 0;               // 0 video, 1 sound, 2 controls
    long double slideOffset = 50;   // written by the main menu's transition; 0 at rest, 50 away
    bool restartNeeded = false;     // the last Apply re-created the display
    uint32_t musicKeyTick = 0;      // platform tick (ms) of the last keyboard step per slider
    uint32_t soundKeyTick = 0;
    bool draggingMusic = false;     // a slider is being dragged with the mouse
    bool draggingSound = false;
    bool resolutionArrowRight = false;  // the lit arrow of the resolution row (true: right)
    bool depthArrowRight = false;       // ... of the colour-depth row
    std::array<TMeshFlatImage, kImageCount> images;   // images[i - 1] is image i
    std::array<TMeshFlatButton, kItemCount> buttons;  // buttons[i - 1] is item i

    explicit TOptMenu(Hooks hooks);

    // Build; selection 1, page 0, no restart pending, slid away. Once, at first start.
    void Init();
    // Makes the engine objects on the existing widgets (first start and after the display
    // was re-created), sizes and outlines them, ends any drag, then Show.
    void Build();
    void Show();     // every item and image; Update hides what the page does not use
    void HideAll();  // every item and image
    // The main menu's slide-in has completed: at rest, video page, display row selected.
    void Enter();
    // Every frame in the menu states: enabling, page contents, highlights, places, texts.
    void Update();

    // The keys of AppState 6 and of the capture states 10, 28, 29, 32, 33, 34 this frame
    // (reads iKeyClick, iKeyDown and the millisecond tick itself).
    void KeyStep();
    // One clicked key in the current AppState (6 or a capture state) with the modifiers held.
    void HandleKey(int code, const option_rules::Modifiers& held);
    // Left or Right held on the sound page: one volume step of the selected slider when more
    // than 100 ms have passed since its last step (tickMs: the platform's millisecond tick).
    void StepVolumeKeys(bool leftHeld, bool rightHeld, uint32_t tickMs);
    // Shift, Alt and Ctrl (either of each) held now, read from the engine.
    static option_rules::Modifiers HeldModifiers();

    // The pointer moved to (x, y), menu units, in AppState 6, 28, 29, 32 or 33. Reads the
    // left button's held state to end a drag.
    void Hover(double x, double y);
    // Hover with the button state given: ends a drag when the button is up, moves a slider
    // being dragged, then selects the item under the pointer.
    void PointerMoved(double x, double y, bool leftButtonDown);
    // A left click at (x, y) in the same states: each item under it is selected and acts.
    void Click(double x, double y);

    // The action of an item (1..18): pointerX is the click's x for the resolution and depth
    // rows' arrows and the sliders; keyboard Enter passes nothing.
    void ItemAction(int item, const double* pointerX = nullptr);

    // Writes the edit copy, makes it live and, when a display setting changed, asks the
    // window cycle to re-create the display at once.
    void Apply();
    // The control defaults into the edit copy and the file; shown at the next Apply.
    void Defaults();
    // Writes the live settings and makes the edit copy equal to them.
    void SaveLive();

    // The texts Update prints on the video and controls pages, for the current AppState and
    // the modifiers held (used while the boss key is awaited).
    std::string ResolutionLine() const;
    std::string DepthLine() const;
    std::string KeyLine(int item, const option_rules::Modifiers& held) const;

private:
    void PlayHover();
    void PlayClick();
    void MoveUp();
    void MoveDown();
    void OptionsKey(int code);
    void DrivingCapture(int code, option_rules::DrivingKey row);
    void BoostCapture(int code);
    void BossCapture(int code, const option_rules::Modifiers& held);
    void PlaceAll();
    void ShowPageContents();
    void PrintTexts();
    void SetMenuMusicGain(float gain);

    Hooks hooks_;
};
