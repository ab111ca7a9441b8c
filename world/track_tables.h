// The race's per-track tables: where each track stands, its checkpoint gates, its
// pickup spawn points, the opponents' route, the starting grid, the base time and
// the minimap scale. Data only, read by the race and by the asset generator, which
// builds each track's road through these points.
//
// Index [slot - 1] for track slots 1..7 (slots 6 and 7 are never raced). Points are
// world x and z; y is given where the race uses it.
#pragma once

#include <span>

namespace track_tables {

inline constexpr int kTrackSlots = 7;

struct TrackPosition {
    float x, y, z;
};

// A checkpoint: a segment through (x, z), parallel to the x axis when alongX
// (crossed by driving in z), else parallel to z; it reaches halfWidth each way.
struct GateEntry {
    float x, z;
    bool alongX;
    float halfWidth;
};

struct PointXZ {
    float x, z;
};

// The starting grid: base point of slot 0; rows of two advance along +x (cars
// facing yaw 180, towards -x) or along -z (yaw 270, towards +z).
struct GridEntry {
    float baseX, baseY, baseZ;
    bool rowsAlongMinusZ;
    float yaw;       // degrees about y
    int baseTime;    // seconds
};

struct MapScale {
    float x, y;
};

inline constexpr TrackPosition kTrackPositions[kTrackSlots] = {
    {40, -50, -3700}, {0, -50, -3730}, {0, -50, -3680}, {0, -50, -3625},
    {0, -50, -3680},  {-80, -50, -3700}, {0, -50, -3730}};

// Track 5's visible parts are placed this much lower than its bodies.
inline constexpr float kTrack5PartsDrop = 17.5f;

inline constexpr GateEntry kGatesSlot1[] = {
    {40, -3738, false, 10},  {-40, -3738, false, 10}, {-70, -3707, true, 10},
    {-70, -3668, true, 10},  {-40, -3636, false, 10}, {106, -3636, false, 10},
    {139, -3665, true, 10},  {139, -3705, true, 10},  {108, -3738, false, 10}};
inline constexpr GateEntry kGatesSlot2[] = {
    {-48, -3665.5f, false, 10},  {-79.5f, -3665.5f, false, 10}, {-110.5f, -3698.5f, true, 10},
    {-110.5f, -3736.5f, true, 10}, {-78.5f, -3769, false, 10},  {69.5f, -3769, false, 10},
    {96, -3745.5f, true, 20},    {70, -3717, false, 10},        {33, -3715.5f, false, 10},
    {13, -3692, true, 10},       {-22.5f, -3665.5f, false, 10}};
inline constexpr GateEntry kGatesSlot3[] = {
    {-2, -3717, false, 10},  {-77, -3717, false, 10}, {-109, -3687, true, 10},
    {-109, -3648, true, 10}, {-80, -3616, false, 10}, {-64, -3616, false, 10},
    {-4, -3669, false, 20},  {58, -3616, false, 10},  {72, -3616, false, 10},
    {101, -3648, true, 10},  {101, -3686, true, 10},  {70, -3717, false, 10}};
inline constexpr GateEntry kGatesSlot4[] = {
    {7, -3611, true, 10},      {-24, -3579, false, 10},    {-55, -3579, false, 10},
    {-86.6f, -3617, true, 10}, {-56, -3657, false, 10},    {69.2f, -3657, false, 10},
    {100, -3689, true, 10},    {100, -3705, true, 10},     {69.6f, -3734, false, 10},
    {37.5f, -3734, false, 10}, {7, -3706, true, 10}};
inline constexpr GateEntry kGatesSlot5[] = {
    {-93, -3713, true, 10},     {-93, -3672, true, 10},    {-62, -3634, false, 10},
    {66.3f, -3634, false, 10},  {66, -3666, false, 10},    {-29, -3662, false, 10},
    {-32, -3697, false, 10},    {57.6f, -3696, false, 10}, {59, -3728, false, 10},
    {-38, -3724, false, 10},    {-39, -3757, false, 10},   {64, -3756, false, 10},
    {65, -3789, false, 10},     {-60, -3787, false, 10},   {-92, -3754, true, 10}};
inline constexpr GateEntry kGatesSlot6And7[] = {{-48, -3665.5f, false, 10}};

inline constexpr std::span<const GateEntry> kGates[kTrackSlots] = {
    kGatesSlot1, kGatesSlot2, kGatesSlot3, kGatesSlot4, kGatesSlot5, kGatesSlot6And7, kGatesSlot6And7};

inline constexpr PointXZ kSpawnPointsSlot1[] = {
    {-40, -3738}, {-70, -3707}, {-70, -3668}, {-40, -3636},
    {106, -3636}, {139, -3665}, {139, -3705}, {108, -3738}};
inline constexpr PointXZ kSpawnPointsSlot2[] = {
    {-88.5f, -3666.6f}, {-99, -3676.3f},    {-108.6f, -3697.4f}, {-108.6f, -3742.5f},
    {-95.2f, -3762},    {-73.2f, -3767.7f}, {67.7f, -3767.7f},   {86.7f, -3759.5f},
    {93.3f, -3732.9f},  {73.5f, -3720},     {33, -3715.7f},      {9, -3688.7f},
    {-17, -3666.6f}};
inline constexpr PointXZ kSpawnPointsSlot3[] = {
    {-77, -3717}, {-77, -3717}, {-109, -3687}, {-109, -3648}, {-80, -3716}, {-64, -3616},
    {-4, -3669},  {58, -3616},  {72, -3616},   {101, -3648},  {101, -3686}, {70, -3717}};
inline constexpr PointXZ kSpawnPointsSlot4[] = {
    {7, -3611},      {-24, -3579},   {-55, -3579},  {-86.6f, -3617}, {-56, -3657},  {-69.2f, -3579},
    {100, -3689},    {100, -3705},   {69.6f, -3734}, {14.5f, -3734}, {7, -3706}};
inline constexpr PointXZ kSpawnPointsSlot5[] = {
    {-93, -3713},  {-93, -3672}, {-62, -3634},  {66.3f, -3634}, {66, -3666},
    {-29, -3662},  {-32, -3697}, {57.6f, -3696}, {59, -3728},   {-38, -3724},
    {-39, -3757},  {64, -3756},  {65, -3789},   {-60, -3787},   {-92, -3754}};
inline constexpr PointXZ kSpawnPointsSlot6And7[] = {{-88.5f, -3666.6f}};

inline constexpr std::span<const PointXZ> kSpawnPoints[kTrackSlots] = {
    kSpawnPointsSlot1, kSpawnPointsSlot2, kSpawnPointsSlot3, kSpawnPointsSlot4,
    kSpawnPointsSlot5, kSpawnPointsSlot6And7, kSpawnPointsSlot6And7};

// The pickup spawner moves a point by up to this much in x and in z (r(50) / 10).
inline constexpr float kSpawnOffsetMax = 4.9f;
// Pickups stand this far above the track's y.
inline constexpr float kPickupHeight = 3.0f;

inline constexpr PointXZ kRouteSlot1[] = {
    {40, -3738},  {-40, -3738}, {-59, -3730}, {-70, -3707},  {-70, -3668}, {-62, -3647}, {-40, -3636},
    {106, -3636}, {127, -3644}, {139, -3665}, {139, -3705}, {131, -3728}, {108, -3738}};
inline constexpr PointXZ kRouteSlot2[] = {
    {-88.5f, -3666.6f}, {-99, -3676.3f},  {-108.6f, -3697.4f}, {-108.6f, -3742.5f}, {-95.2f, -3762},
    {-73.2f, -3767.7f}, {67.7f, -3767.7f}, {86.7f, -3759.5f},  {93.3f, -3732.9f},   {73.5f, -3720},
    {33, -3715.7f},     {9, -3688.7f},    {-17, -3666.6f}};
inline constexpr PointXZ kRouteSlot3[] = {
    {-2, -3717},  {-77, -3717}, {-96, -3711}, {-109, -3687}, {-109, -3648}, {-99, -3625}, {-80, -3616},
    {-64, -3616}, {-40, -3630}, {-29, -3660}, {-4, -3669},   {23, -3656},   {37, -3623},  {58, -3616},
    {72, -3616},  {94, -3627},  {101, -3648}, {101, -3686},  {91, -3708},   {70, -3717}};
inline constexpr PointXZ kRouteSlot4[] = {
    {7, -3611},      {-2, -3589},  {-24, -3579}, {-55, -3579},   {-80, -3592},  {-86.6f, -3617},
    {-77, -3647},    {-56, -3657}, {69.2f, -3657}, {88.7f, -3667}, {100, -3689}, {100, -3705},
    {89.6f, -3726},  {69.6f, -3734}, {37.5f, -3734}, {14.5f, -3723}, {7, -3706}};
inline constexpr PointXZ kRouteSlot5[] = {
    {-93, -3713},  {-93, -3672},    {-83, -3645},  {-62, -3634}, {66.3f, -3634}, {84, -3650},
    {66, -3666},   {-29, -3662},    {-51.6f, -3679}, {-32, -3697}, {57.6f, -3696}, {74.5f, -3712},
    {59, -3728},   {-38, -3724},    {-56, -3739},  {-39, -3757}, {64, -3756},    {82, -3775},
    {65, -3789},   {-60, -3787},    {-84, -3774},  {-92, -3754}};
inline constexpr PointXZ kRouteSlot6And7[] = {{-88.5f, -3666.6f}};

inline constexpr std::span<const PointXZ> kRoutes[kTrackSlots] = {
    kRouteSlot1, kRouteSlot2, kRouteSlot3, kRouteSlot4, kRouteSlot5, kRouteSlot6And7, kRouteSlot6And7};

inline constexpr GridEntry kGrids[kTrackSlots] = {
    {50, -48, -3743, false, 180, 50},         {-40, -48, -3670, false, 180, 60},
    {5, -48, -3723, false, 180, 85},          {5.22f, -48, -3618, true, 270, 60},
    {-97.2f, -48, -3721.6f, true, 270, 100},  {-40, -48, -3670, false, 180, 70},
    {-40, -48, -3670, false, 180, 45}};

// The grid holds up to eight cars: seven opponents and the player.
inline constexpr int kGridSlots = 8;
inline constexpr float kGridColumnSpacing = 8;
inline constexpr float kGridRowSpacing = 10;

// World x and z of grid slot s (0-based) on track slot `slot` (1..7).
constexpr PointXZ GridSlotPosition(int slot, int s) {
    const GridEntry& grid = kGrids[slot - 1];
    if (grid.rowsAlongMinusZ) {
        return {grid.baseX + (s % 2) * kGridColumnSpacing, grid.baseZ - (s / 2) * kGridRowSpacing};
    }
    return {grid.baseX + (s / 2) * kGridRowSpacing, grid.baseZ + (s % 2) * kGridColumnSpacing};
}

// The minimap sprite's scale per track slot, and the mapping of the map dot:
// sprite x = (cx - tx) / 50 * 0.95 - 12.9, y = (cz - tz - 10) / 50 * 0.95 + 8
// (+ kMapDotRaise on slots 4 and 5), over the map sprite at (-12.9, 8).
inline constexpr MapScale kMapScales[kTrackSlots] = {
    {3.075f, 1.65f}, {3.1f, 1.7f}, {3.075f, 1.475f}, {2.625f, 2.2f},
    {2.875f, 2.15f}, {3.0f, 2.175f}, {2.35f, 2.2f}};
inline constexpr float kMapCentreX = -12.9f;
inline constexpr float kMapCentreY = 8.0f;
inline constexpr float kMapUnitsPerWorld = 0.95f / 50;
inline constexpr float kMapDotRaise = 0.5f;

}  // namespace track_tables
