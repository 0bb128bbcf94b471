/* The nearest point to each of a batch of places, among points that each
 * place may take. A batch of any size costs about (points + places) times
 * the log of the points: a tree is built over the points once, unless the
 * batch is so small that one pass over the points per place costs less. */
#ifndef BRIMSTAR_EMULATOR_HOST_NEAREST_POINTS_H
#define BRIMSTAR_EMULATOR_HOST_NEAREST_POINTS_H

#include "OrbiterAPI.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace emu {

struct RankedPoint {
    VECTOR3 pos;
    std::uint64_t rank;  // unique; at equal distances the lower rank is nearer
};

/* A place asks for the nearest point whose rank is below `below` and is
 * not `self`. */
struct NearestQuery {
    VECTOR3 pos;
    std::uint64_t self;
    std::uint64_t below;
};

constexpr std::size_t noPoint = static_cast<std::size_t>(-1);

/* For each query, the index of its nearest point, or noPoint when it may
 * take none. A point or place with a coordinate that is no finite number
 * is never found and finds nothing. */
std::vector<std::size_t> NearestPoints(const std::vector<RankedPoint>& points,
                                       const std::vector<NearestQuery>& queries);

}  // namespace emu

#endif
