// ModelBuffers: a static vertex buffer for each model vertex array the scene draws (bullets,
// chargers, flags, muzzle flashes, explosions), made the first time a model using the array is
// drawn. Drawn from the model's own memory, the driver copied the vertices at every draw call;
// from a buffer it reads them in place. Models share arrays (every bullet draws the template's),
// so a match needs a few dozen buffers. Arrays are never changed once built, so a buffer stays
// right for as long as its array lives; it is deleted once no model holds the array any more.
#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "world/geom_object.h"

class ModelBuffers {
  public:
    // The buffer holding `vertices` as they lie in memory, one tmodelvertex after another; 0 for
    // a missing or empty array. Needs the GL context current.
    uint32_t BufferFor(const tvertexarray& vertices);

    // How many arrays have a buffer.
    size_t Count() const { return buffers_.size(); }

  private:
    struct Upload {
        tvertexarray vertices;  // held so the address cannot be reused by another array
        uint32_t name = 0;
    };

    // Deletes the buffers of arrays only this cache still holds (a model freed with its level).
    void ReleaseUnheld();

    std::unordered_map<const std::vector<tmodelvertex>*, Upload> buffers_;
};
