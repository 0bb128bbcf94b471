/* Finding touching spheres without trying every pair: a grid per size class.
 * A sphere of radius r belongs to the class of the smallest power of two
 * 2^k not below |r| (the pair test squares the sum of the radii, so a
 * negative radius reaches as far as its size), and sits in the cell of its
 * centre in that class's grid, whose cells are 2^(k+1) wide. A sphere looks
 * for pairs in its own class among the cells that the box around it, as wide
 * as its radius plus the largest in that grid, touches (at most three a side,
 * often one or two). Between two classes, either the smaller's spheres look
 * among the larger's cells, or the larger's among the smaller's, whichever
 * visits fewer cells in all: a few watched rocks among many unwatched
 * vessels look themselves rather than be looked for by every vessel, while
 * a giant among small spheres is looked for. Cells are found by
 * their full coordinates in an open-addressed table per grid sized to its
 * occupied cells, so a sparse grid stays in the cache and spheres far apart
 * never share a cell; a cell's spheres lie side by side with their
 * positions, and spheres look in the order of their own cells, so
 * neighbours looking at the same cells follow each other. A position with no
 * finite value, or a radius that is no number, touches nothing.
 *
 * Only pairs with a watched side count, so an unwatched sphere looks only
 * among the watched spheres of another class. Cost: linear in the number
 * of spheres times the number of size classes present, plus the pairs tried
 * near each sphere; nothing is allocated once the buffers have grown. A
 * sphere whose radius is beyond every class (infinite, or near the largest
 * double) is tried against every other. */
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
    /* A sphere as a cell holds it. */
    struct Member {
        double x, y, z, radius;
        std::uint32_t index;
        bool watched;
    };
    struct Cell {
        double x, y, z;  // whole numbers of cells, exact as far as a position is
        std::uint32_t first, count;  // its members in members_
    };
    /* The spheres of one class, or only its watched ones. */
    struct Grid {
        double scale = 1;          // a position times this power of two is in cells
        double largestRadius = 0;  // |radius|
        std::size_t slots = 0, mask = 0;  // its part of cells_ and slotOf_
        std::size_t members = 0, count = 0;
    };
    struct SizeClass {
        int exponent;
        Grid all, watched;
    };

    void classify(const std::vector<Sphere>& spheres);
    void build(const std::vector<Sphere>& spheres);
    /* The grid of the spheres whose indices run from begin to end. */
    void fill(const std::vector<Sphere>& spheres, Grid& grid, int exponent, const std::uint32_t* begin,
              const std::uint32_t* end);
    void lookAround(const Member& m, const Grid& grid, bool ownClass);
    static double boxCells(double lookerRadius, const Grid& grid);
    bool smallerLooks(const SizeClass& smaller, const SizeClass& larger) const;
    void lookAcross(const SizeClass& lookers, const SizeClass& looked);
    void tryPair(const Member& a, const Member& b);
    void sortPairs(std::size_t sphereCount);
    void findStragglers(const std::vector<Sphere>& spheres);

    std::uint32_t& slotFor(const Grid& grid, double x, double y, double z);
    const Cell* cellAt(const Grid& grid, double x, double y, double z) const;

    std::vector<SizeClass> classes_;      // ascending
    std::vector<std::uint32_t> classOf_;  // sphere -> index in classes_, or none
    std::vector<std::uint32_t> exponentOf_;  // scratch while classifying
    std::vector<std::uint32_t> byClass_;  // sphere indices, class by class
    std::vector<std::size_t> classStart_;
    std::vector<std::uint32_t> watchedByClass_;  // the watched ones alone
    std::vector<std::size_t> watchedStart_;
    std::vector<std::uint32_t> stragglers_;
    std::vector<std::uint32_t> byExponent_;  // exponent - smallest -> class, or none
    /* Each grid's table: slot -> index in cells_ or none; its cells, and
     * their members in cell order. */
    std::vector<std::uint32_t> slotOf_;
    std::vector<Cell> cells_;
    std::vector<std::uint32_t> cellOfMember_;  // scratch while filling
    std::vector<Member> members_;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> found_;
    std::vector<std::uint32_t> firstCount_;
    std::vector<std::pair<std::size_t, std::size_t>> pairs_;
};

}  // namespace collision

#endif
