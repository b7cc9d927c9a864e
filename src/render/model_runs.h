// The pieces every way of drawing a model's runs shares: whether a part has a pose to draw, the
// vertices of a run in the model's own arrays, drawing vertices from client memory, and the
// picture a run shows now. Poses are the game step's: drawing reads them and never steps them.
#pragma once
#include <cstdint>
#include <span>

#include "render/gl_state.h"
#include "world/geom_object.h"
#include "world/textures.h"

// Which pose of a model a view shows. The game step steps the poses once a frame. The split
// view's top view, drawn after its side view, shows each part where its animation's cursor stands
// after that step: one pose on, in a frame that stepped it, as when each view stepped what it drew.
enum class PoseLook : uint8_t { kStepped, kCursor };

// The pose the part shows in `look`; -1 for a part of a damaged file without a pose (its
// elements would be the next part's).
int32_t ShownPose(const tmeshpart& part, PoseLook look);

// The run's elements of the part's pose `frame` (a shown pose) in the model's own vertex array;
// none when the run names elements outside it.
std::span<const tmodelvertex> RunVertices(const tgeomobject& object, const tmeshpart& part,
                                          int32_t frame, const ttexrun& run, VertexSetHalf half);

// Vertices in client memory, in one call; the caller has switched the arrays on.
void DrawVertices(std::span<const tmodelvertex> vertices, VertexSetHalf half);

// The texture slot the run shows in the model's current pose; -1 for none.
int32_t RunSlot(tgeomobject& object, const ttexrun& run, const TextureTable& textures);
