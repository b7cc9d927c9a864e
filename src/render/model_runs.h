// The pieces every way of drawing a model's runs shares: whether a part has a pose to draw, the
// vertices of a run in the model's own arrays, drawing vertices from client memory, and the
// picture a run shows now.
#pragma once
#include <cstdint>
#include <span>

#include "render/gl_state.h"
#include "world/geom_object.h"
#include "world/textures.h"

// False for a part of a damaged file without a pose: its elements would be the next part's.
bool HasCurrentPose(const tmeshpart& part);

// Steps the part's animation as drawing one of its runs does, and when the part is the BSTART
// triangle part, sets the model's bulletStart; false when the part then has no pose to draw.
bool StepPartForRun(tgeomobject& object, tmeshpart& part, size_t partIndex, VertexSetHalf half,
                    uint32_t now);

// The run's elements of the part's current pose in the model's own vertex array; none when the
// run names elements outside it. The part must have a pose.
std::span<const tmodelvertex> RunVertices(const tgeomobject& object, const tmeshpart& part,
                                          const ttexrun& run, VertexSetHalf half);

// Vertices in client memory, in one call; the caller has switched the arrays on.
void DrawVertices(std::span<const tmodelvertex> vertices, VertexSetHalf half);

// The texture slot the run shows now, advancing its texture frames; -1 for none.
int32_t RunSlot(tgeomobject& object, ttexrun& run, const TextureTable& textures, uint32_t now);
