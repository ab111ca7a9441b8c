// The engine: the only door from the game to drawing, input and (later) physics and sound.
//
// Conventions every function keeps:
// - Objects are EngineHandle values; 0 means none. Every function accepts 0 and
//   handles of objects that no longer exist, and then does nothing (getters
//   return zeros). Handles carry a generation, so a stale one is never reused.
// - Failed loads (missing or damaged files) return 0 and write one line to the
//   engine's log (stderr); they never stop the program.
// - Paths are program paths as the game writes them ("data\\Sprite.x"); the
//   platform resolves them (platform::ResolvePath).
// - Space is left-handed: +x right, +y up, +z forward. Angles are degrees.
//   Euler orientations are applied in the order "xyz"; a yaw of t about y maps
//   +x to (cos t, 0, -sin t).
// - The picture is 4:3. At other window shapes it is centred with bars, so the
//   screen overlay and the pointer fractions always refer to the 4:3 picture.
// - Screen overlay (sprites and texts): x from -16 (left) to +16 (right), y from
//   -12 (bottom) to +12 (top), whatever the window size.
// - Flags and booleans are int: 0 false, non-zero (usually -1) true.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/platform.h"

using EngineHandle = int32_t;

struct Vec2 { float x = 0, y = 0; };
struct Vec3 { float x = 0, y = 0, z = 0; };
struct Quaternion { float x = 0, y = 0, z = 0, w = 1; };  // unit rotation; (0, 0, 0, 1) is none

// ---- Lifecycle and status ---------------------------------------------------
// A frame: iEngineMain measures it and decides the phases; the program then runs
// iEngineInitBegin..End (only right after opening), iEngineRunBegin..End (logic)
// and iEngineRender (draw the 3D scene, then sprites, then this frame's texts,
// and present).
int iEngineOpen(platform::WindowHandle window, int reserved);  // non-zero on success
// Six int32: 0, 0, display mode code (width x height x bits), engine option
// (0 or 2: 2 turns on 4x multisampling), full screen (-1) or windowed (0), unused.
// Windowed gives an 800 x 600 client area. A full-screen mode the display lacks
// falls back to the nearest one it has (SDL_GetClosestDisplayMode).
int iEngineSettings(const int32_t* block);
void iEngineMain();
void iEngineInitBegin();
void iEngineInitEnd();
void iEngineRunBegin();
void iEngineRunEnd();   // ends the frame's input: clicks and key presses are consumed
void iEngineRender();
void iEngineExitBegin();
void iEngineExitEnd();
void iEngineClose();    // ends every engine object; after a re-open the program rebuilds
int iEngineIsActive();            // the window has not been minimised
int iEngineIsExecuting();         // iEngineMain decided to run this frame's phases
int iEngineIsInitializing();      // this is the first frame after iEngineOpen
int iEngineIsReady();             // open, with a drawing context
int iEngineIsRendering();         // the frame loop should go on
void iEngineIsRenderingSet(int rendering);
int iEngineIsSkippingRunPhase();
int iEngineIsSkippingRenderPhase();
int iEngineErrorFlag();
void iEngineErrorFlagSet(int flag);
void iExit();                     // stop rendering: the frame loop ends
void iEscEnable(int enabled);     // when on, Escape calls iExit
int iDisplayMode();               // above 0 in full screen (the mode's width), 0 windowed
void iScreenWipe(float r, float g, float b);  // fills the window (bars too) with a colour and presents
void iRender();                   // draws (with the texts printed so far) and presents at once (loading screens)
float iFrq();                     // the last frame's duration, seconds
float iSystemTimer();             // seconds since the engine opened
// For textures made after: 1 a single level, clamped at the edges (menu pictures:
// crisp, no seams); 0 a full mip chain, repeating (tiled surfaces); n > 1 at most n levels.
void iTextureMipLevelsSet(int levels);
void iBoundingSphereCollisionCheckSet(int on); // cull meshes whose bounding sphere is off screen

// ---- Camera, light, sky -----------------------------------------------------
// Vertical field of view 60 degrees, near 0.5, far 10000. The viewport is given
// as fractions of the picture (x, y from its top-left corner, width, height).
// A new camera stands at the origin looking along +z with +y up. Every camera
// draws the 3D scene into its viewport, oldest camera first.
EngineHandle iCameraCreate(float x, float y, float width, float height);
Vec3 iCameraLocation(EngineHandle camera);
void iCameraLocationSet(EngineHandle camera, const Vec3& location);
// Turns the camera towards target; blend 1 turns fully, 0.5 half way.
void iCameraLookAt(EngineHandle camera, const Vec3& target, float blend);
Quaternion iCameraOrientation(EngineHandle camera);
void iCameraOrientationSet(EngineHandle camera, const Quaternion& orientation);
void iCameraEulerOrientationSet(EngineHandle camera, float rx, float ry, float rz, const char* order);
void iListenerCameraSet(EngineHandle camera);  // 3D sound is heard from this camera
// One directional light: direction the light travels; colour r, g, b and an
// ambient share in a (0.4: faces turned away keep 40 % of the colour). Until it is
// set, and for model parts without normals (flat menu quads), meshes are unlit.
void iLightDirectionalSet(const Vec3* direction, const float* color);
EngineHandle iSkyBoxCreate(const char* file);  // ".sky": six face images (formats/sky_box_file.h)
void iSkyBoxShow(EngineHandle skyBox);

// ---- Textures and meshes ----------------------------------------------------
EngineHandle iTextureCreate(const char* file);  // PNG, JPG, DDS (uncompressed RGBA)
// Decodes an image held in memory (PNG, JPG, DDS); serial is unique per call.
EngineHandle iTextureCreateFromMemory(const void* data, uint32_t size, int32_t serial);
// Meshes keep each part's material colour (diffuse, with its alpha) and picture
// (a file beside the model); iMeshTextureSet replaces the picture of every part.
// A model file is read once and shared by every mesh and sprite made from it.
EngineHandle iMeshCreate(const char* file);                 // every part of a ".x" file as one mesh
EngineHandle iMeshPartCreate(const char* file, int index);  // the index-th mesh of the file
void iMeshTextureSet(EngineHandle mesh, EngineHandle texture);
void iMeshLocationSet(EngineHandle mesh, const Vec3& location);
void iMeshScaleSet(EngineHandle mesh, float x, float y, float z);
void iMeshEulerOrientationSet(EngineHandle mesh, float rx, float ry, float rz, const char* order);
// Blend factors in the classic numbering: 5 source alpha, 6 one minus source
// alpha, 1 zero, 2 one. (5, 6, -1, 0) is plain alpha blending without depth writes.
void iMeshRenderModeSet(EngineHandle mesh, int source, int destination, int reserved, int flags);
void iMeshRenderPrioritySet(EngineHandle mesh, int priority);  // higher draws later
void iMeshZBiasSet(EngineHandle mesh, float bias);             // pulls the mesh towards the camera in depth tests
void iMeshAlphaSet(EngineHandle mesh, float alpha);            // 0..1; below 1 blends even in the opaque mode
void iMeshShow(EngineHandle mesh);  // meshes draw in priority order; blended ones do not write depth
void iMeshHide(EngineHandle mesh);  // meshes are created hidden

// ---- Sprites and text (the screen overlay) ----------------------------------
// A sprite is the quad of its ".x" file (data\sprite.x: 1.6 x 1.6 units) drawn in
// overlay space after the 3D scene, in priority order (higher on top), created hidden.
EngineHandle iSpriteCreate(const char* file, EngineHandle camera);
void iSpriteTextureSet(EngineHandle sprite, EngineHandle texture);
void iSpriteLocationSet(EngineHandle sprite, const Vec2& location);  // centre, overlay units
void iSpriteScaleSet(EngineHandle sprite, const Vec2& scale);        // (20, 15) fills the screen
void iSpriteColorSet(EngineHandle sprite, float r, float g, float b, float a);  // multiplies the picture; a blends
void iSpritePrioritySet(EngineHandle sprite, int priority);
void iSpriteShow(EngineHandle sprite);
void iSpriteHide(EngineHandle sprite);
EngineHandle iFontCreate(const char* file, EngineHandle camera);  // ".wid" bitmap font (formats/wid_font.h)
// Draws text in this frame only, over every sprite. location: left end of the
// line's vertical middle; size: em width and height in overlay units; spacing:
// extra advance per character (a digit half an em wide at size 0.5 and spacing
// 0.1 advances 0.35). Texts end with iEngineRender and when iEngineMain starts a frame.
void iPrint(const char* text, const Vec2& location, const Vec2& size, float spacing, EngineHandle font);
void iPrintColorSet(float r, float g, float b, float a);  // for the prints that follow
void iPrintsHide();  // drops the texts printed so far in this frame

// ---- Maths --------------------------------------------------------------------
float iVectorLength(const Vec3& v);
Vec3 iVectorLengthSet(const Vec3& v, float length);  // same direction; zero stays zero
Vec3 iVectorRotate(const Vec3& v, const Quaternion& q);
Quaternion iQuaternionFromAxisAngle(const Vec3& axis, float degrees);
void iQuaternionToAxisAngle(const Quaternion& q, Vec3* axis, float* degrees);
// The orientation whose +z looks along direction, with up (nullptr: +y) kept upward.
Quaternion iQuaternionLookAt(const Vec3& direction, const Vec3* up);
Quaternion iQuaternionInterpolate(const Quaternion& from, const Quaternion& to, float t);  // slerp
// Maps x from [x0, x1] onto [y0, y1] linearly; clamp non-zero holds it to the ends.
float iFloatInterpolate(float x, float x0, float x1, float y0, float y1, int clamp);

// ---- Input ----------------------------------------------------------------------
// Keys are classic PC scan codes: 1 Esc, 2..11 digits, 14 Backspace, 15 Tab,
// 16..25 Q..P, 28 Enter, 29 left Ctrl, 30..38 A..L, 42 left Shift, 44..50 Z..M,
// 54 right Shift, 56 left Alt, 57 Space, 59..68 F1..F10, 87 F11, 88 F12,
// 157 right Ctrl, 184 right Alt, 197 Pause, 200 Up, 203 Left, 205 Right, 208 Down.
int iKeyDown(int code);           // held now
int iKeyClick(int code);          // pressed since the previous frame
float iMouseX();                  // 0..1 across the picture, left to right
float iMouseY();                  // 0..1 down the picture, top to bottom
int iMouseButtonDown(int button); // 0 left, 1 right
int iMouseButtonClick(int button);
void iMouseResolutionSet(int pixels);  // pointer fractions are quantised to this many steps; 0 not at all

// ---- Tools and tests only -------------------------------------------------------
// Writes the last presented picture (the 4:3 picture, without bars) to a PNG file
// at a real file-system path. Returns non-zero on success.
int iFrameCapture(const char* pngPath);
// Observers for the headless runner: every engine log line (also written to
// stderr), and every presented picture ("render" for iRender, "frame" for
// iEngineRender). Pass an empty function to remove.
void iLogObserverSet(std::function<void(const char* line)> observer);
void iPresentObserverSet(std::function<void(const char* what)> observer);
