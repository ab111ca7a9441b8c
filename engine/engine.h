// The engine: the only door from the game to drawing, input, physics, effects and sound.
//
// Conventions every function keeps:
// - Objects are EngineHandle values; 0 means none. Every function accepts 0,
//   handles of objects that no longer exist and handles of another kind of
//   object, and then does nothing (getters return zeros). A handle names its
//   kind and a generation: a handle value is given out at most once in a run,
//   across every opening (engine/handle_pool.h), so a stale handle never
//   reaches a newer object. At most 65 535 objects of one kind live at once.
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
// falls back to the nearest one it has (the same size, else the smallest larger
// one, else the largest smaller one); with none, or full screen refused, a window.
// iDisplayMode then tells what was given.
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
// Reads a model file and its pictures into the shared models now, so that meshes made of it
// later do not wait for the reading: -1 when it is ready, 0 when it cannot be read. A damaged
// file is logged once, as a mesh's creation would; a missing one is left for that creation to log.
int iModelPreload(const char* file);
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
// A mesh that follows a body, drawn as a shadow on the table top (y = -50, where
// every track stands): flattened onto it along the light's direction (straight
// down while no light is set or the light falls flatter than 45 degrees from the
// horizontal), darkening what lies there by half, fading linearly as the body's
// origin rises, to nothing at fadeHeight units above the table. Overlapping
// shadows darken only once; solid things drawn over the table hide it. Created
// hidden; shown and hidden with iMeshShow and iMeshHide, scaled with iMeshScaleSet.
EngineHandle iMeshBodyShadowCasterCreate(const char* file, EngineHandle body, float fadeHeight);

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

// ---- Physics --------------------------------------------------------------------
// The world:
// - World gravity is zero: the program applies its own gravity each frame.
// - Only bodies joined by a body pair touch; every other two bodies pass through
//   each other. A pair carries its contact parameters.
// - The simulation advances in fixed steps (iSimulationFrqSet): each frame the
//   engine runs as many steps as real time needs, at most 10 after a stall; a
//   step of 0 freezes everything.
// - Forces and accelerations given in a run step act on every simulation step
//   until the next run step, so the program's gravity does not depend on the
//   frame rate.
// Units: lengths in world units, mass in the units the program passes, time in
// seconds, angles in degrees. Every function accepts 0 and stale handles and then
// does nothing (getters return zeros and identity orientations).

// Simulation:
void iSimulationFrqSet(float stepSeconds);  // fixed step in seconds; 0 (or less) freezes the world

// Bodies:
// A static triangle mesh from a ".ply" file (world units, relative to the body's
// origin). A triangle (a, b, c) is solid on the side away from (b - a) x (c - a),
// so that cross product must point out of the solid. It never moves by itself;
// iBodyLocationSet and the orientation setters place it.
EngineHandle iBodyCreate(const char* file);
// A body made of the spheres of a ".spg" file ("x y z radius" a line, relative to
// the body's origin). mass is the whole body's mass, shared by the spheres in
// proportion to their volumes; the centre of mass is where that puts it. mass 0
// gives a body that only the program moves.
EngineHandle iBodySGCreate(const char* file, float mass);
// One sphere centred on the body's origin; mass 0: a body only the program moves.
EngineHandle iBodySphereCreate(float radius, float mass);
void iBodyDestroy(EngineHandle body);      // also ends its pairs and the wheels it takes part in
void iBodyEnable(EngineHandle body);       // bodies start enabled
void iBodyDisable(EngineHandle body);      // a disabled body neither moves nor touches anything
void iBodyPhysicsReset(EngineHandle body); // stops it: velocities and this frame's forces become zero
// Velocity damping, per 1/75 s of simulated time: while the body's speed is above
// linearThreshold (units/s), its velocity keeps the fraction linearKeep; while its
// turning speed is above angularThreshold (degrees/s), its angular velocity keeps
// angularKeep. Keep 1 is no damping. Bodies start without damping.
void iBodyDampingSet(EngineHandle body, float linearThreshold, float linearKeep, float angularThreshold,
                     float angularKeep);

// Placement. The location is the body's origin (the origin of its file), not its
// centre of mass. carryWheels non-zero (the program passes -1): moving or turning a
// body moves the wheel bodies hung on it along, keeping their place on it, and a
// wheel body itself goes back to its place on its car (the location given is then
// not used). With 0 only the body itself is placed.
Vec3 iBodyLocation(EngineHandle body);
Vec3 iBodyLocationCM(EngineHandle body);  // the centre of mass in the world
void iBodyLocationSet(EngineHandle body, const Vec3& location, int carryWheels);
Quaternion iBodyOrientation(EngineHandle body);
void iBodyOrientationSet(EngineHandle body, const Quaternion& orientation, int carryWheels);
// Euler angles in degrees applied in the given order ("xyz": x first); a yaw of t
// about y maps +x to (cos t, 0, -sin t). The body turns about its origin.
void iBodyEulerOrientationSet(EngineHandle body, float rx, float ry, float rz, const char* order,
                              int carryWheels);
Vec3 iBodyVelocity(EngineHandle body);  // of the centre of mass, units per second
// A force in world axes at a point given in the body's own axes relative to its
// centre of mass ((0, 0, 0) pushes without turning). Acts on every simulation
// step until the next run step; forces given in the same run step add up.
void iBodyForceApply(EngineHandle body, const Vec3& force, const Vec3& point);
// An acceleration in world axes (units/s^2), whatever the body's mass; lasts like a force.
void iBodyAccelerationApply(EngineHandle body, const Vec3& acceleration);

// Body pairs:
// The only way two bodies touch. Creating a pair for two bodies that already have
// one gives that pair. 0 for a missing body or a body paired with itself.
EngineHandle iBodyBodyCreate(EngineHandle body1, EngineHandle body2);
void iBodyBodyDestroy(EngineHandle pair);
// Friction in hundredths of a Coulomb coefficient: 100 lets the sliding force reach
// the pressing force. Pairs start at 50.
void iBodyBodyFrictionSet(EngineHandle pair, float friction);
// Splits the friction of the pair's contacts with a wheel into two directions:
// mu along the wheel's rolling direction and mu2 across it, each in percent of the
// pair's friction (70 with friction 200 gives a coefficient of 1.4); slip1 and
// slip2 are ODE's force-dependent slip in those directions (0: none). Contacts of
// a pair without a wheel body keep the plain friction.
void iBodyBodySplitFrictionSet(EngineHandle pair, float mu, float slip1, float mu2, float slip2);
void iBodyBodyRestitutionSet(EngineHandle pair, float restitution);  // 0 no bounce .. 1 full bounce
// Collision response off: the bodies pass through each other, yet feedback still
// sees the touch (a sensor). Pairs start with response on.
void iBodyBodyCollisionResponseEnable(EngineHandle pair, int enabled);
// Feedback on: the engine notes when the pair touches. The two reserved flags keep
// the classic signature (the program passes -1).
void iBodyBodyFeedbackEnable(EngineHandle pair, int enabled, int reserved1, int reserved2);
// Non-zero when the pair touched since the previous query (with feedback on).
// clear non-zero starts the next period here; 0 only peeks. The six pointers, when
// not null, receive the last contact's point and normal (x, y, z each).
int iBodyBodyFeedback(EngineHandle pair, int clear, int reserved, float* pointX, float* pointY, float* pointZ,
                      float* normalX, float* normalY, float* normalZ);

// Wheels:
// Hangs wheelBody on chassis at a point in the chassis's own axes (relative to
// its origin), with the wheel body turned by orientation relative to the chassis;
// the wheel body is moved there. The car's local +x is forward and +y up: the wheel
// steers about the chassis's y axis (with the suspension along it) and rolls about
// the chassis's z axis. A wheel ends with either of its bodies.
EngineHandle iWheelCreate(EngineHandle chassis, EngineHandle wheelBody, const Vec3& position,
                          const Quaternion& orientation);
void iWheelSuspensionSet(EngineHandle wheel, float spring, float damper);  // force per unit, per unit/s
void iWheelPowerSet(EngineHandle wheel, float maxTorque);  // the motor's torque limit; 0 lets the wheel roll free
// The motor's target spin in degrees per second; positive drives the car forward
// (7000 is about 61 units per second for a wheel of radius 0.5).
void iWheelSpinSet(EngineHandle wheel, float degreesPerSecond);
// Steering angle in degrees; positive turns the car left, towards a larger heading
// (from +x towards +z).
void iWheelSteeringAngleSet(EngineHandle wheel, float degrees);

// Meshes bound to bodies:
// Every part of a ".x" file as one mesh drawn at the body's pose (location and
// orientation) as it is when drawn, times the mesh's own scale; iMeshLocationSet
// and iMeshEulerOrientationSet have no effect on it. Created hidden; the other
// mesh functions work on it. 0, with a log line, when the body does not exist.
// After the body is destroyed the mesh draws nothing.
EngineHandle iBodyMeshCreate(const char* file, EngineHandle body);

// ---- Effects --------------------------------------------------------------------
// Effects are simulated once a frame, after the run phase, from the frame's
// duration (iFrq), and drawn in the 3D scene after the meshes: depth-tested,
// writing no depth.

// Particles:
// A particle system draws up to maxParticles camera-facing textured quads. While
// it is shown its emitters spawn particles without pause: together they spawn
// maxParticles every lifetime, so the system stays full. Each particle goes from
// the birth to the death colour and size and fades out over its lifetime.
// Created hidden; the texture's file is read once and shared.
EngineHandle iParticleCreate(const char* texture, int maxParticles);
void iParticleLifeTimeSet(EngineHandle system, float seconds);  // default 1
// Speed lost per second, proportional: a particle keeps exp(-resistance t) of its speed.
void iParticleAirResistanceSet(EngineHandle system, float resistance);
void iParticleColorSet(EngineHandle system, const Vec3& birthColor, const Vec3& deathColor);
void iParticleRenderModeSet(EngineHandle system, int mode);  // 0 additive (default), 1 alpha blended
void iParticleShow(EngineHandle system);
void iParticleHide(EngineHandle system);  // its particles vanish; emitting stops until shown
EngineHandle iParticleEmitterCreate(EngineHandle system);
void iParticleEmitterLocationSet(EngineHandle emitter, const Vec3& location);  // world space
// Particles leave along a direction picked between the two (both zero: any direction).
void iParticleEmitterDirectionSet(EngineHandle emitter, const Vec3& direction1, const Vec3& direction2);
void iParticleEmitterSpeedSet(EngineHandle emitter, float minimum, float maximum);  // units per second
// Width and height of a particle's quad in world units, at birth and at death (default 1 x 1).
void iParticleEmitterScaleSet(EngineHandle emitter, const Vec2& birthSize, const Vec2& deathSize);

// Trails:
// A trail is a ribbon of up to maxPoints points left behind by its emitters
// (the oldest goes first when it is full). Each point fades from the birth to the
// death colour, and from its own opacity to nothing, over the lifetime, then
// goes. The ribbon joins each emitter's points in order and, while the emitter
// emits, reaches on to the emitter itself. The texture runs across the ribbon
// (u 0 on one edge, 1 on the other) and is tinted by the colour; the ribbon is
// alpha blended. Created hidden.
EngineHandle iTrailCreate(const char* texture, int maxPoints);
void iTrailLifeTimeSet(EngineHandle trail, float seconds);  // default 1
void iTrailColorSet(EngineHandle trail, const Vec3& birthColor, const Vec3& deathColor);
void iTrailShow(EngineHandle trail);
void iTrailHide(EngineHandle trail);
EngineHandle iTrailEmitterCreate(EngineHandle trail);
void iTrailEmitterScaleSet(EngineHandle emitter, float width);  // ribbon width in units (default 1)
void iTrailEmitterLocationSet(EngineHandle emitter, const Vec3& location);
// The ribbon lies across the emitter's local x axis.
void iTrailEmitterOrientationSet(EngineHandle emitter, const Quaternion& orientation);
// Emits this frame: lays a point at the emitter when 1 / rate seconds have passed
// since its last one (rate in points per second; at most one point per frame; the
// first point after a cut at once); alpha is the point's opacity 0..1.
void iTrailEmitterEmit(EngineHandle emitter, float rate, float alpha);
// Ends the current ribbon: the next point starts a new one, unjoined.
void iTrailEmitterCut(EngineHandle emitter);

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
// Game pads press keys: each control presses the key code set for it here (0: none),
// seen by iKeyDown and iKeyClick like the keyboard's. Left, right, up and down are the
// left stick (past half way) and the D-pad; a trigger presses once pulled a third of the
// way. After a change a control still held presses its new key only once let go. Pads
// may be plugged in and pulled out at any time; a pulled pad lets go of its keys. Works
// whether or not the engine is open.
struct PadKeys {
    int left = 0, right = 0, up = 0, down = 0;
    int rightTrigger = 0, leftTrigger = 0;
    int a = 0, b = 0, x = 0, y = 0, start = 0, back = 0;
};
void iPadKeysSet(const PadKeys& keys);
int iPadCount();                 // pads connected now

// ---- Sound ----------------------------------------------------------------------
// - Files are program paths (".wav", ".ogg" and whatever else libsndfile reads).
//   A missing or damaged file gives 0 and one log line.
// - 3D sounds are placed in world space with iSoundLocationSet and heard from the
//   camera of iListenerCameraSet; they are full loud within 6 units and fade with
//   distance beyond (halved at 12, a third at 18). 2D sounds play as recorded.
// - Volumes are linear gains, 0 silent, 1 as recorded, clamped to 8; gains above
//   1 make a distant 3D sound carry.
// - With no audio device every function still works and nothing is heard:
//   iSoundPlaying then follows the clock (a sound played once stops after its length).
// - Handle 0 and handles of sounds that no longer exist are ignored (false for iSoundPlaying).

// mode -1: a 3D sound (mixed to mono) placed with iSoundLocationSet; 0: a plain 2D sound.
EngineHandle iSoundCreate(const char* file, int mode);
// Music: decoded a piece at a time while it plays, so long files cost little memory.
// The two numbers are reserved (the game passes 0, 0).
EngineHandle iSoundOggCreate(const char* file, int reserved1, int reserved2);
// loop -1 (any non-zero) repeats until stopped, 0 plays once. A playing sound starts over.
void iSoundPlayNow(EngineHandle sound, int loop);
void iSoundStop(EngineHandle sound, int reserved);  // at once; the second number is unused
int iSoundPlaying(EngineHandle sound);              // -1 while playing, else 0
void iSoundVolumeSet(EngineHandle sound, float gain);
void iSoundLocationSet(EngineHandle sound, const Vec3& location);  // 3D sounds only; world space

// ---- Tools and tests only -------------------------------------------------------
// Writes the last presented picture (the 4:3 picture, without bars) to a PNG file
// at a real file-system path. Returns non-zero on success.
int iFrameCapture(const char* pngPath);
// The next frame iEngineRender presents also writes the whole window as shown, bars
// included, to a PNG file at a real path. Nothing is written while drawing is off.
void iWindowCaptureNext(const char* pngPath);
// Observers for the headless runner: every engine log line (also written to
// stderr), and every presented picture ("render" for iRender, "frame" for
// iEngineRender). Pass an empty function to remove.
void iLogObserverSet(std::function<void(const char* line)> observer);
void iPresentObserverSet(std::function<void(const char* what)> observer);
// Drawing on (non-zero, the default) or off. Off, iEngineRender and iRender draw
// and present nothing but still tell the present observer; the logic, physics,
// effects and sound run unchanged (simulation measurements). Survives re-opens.
void iEngineDrawingSet(int on);
