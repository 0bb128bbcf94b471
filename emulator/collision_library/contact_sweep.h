/* Finding touching spheres without trying every pair: sort the spheres by
 * the low end of their extent along x, then sweep, keeping only those whose
 * extent still reaches the current one. Only pairs in which at least one
 * sphere is watched are reported. Cost: O(n log n) plus the pairs that
 * overlap along x. */
#ifndef BRIMSTAR_EMULATOR_COLLISION_CONTACT_SWEEP_H
#define BRIMSTAR_EMULATOR_COLLISION_CONTACT_SWEEP_H

#include <cstddef>
#include <utility>
#include <vector>

namespace collision {

struct Sphere {
    double x, y, z;
    double radius;
    bool watched;
};

class ContactSweep {
public:
    /* The index pairs (lower index first) of spheres that overlap, strictly,
     * where at least one is watched. */
    const std::vector<std::pair<std::size_t, std::size_t>>& find(const std::vector<Sphere>& spheres);

private:
    std::vector<std::size_t> order_;
    std::vector<std::size_t> active_;
    std::vector<std::pair<std::size_t, std::size_t>> pairs_;
};

}  // namespace collision

#endif
