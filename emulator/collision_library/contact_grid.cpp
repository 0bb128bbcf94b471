#include "contact_grid.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace collision {

namespace {

const std::uint32_t none = 0xFFFFFFFFu;

/* The smallest and largest class exponents: radii below the smallest share
 * its class, radii above the largest have no cell width that is a double. */
const int smallestExponent = -30;
const int largestExponent = 1000;

bool Finite(const Sphere& s)
{
    return std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.z);
}

/* The class exponent k of the radius, 2^k >= radius, or none beyond the
 * largest class. */
bool ExponentOf(double radius, int& exponent)
{
    if (!(radius <= std::ldexp(1.0, largestExponent)))
        return false;  // too large, infinite or not a number
    exponent = smallestExponent;
    if (radius > std::ldexp(1.0, smallestExponent))
        std::frexp(radius, &exponent);  // radius < 2^exponent
    return true;
}

std::uint64_t Bits(double value)
{
    value += 0.0;  // -0 and 0 are one cell
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

/* Spreads neighbouring cells' keys over the table. */
std::uint64_t Mix(std::uint64_t key)
{
    key ^= key >> 31;
    key *= 0x7fb5d329728ea185ull;
    key ^= key >> 27;
    key *= 0x81dadef4bc2dd44dull;
    return key ^ (key >> 33);
}

std::uint64_t Hash(double x, double y, double z, std::uint32_t grid)
{
    return Mix(Bits(x) ^ Mix(Bits(y) ^ Mix(Bits(z) ^ Mix(grid))));
}

}  // namespace

std::uint32_t& ContactGrid::headOf(const Cell& cell)
{
    std::uint64_t slot = Hash(cell.x, cell.y, cell.z, cell.grid) & mask_;
    while (heads_[slot] != none) {
        const Cell& c = cells_[slot];
        if (c.grid == cell.grid && c.x == cell.x && c.y == cell.y && c.z == cell.z)
            break;
        slot = (slot + 1) & mask_;
    }
    cells_[slot] = cell;
    return heads_[slot];
}

std::uint32_t ContactGrid::headAt(const Cell& cell) const
{
    std::uint64_t slot = Hash(cell.x, cell.y, cell.z, cell.grid) & mask_;
    while (heads_[slot] != none) {
        const Cell& c = cells_[slot];
        if (c.grid == cell.grid && c.x == cell.x && c.y == cell.y && c.z == cell.z)
            return heads_[slot];
        slot = (slot + 1) & mask_;
    }
    return none;
}

/* Dividing by a power of two is exact, so two spheres closer than a cell
 * width are never more than one cell apart on any axis; where positions are
 * coarser than a cell, spheres closer than a width are in the same cell. */
void ContactGrid::cellOf(const Sphere& s, std::size_t sizeClass, Cell& cell) const
{
    int shift = -(classes_[sizeClass].exponent + 1);
    cell.x = std::floor(std::ldexp(s.x, shift));
    cell.y = std::floor(std::ldexp(s.y, shift));
    cell.z = std::floor(std::ldexp(s.z, shift));
    cell.grid = std::uint32_t(2 * sizeClass);
}

void ContactGrid::classify(const std::vector<Sphere>& spheres)
{
    stragglers_.clear();
    classOf_.assign(spheres.size(), none);
    exponents_.assign(spheres.size(), 0);
    // By exponent first, then numbered in ascending order.
    std::vector<std::uint32_t>& byExponent = byExponent_;
    byExponent.assign(largestExponent - smallestExponent + 1, none);
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        if (!Finite(spheres[i]))
            continue;  // no distance to it is finite: it touches nothing
        if (!ExponentOf(spheres[i].radius, exponents_[i])) {
            stragglers_.push_back(i);
            continue;
        }
        byExponent[std::size_t(exponents_[i] - smallestExponent)] = 0;
        classOf_[i] = 0;  // numbered below
    }
    classes_.clear();
    for (std::size_t e = 0; e < byExponent.size(); ++e)
        if (byExponent[e] != none) {
            byExponent[e] = std::uint32_t(classes_.size());
            classes_.push_back({int(e) + smallestExponent});
        }
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        if (classOf_[i] == none)
            continue;
        classOf_[i] = byExponent[std::size_t(exponents_[i] - smallestExponent)];
        classes_[classOf_[i]].watched += spheres[i].watched;
    }
}

void ContactGrid::build(const std::vector<Sphere>& spheres)
{
    classify(spheres);
    std::size_t entries = 0;
    for (std::size_t i = 0; i < spheres.size(); ++i)
        entries += classOf_[i] == none ? 0 : 1 + spheres[i].watched;
    std::size_t tableSize = 16;
    while (tableSize < 2 * entries)
        tableSize *= 2;
    mask_ = tableSize - 1;
    cells_.resize(tableSize);
    heads_.assign(tableSize, none);
    next_.assign(spheres.size(), none);
    nextWatched_.assign(spheres.size(), none);
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        if (classOf_[i] == none)
            continue;
        Cell cell;
        cellOf(spheres[i], classOf_[i], cell);
        std::uint32_t& head = headOf(cell);
        next_[i] = head;
        head = std::uint32_t(i);
        if (!spheres[i].watched)
            continue;
        ++cell.grid;
        std::uint32_t& watchedHead = headOf(cell);
        nextWatched_[i] = watchedHead;
        watchedHead = std::uint32_t(i);
    }
}

void ContactGrid::tryPair(const std::vector<Sphere>& spheres, std::size_t i, std::size_t j)
{
    const Sphere& a = spheres[i];
    const Sphere& b = spheres[j];
    double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z, reach = a.radius + b.radius;
    if (dx * dx + dy * dy + dz * dz < reach * reach)
        pairs_.push_back({std::min(i, j), std::max(i, j)});
}

void ContactGrid::lookAround(const std::vector<Sphere>& spheres, std::size_t i, std::size_t sizeClass,
                             bool watchedOnly)
{
    Cell centre;
    cellOf(spheres[i], sizeClass, centre);
    centre.grid += watchedOnly;
    const std::vector<std::uint32_t>& next = watchedOnly ? nextWatched_ : next_;
    bool ownClass = classOf_[i] == sizeClass;
    for (double dx = -1; dx <= 1; ++dx)
        for (double dy = -1; dy <= 1; ++dy)
            for (double dz = -1; dz <= 1; ++dz) {
                Cell cell{centre.x + dx, centre.y + dy, centre.z + dz, centre.grid};
                for (std::uint32_t j = headAt(cell); j != none; j = next[j])
                    // Two watched spheres of one class find each other: keep one.
                    if (j != i && !(ownClass && spheres[j].watched && j < i))
                        tryPair(spheres, i, j);
            }
}

const std::vector<std::pair<std::size_t, std::size_t>>& ContactGrid::find(const std::vector<Sphere>& spheres)
{
    pairs_.clear();
    build(spheres);
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        if (classOf_[i] == none)
            continue;
        // A watched sphere looks at every sphere of its class and the larger
        // ones; an unwatched one only at the watched ones of larger classes,
        // since the watched ones of its own class find it.
        for (std::size_t c = classOf_[i]; c < classes_.size(); ++c)
            if (spheres[i].watched)
                lookAround(spheres, i, c, false);
            else if (c > classOf_[i] && classes_[c].watched > 0)
                lookAround(spheres, i, c, true);
    }
    for (std::size_t k = 0; k < stragglers_.size(); ++k) {
        std::size_t i = stragglers_[k];
        for (std::size_t j = 0; j < spheres.size(); ++j) {
            bool otherStraggler = classOf_[j] == none && Finite(spheres[j]);
            if (j == i || (otherStraggler && j < i) || (!spheres[i].watched && !spheres[j].watched))
                continue;
            tryPair(spheres, i, j);
        }
    }
    std::sort(pairs_.begin(), pairs_.end());
    return pairs_;
}

}  // namespace collision
