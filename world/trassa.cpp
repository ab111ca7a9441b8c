// TTrassa: loading, placing, showing and hiding a track.
#include "world/trassa.h"

#include "core/saved_files.h"
#include "engine/engine.h"
#include "world/track_tables.h"

namespace {
constexpr float kPartScale = 0.1f;
constexpr float kShadowFadeHeight = 40.0f;
constexpr const char* kTableBodyFile = "data\\Table_5.00.ply";
}  // namespace

std::string TTrassa::FileName(int32_t number, const char* suffix) {
    return "data\\Trassa" + std::to_string(number) + suffix;
}

Vec3 TTrassa::PartsLocation(int32_t number, const Vec3& location) {
    Vec3 at = location;
    if (number == 5) at.y -= track_tables::kTrack5PartsDrop;
    return at;
}

void TTrassa::Load(int32_t number) {
    Number = number;
    const std::string model = FileName(number, ".x");
    Parts.fill(0);
    for (int i = 0; i < kMaxParts; ++i) {
        const EngineHandle part = iMeshPartCreate(model.c_str(), i);
        Parts[i] = part;
        if (part == 0) break;
        iMeshScaleSet(part, kPartScale, kPartScale, kPartScale);
    }
    Body = iBodyCreate(FileName(number, "_5.00.ply").c_str());
    Shadow = iMeshBodyShadowCasterCreate(FileName(number, "_shadow.x").c_str(), Body, kShadowFadeHeight);
    iMeshScaleSet(Shadow, kPartScale, kPartScale, kPartScale);
    TableBody = iBodyCreate(kTableBodyFile);
    Loaded = true;
}

void TTrassa::Reload() { Load(Number); }

void TTrassa::Locate() {
    const Vec3 partsAt = PartsLocation(Number, Location);
    for (EngineHandle part : Parts) {
        if (part == 0) break;
        iMeshLocationSet(part, partsAt);
        iMeshEulerOrientationSet(part, Rotation.x, Rotation.y, Rotation.z, "xyz");
    }
    for (EngineHandle body : {Body, TableBody}) {
        iBodyLocationSet(body, Location, -1);
        iBodyEulerOrientationSet(body, Rotation.x, Rotation.y, Rotation.z, "xyz", -1);
    }
}

void TTrassa::Show() {
    EnableBodies();
    for (EngineHandle part : Parts) {
        if (part == 0) break;
        iMeshShow(part);
    }
    if (Saved.settings.shadows) {
        iMeshShow(Shadow);
    } else {
        iMeshHide(Shadow);
    }
}

void TTrassa::Hide() {
    for (EngineHandle part : Parts) {
        if (part == 0) break;
        iMeshHide(part);
    }
    iMeshHide(Shadow);
    DisableBodies();
}

void TTrassa::EnableBodies() {
    iBodyEnable(Body);
    iBodyEnable(TableBody);
}

void TTrassa::DisableBodies() {
    iBodyDisable(Body);
    iBodyDisable(TableBody);
}
