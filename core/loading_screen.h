// The loading picture: a full-screen background with a ten-step progress bar.
#pragma once

#include <array>

#include "engine/engine.h"

class LoadingScreen {
public:
    // Makes both sprites and their textures, shows the background and the bar
    // at step 1, and puts the picture on screen.
    void Build(EngineHandle camera);
    // Next progress picture, on screen at once.
    void Advance();
    // Hides the picture and resets the bar to step 1 for the next use.
    void Finish();
    // Shows the picture again at its current step (level loads).
    void Show();

    int Progress() const { return progress_; }

private:
    EngineHandle background_ = 0;
    EngineHandle bar_ = 0;
    std::array<EngineHandle, 10> barTextures_{};
    int progress_ = 1;  // 1..10
};
