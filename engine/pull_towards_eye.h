// GLSL shared by the vertex shaders that pull points towards the eye.
#pragma once

namespace engine {

// A GLSL function: the view-space point moved `pull` units towards the eye along its
// line of sight, keeping at least 1 % of its distance. Its place on the screen stays
// and only its depth changes, so a flat thing drawn on another (a shadow, a mark)
// wins the depth test without moving. Goes between a shader's declarations and main.
inline constexpr const char* kPullTowardsEyeGlsl = R"(
vec4 PullTowardsEye(vec4 viewPosition, float pull) {
    float distance = length(viewPosition.xyz);
    if (pull != 0.0 && distance > 0.0) {
        viewPosition.xyz *= max(distance - pull, 0.01 * distance) / distance;
    }
    return viewPosition;
}
)";

}  // namespace engine
