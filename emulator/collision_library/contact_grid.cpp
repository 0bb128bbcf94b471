#include "contact_grid.h"

#include <algorithm>
#include <cmath>

namespace collision {

namespace {

const std::uint32_t none = 0xFFFFFFFFu;

/* Spheres this many times wider than the typical one are set aside. */
const double largeFactor = 8.0;

std::uint64_t Key(std::int64_t x, std::int64_t y, std::int64_t z)
{
    const std::uint64_t mask = (std::uint64_t(1) << 21) - 1;
    return (std::uint64_t(x) & mask) | ((std::uint64_t(y) & mask) << 21) | ((std::uint64_t(z) & mask) << 42);
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

}  // namespace

std::uint32_t& ContactGrid::headOf(std::uint64_t key)
{
    std::uint64_t slot = Mix(key) & mask_;
    while (heads_[slot] != none && keys_[slot] != key)
        slot = (slot + 1) & mask_;
    keys_[slot] = key;
    return heads_[slot];
}

std::uint32_t ContactGrid::headAt(std::uint64_t key) const
{
    std::uint64_t slot = Mix(key) & mask_;
    while (heads_[slot] != none) {
        if (keys_[slot] == key)
            return heads_[slot];
        slot = (slot + 1) & mask_;
    }
    return none;
}

std::int64_t ContactGrid::cellOf(double coordinate, double origin) const
{
    double c = std::floor((coordinate - origin) / cell_);
    // Far-flung or broken coordinates share the outermost cells.
    return std::int64_t(std::max(-1e6, std::min(1e6, std::isfinite(c) ? c : 1e6)));
}

void ContactGrid::build(const std::vector<Sphere>& spheres)
{
    large_.clear();
    std::size_t tableSize = 16;
    while (tableSize < 2 * spheres.size())
        tableSize *= 2;
    mask_ = tableSize - 1;
    keys_.assign(tableSize, 0);
    heads_.assign(tableSize, none);
    next_.assign(spheres.size(), none);
    isLarge_.assign(spheres.size(), 0);
    if (spheres.empty())
        return;
    originX_ = spheres[0].x;
    originY_ = spheres[0].y;
    originZ_ = spheres[0].z;
    // The typical radius: the median, so a few giants cannot set the cell.
    std::vector<double> radii;
    radii.reserve(spheres.size());
    for (const Sphere& s : spheres)
        radii.push_back(s.radius);
    std::nth_element(radii.begin(), radii.begin() + radii.size() / 2, radii.end());
    double typical = std::max(radii[radii.size() / 2], 1e-3);
    double largest = 0.0;
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        if (spheres[i].radius > largeFactor * typical || !std::isfinite(spheres[i].radius)) {
            large_.push_back(i);
            isLarge_[i] = 1;
        } else
            largest = std::max(largest, spheres[i].radius);
    }
    cell_ = std::max(2 * largest, 1e-3);
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        if (isLarge_[i])
            continue;
        const Sphere& s = spheres[i];
        std::uint32_t& head = headOf(Key(cellOf(s.x, originX_), cellOf(s.y, originY_), cellOf(s.z, originZ_)));
        next_[i] = head;
        head = std::uint32_t(i);
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

const std::vector<std::pair<std::size_t, std::size_t>>& ContactGrid::find(const std::vector<Sphere>& spheres)
{
    pairs_.clear();
    build(spheres);
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        const Sphere& s = spheres[i];
        if (!s.watched || isLarge_[i])
            continue;
        std::int64_t cx = cellOf(s.x, originX_), cy = cellOf(s.y, originY_), cz = cellOf(s.z, originZ_);
        for (std::int64_t dx = -1; dx <= 1; ++dx)
            for (std::int64_t dy = -1; dy <= 1; ++dy)
                for (std::int64_t dz = -1; dz <= 1; ++dz) {
                    for (std::uint32_t j = headAt(Key(cx + dx, cy + dy, cz + dz)); j != none; j = next_[j])
                        // A pair of two watched spheres is found from both: keep one.
                        if (j != i && (!spheres[j].watched || j > i))
                            tryPair(spheres, i, j);
                }
    }
    // The large ones against everything: each pair once, and only with a watched side.
    for (std::size_t k = 0; k < large_.size(); ++k) {
        std::size_t i = large_[k];
        for (std::size_t j = 0; j < spheres.size(); ++j) {
            if (j == i || (isLarge_[j] && j < i) || (!spheres[i].watched && !spheres[j].watched))
                continue;
            tryPair(spheres, i, j);
        }
    }
    return pairs_;
}

}  // namespace collision
