/* Finding touching spheres without trying every pair: a uniform grid whose
 * cells are as wide as the largest ordinary sphere's diameter, so that two
 * touching spheres always sit in the same or neighbouring cells. Each sphere
 * goes into the cell of its centre; only watched spheres look through their
 * 27 cells. The few spheres much larger than the rest (a station among
 * rocks, a planet among ships) would make every cell huge, so they are set
 * aside and tried against every sphere instead. Cost: linear in the number of
 * spheres at a given density. */
#ifndef BRIMSTAR_EMULATOR_COLLISION_CONTACT_GRID_H
#define BRIMSTAR_EMULATOR_COLLISION_CONTACT_GRID_H

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace collision {

struct Sphere {
    double x, y, z;
    double radius;
    bool watched;
};

class ContactGrid {
public:
    /* The index pairs (lower index first) of spheres that overlap, strictly,
     * where at least one is watched; each pair once. */
    const std::vector<std::pair<std::size_t, std::size_t>>& find(const std::vector<Sphere>& spheres);

private:
    void build(const std::vector<Sphere>& spheres);
    void tryPair(const std::vector<Sphere>& spheres, std::size_t i, std::size_t j);

    std::int64_t cellOf(double coordinate, double origin) const;

    double cell_ = 1.0;
    double originX_ = 0, originY_ = 0, originZ_ = 0;  // cells count from here
    std::vector<char> isLarge_;
    /* The occupied cells, in an open-addressed table of a power-of-two size
     * that is rebuilt every step without allocating: cell key -> first
     * sphere in it. */
    std::uint32_t& headOf(std::uint64_t key);
    std::uint32_t headAt(std::uint64_t key) const;

    std::vector<std::uint64_t> keys_;
    std::vector<std::uint32_t> heads_;
    std::uint64_t mask_ = 0;
    std::vector<std::uint32_t> next_;  // sphere -> next in its cell
    std::vector<std::size_t> large_;
    std::vector<std::pair<std::size_t, std::size_t>> pairs_;
};

}  // namespace collision

#endif
