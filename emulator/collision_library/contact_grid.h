/* Finding touching spheres without trying every pair: a grid per size class.
 * A sphere of radius r belongs to the class of the smallest power of two
 * 2^k not below r, and sits in the cell of its centre in that class's grid,
 * whose cells are 2^(k+1) wide. Two spheres touch only closer than the
 * larger class's cell width, so a sphere finds every partner of its own or a
 * larger class among the 27 cells around it in that class's grid; the
 * smaller one of a pair always looks. Cells are found by hashing their full
 * coordinates, so spheres far apart never share a cell, and a position with
 * no finite value touches nothing.
 *
 * Only pairs with a watched side count, so an unwatched sphere looks only
 * among the watched spheres of the larger classes. Cost: linear in the number
 * of spheres times the number of size classes present, plus the pairs tried
 * near each sphere. A sphere whose radius is beyond every class (infinite,
 * or near the largest double) is tried against every other. */
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
    /* The index pairs (lower index first, in ascending order) of spheres that
     * overlap, strictly, where at least one is watched; each pair once. */
    const std::vector<std::pair<std::size_t, std::size_t>>& find(const std::vector<Sphere>& spheres);

private:
    struct Cell {
        double x, y, z;  // whole numbers of cells, exact as far as a position is
        std::uint32_t grid;  // size class times two, plus one for the watched spheres' grid
    };
    struct SizeClass {
        int exponent;  // cells are 2^(exponent + 1) wide
        std::size_t watched = 0;
    };

    void classify(const std::vector<Sphere>& spheres);
    void build(const std::vector<Sphere>& spheres);
    void lookAround(const std::vector<Sphere>& spheres, std::size_t i, std::size_t sizeClass, bool watchedOnly);
    void tryPair(const std::vector<Sphere>& spheres, std::size_t i, std::size_t j);
    void cellOf(const Sphere& s, std::size_t sizeClass, Cell& cell) const;

    std::uint32_t& headOf(const Cell& cell);
    std::uint32_t headAt(const Cell& cell) const;

    std::vector<SizeClass> classes_;      // ascending
    std::vector<std::uint32_t> classOf_;  // sphere -> index in classes_, or none: tried against all
    std::vector<std::size_t> stragglers_;
    std::vector<int> exponents_;                // sphere -> its class's exponent
    std::vector<std::uint32_t> byExponent_;  // exponent - smallest -> class, or none
    /* The occupied cells, in an open-addressed table of a power-of-two size,
     * rebuilt every step: cell -> first sphere in it. */
    std::vector<Cell> cells_;
    std::vector<std::uint32_t> heads_;
    std::uint64_t mask_ = 0;
    std::vector<std::uint32_t> next_;         // sphere -> next in its class's grid
    std::vector<std::uint32_t> nextWatched_;  // watched sphere -> next in its class's watched grid
    std::vector<std::pair<std::size_t, std::size_t>> pairs_;
};

}  // namespace collision

#endif
