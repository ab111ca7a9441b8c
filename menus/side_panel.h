// What the side panels beside the main menu share: layout rows, building and placing their
// widgets by the slide offset, the per-frame selection, and the pointer's selection protocol.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "engine/engine.h"
#include "menus/mesh_flat_button.h"
#include "menus/mesh_flat_image.h"

// One button of a panel, in menu units. The images slide; the outline stays in place.
struct PanelButton {
    const char* name;
    uint16_t baseEntry, highlightEntry;  // entries of the panel's pack file
    double width, height;
    double centreX, centreY;  // resting centre
    double left, right, top, bottom;  // outline
};

// One image of a panel, in menu units.
struct PanelImage {
    double width, height;
    double centreX, centreY;  // resting centre
};

// How much further right a panel is drawn for a slide offset (0 at rest, 50 fully away).
inline double SlideShift(long double slideOffset) { return static_cast<double>(0.4L * slideOffset); }

// hovered false; both images built from entries of `pack` at `priority` (the highlight one
// above), sized; the outline and the name set. The images are neither placed nor shown.
void BuildPanelButton(TMeshFlatButton& button, const char* pack, const PanelButton& layout, int32_t priority);
// Built with the texture at `priority` and sized; neither placed nor shown.
void BuildPanelImage(TMeshFlatImage& image, EngineHandle texture, int32_t priority, const PanelImage& layout);

// Both images of the button, or the image, at the resting centre moved `shift` to the right.
void PlacePanelButton(TMeshFlatButton& button, const PanelButton& layout, double shift);
void PlacePanelImage(TMeshFlatImage& image, const PanelImage& layout, double shift);

// The buttons of a panel for one frame: enabled only while the panel rests, button
// `selection` (1-based) hovered and the others not, one highlight fade step each.
void StepPanelButtons(std::span<TMeshFlatButton> buttons, uint8_t selection, bool resting);

// Hover: each button containing the pointer, in index order, becomes the selection, with
// HoverSound when that changes it (the last containing button wins).
void HoverPanelButtons(std::span<TMeshFlatButton> buttons, double x, double y, uint8_t& selection);
// Click: each button containing the pointer, in index order, plays ClickSound, becomes the
// selection and runs `action` with its index (1-based).
void ClickPanelButtons(std::span<TMeshFlatButton> buttons, double x, double y, uint8_t& selection,
                       const std::function<void(uint8_t)>& action);

// The two menu sounds at the settings' effect volume.
void PlayHoverSound();
void PlayClickSound();
