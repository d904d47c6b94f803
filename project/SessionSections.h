#pragma once

#include "project/PlantProject.h"
#include "project/SessionChecks.h"

#include <string_view>

namespace burgeon {

// The sections of a session file that hold surfaces, placement, view and animation, each read
// into the project (see readSessionValues).

enum class SurfaceKind { Leaf, Flower };

// A leaf or flower surface: points and triangles, with the normals of both sides and (for a
// leaf) texture coordinates; those a file leaves out are worked out as a shape library's
// selection would.
void readSurface(const SessionJson& json, std::string_view key, SurfaceKind kind,
                 OrganSurface& surface, SessionChecks& checks);
void readPlacement(const SessionJson& json, OrganPlacement& placement, SessionChecks& checks);
void readView(const SessionJson& json, ViewState& view, SessionChecks& checks);
void readAnimation(const SessionJson& json, AnimationSettings& animation, SessionChecks& checks);

} // namespace burgeon
