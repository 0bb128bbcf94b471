#include "contact_grid.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace collision {

namespace {

const std::uint32_t none = 0xFFFFFFFFu;
const std::uint32_t straggler = 0xFFFFFFFEu;  // a class of its own: tried against every sphere
const std::uint32_t watchedBit = 0x80000000u;

/* The smallest and largest class exponents: radii below the smallest share
 * its class, radii above the largest have no cell width that is a double. */
const int smallestExponent = -30;
const int largestExponent = 1000;
const double smallestClassSize = 0x1p-30;
const double largestClassSize = 0x1p1000;

/* The pair test rounds; a box this much wider than the reach holds every
 * pair it passes. */
const double reachMargin = 1 + 0x1p-40;

bool Finite(const Sphere& s)
{
    return std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.z);
}

/* The class exponent k of the size, 2^k >= size, or none beyond the
 * largest class. */
bool ExponentOf(double size, int& exponent)
{
    if (!(size <= largestClassSize))
        return false;  // too large, infinite or not a number
    exponent = smallestExponent;
    if (size > smallestClassSize)
        std::frexp(size, &exponent);  // size < 2^exponent
    return true;
}

std::uint64_t Bits(double value)
{
    value += 0.0;  // -0 and 0 are one cell
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

/* A coordinate's bits with the high ones folded down: a whole number's
 * low bits are zero, its value is in the exponent and the top of the
 * mantissa. */
std::uint64_t Folded(double value)
{
    std::uint64_t bits = Bits(value);
    return bits ^ (bits >> 29) ^ (bits >> 47);
}

/* Spreads neighbouring cells' keys over the table. */
std::uint64_t Hash(double x, double y, double z)
{
    std::uint64_t h = Folded(x) * 0x9E3779B97F4A7C15ull + Folded(y) * 0xC2B2AE3D27D4EB4Full + Folded(z) * 0x165667B19E3779F9ull;
    h ^= h >> 32;
    h *= 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 29);
}

/* The next whole number of cells; past 2^53 the next double. */
double Next(double cell)
{
    return cell + 1 > cell ? cell + 1 : std::nextafter(cell, HUGE_VAL);
}

}  // namespace

std::uint32_t& ContactGrid::slotFor(const Grid& grid, double x, double y, double z)
{
    std::size_t slot = Hash(x, y, z) & grid.mask;
    for (;; slot = (slot + 1) & grid.mask) {
        std::uint32_t& cell = slotOf_[grid.slots + slot];
        if (cell == none)
            return cell;
        const Cell& c = cells_[cell];
        if (c.x == x && c.y == y && c.z == z)
            return cell;
    }
}

const ContactGrid::Cell* ContactGrid::cellAt(const Grid& grid, double x, double y, double z) const
{
    std::size_t slot = Hash(x, y, z) & grid.mask;
    for (;; slot = (slot + 1) & grid.mask) {
        std::uint32_t cell = slotOf_[grid.slots + slot];
        if (cell == none)
            return nullptr;
        const Cell& c = cells_[cell];
        if (c.x == x && c.y == y && c.z == z)
            return &c;
    }
}

void ContactGrid::classify(const std::vector<Sphere>& spheres)
{
    stragglers_.clear();
    classOf_.assign(spheres.size(), none);
    byExponent_.assign(largestExponent - smallestExponent + 1, none);
    // The one pass that reads the spheres: each one's exponent, and whether
    // it is watched in the top bit, for the passes below.
    exponentOf_.resize(spheres.size());
    for (std::size_t i = 0; i < spheres.size(); ++i) {
        // No distance to a position that is no finite number is finite, and
        // a reach that is no number touches nothing.
        if (!Finite(spheres[i]) || std::isnan(spheres[i].radius))
            continue;
        int exponent;
        if (!ExponentOf(std::fabs(spheres[i].radius), exponent)) {
            classOf_[i] = straggler;
            stragglers_.push_back(std::uint32_t(i));
            continue;
        }
        std::uint32_t e = std::uint32_t(exponent - smallestExponent);
        exponentOf_[i] = e | (spheres[i].watched ? watchedBit : 0);
        byExponent_[e] = 0;
        classOf_[i] = 0;  // numbered below
    }
    classes_.clear();
    for (std::size_t e = 0; e < byExponent_.size(); ++e)
        if (byExponent_[e] != none) {
            byExponent_[e] = std::uint32_t(classes_.size());
            classes_.push_back({int(e) + smallestExponent, {}, {}});
        }
    classStart_.assign(classes_.size() + 1, 0);
    watchedStart_.assign(classes_.size() + 1, 0);
    for (std::size_t i = 0; i < spheres.size(); ++i)
        if (classOf_[i] < straggler) {
            classOf_[i] = byExponent_[exponentOf_[i] & ~watchedBit];
            ++classStart_[classOf_[i] + 1];
            watchedStart_[classOf_[i] + 1] += exponentOf_[i] >> 31;
        }
    for (std::size_t c = 0; c < classes_.size(); ++c) {
        classStart_[c + 1] += classStart_[c];
        watchedStart_[c + 1] += watchedStart_[c];
    }
    byClass_.resize(classStart_.back());
    watchedByClass_.resize(watchedStart_.back());
    // Each class's start moves up to the next one's as its spheres arrive.
    for (std::size_t i = 0; i < spheres.size(); ++i)
        if (classOf_[i] < straggler) {
            byClass_[classStart_[classOf_[i]]++] = std::uint32_t(i);
            if (exponentOf_[i] & watchedBit)
                watchedByClass_[watchedStart_[classOf_[i]]++] = std::uint32_t(i);
        }
    for (std::size_t c = classes_.size(); c-- > 1;) {
        classStart_[c] = classStart_[c - 1];
        watchedStart_[c] = watchedStart_[c - 1];
    }
    classStart_[0] = watchedStart_[0] = 0;
}

/* Counts the members of each occupied cell, then lays them out cell by
 * cell, each cell's in ascending order. */
void ContactGrid::fill(const std::vector<Sphere>& spheres, Grid& grid, int exponent, const std::uint32_t* begin,
                       const std::uint32_t* end)
{
    grid.scale = std::ldexp(1.0, -(exponent + 1));
    grid.count = std::size_t(end - begin);
    if (grid.count == 0)
        return;
    std::size_t tableSize = 8;
    while (tableSize < 2 * grid.count)
        tableSize *= 2;
    grid.mask = tableSize - 1;
    grid.slots = slotOf_.size();
    slotOf_.resize(slotOf_.size() + tableSize, none);
    std::size_t firstCell = cells_.size();
    cellOfMember_.clear();
    for (const std::uint32_t* i = begin; i != end; ++i) {
        const Sphere& s = spheres[*i];
        grid.largestRadius = std::max(grid.largestRadius, std::fabs(s.radius));
        double x = std::floor(s.x * grid.scale), y = std::floor(s.y * grid.scale), z = std::floor(s.z * grid.scale);
        std::uint32_t& slot = slotFor(grid, x, y, z);
        if (slot == none) {
            slot = std::uint32_t(cells_.size());
            cells_.push_back({x, y, z, 0, 0});
        }
        ++cells_[slot].count;
        cellOfMember_.push_back(slot);
    }
    grid.members = members_.size();
    std::uint32_t first = std::uint32_t(members_.size());
    for (std::size_t c = firstCell; c < cells_.size(); ++c) {
        cells_[c].first = first;
        first += cells_[c].count;
        cells_[c].count = 0;  // counts again as the members arrive
    }
    members_.resize(first);
    std::size_t member = 0;
    for (const std::uint32_t* i = begin; i != end; ++i) {
        const Sphere& s = spheres[*i];
        Cell& cell = cells_[cellOfMember_[member++]];
        members_[cell.first + cell.count++] = {s.x, s.y, s.z, s.radius, *i, s.watched};
    }
}

void ContactGrid::build(const std::vector<Sphere>& spheres)
{
    classify(spheres);
    slotOf_.clear();
    cells_.clear();
    members_.clear();
    for (std::size_t c = 0; c < classes_.size(); ++c) {
        fill(spheres, classes_[c].all, classes_[c].exponent, byClass_.data() + classStart_[c],
             byClass_.data() + classStart_[c + 1]);
        fill(spheres, classes_[c].watched, classes_[c].exponent, watchedByClass_.data() + watchedStart_[c],
             watchedByClass_.data() + watchedStart_[c + 1]);
    }
}

void ContactGrid::tryPair(const Member& a, const Member& b)
{
    double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z, reach = a.radius + b.radius;
    if (dx * dx + dy * dy + dz * dz < reach * reach)
        found_.push_back({std::min(a.index, b.index), std::max(a.index, b.index)});
}

/* Scaling by a power of two (even one that is no normal number, the product
 * rounded once) keeps order, so the box's
 * cells, found from the scaled centre, hold every sphere the pair test can
 * pass; past 2^53 cells every double is a cell of its own. */
void ContactGrid::lookAround(const Member& m, const Grid& grid, bool ownClass)
{
    double reach = (std::fabs(m.radius) + grid.largestRadius) * reachMargin * grid.scale;
    double cx = m.x * grid.scale, cy = m.y * grid.scale, cz = m.z * grid.scale;
    double xLow = std::floor(cx - reach), xHigh = std::floor(cx + reach);
    double yLow = std::floor(cy - reach), yHigh = std::floor(cy + reach);
    double zLow = std::floor(cz - reach), zHigh = std::floor(cz + reach);
    for (double x = xLow;; x = Next(x)) {
        for (double y = yLow;; y = Next(y)) {
            for (double z = zLow;; z = Next(z)) {
                if (const Cell* cell = cellAt(grid, x, y, z))
                    for (std::uint32_t k = cell->first; k < cell->first + cell->count; ++k) {
                        const Member& other = members_[k];
                        // Two watched spheres of one class find each other: keep one.
                        if (!ownClass || (other.index != m.index && !(other.watched && other.index < m.index)))
                            tryPair(m, other);
                    }
                if (!(z < zHigh))
                    break;
            }
            if (!(y < yHigh))
                break;
        }
        if (!(x < xHigh))
            break;
    }
}

void ContactGrid::findStragglers(const std::vector<Sphere>& spheres)
{
    for (std::uint32_t i : stragglers_) {
        const Sphere& s = spheres[i];
        Member a{s.x, s.y, s.z, s.radius, i, s.watched};
        for (std::size_t j = 0; j < spheres.size(); ++j) {
            if (j == i || classOf_[j] == none || (classOf_[j] == straggler && j < i) ||
                (!s.watched && !spheres[j].watched))
                continue;
            const Sphere& t = spheres[j];
            tryPair(a, {t.x, t.y, t.z, t.radius, std::uint32_t(j), t.watched});
        }
    }
}

/* By the lower index, counted out; then each sphere's partners, few but
 * for a giant. */
void ContactGrid::sortPairs(std::size_t sphereCount)
{
    firstCount_.assign(sphereCount + 1, 0);
    for (const auto& pair : found_)
        ++firstCount_[pair.first + 1];
    for (std::size_t i = 0; i < sphereCount; ++i)
        firstCount_[i + 1] += firstCount_[i];
    pairs_.resize(found_.size());
    for (const auto& pair : found_)
        pairs_[firstCount_[pair.first]++] = {pair.first, pair.second};
    auto begin = pairs_.begin();
    for (std::size_t i = 0; i < sphereCount; ++i) {
        auto end = pairs_.begin() + firstCount_[i];
        if (end - begin > 1)
            std::sort(begin, end);
        begin = end;
    }
}

/* The cells a look visits, on average: the box as wide as both reaches
 * in the grid's cells, along each axis. */
double ContactGrid::boxCells(double lookerRadius, const Grid& grid)
{
    double side = 2 * (lookerRadius + grid.largestRadius) * grid.scale + 1;
    return side * side * side;
}

/* Whether the smaller class's spheres look for their pairs among the larger
 * one's (fewer cells each) or the larger class's among the smaller one's
 * (fewer lookers): whichever visits fewer cells. Either finds every pair
 * with a watched side once, and the pair test is the same from both sides. */
bool ContactGrid::smallerLooks(const SizeClass& smaller, const SizeClass& larger) const
{
    auto visits = [](const SizeClass& lookers, const SizeClass& looked) {
        std::size_t watched = lookers.watched.count, unwatched = lookers.all.count - watched;
        double cells = boxCells(lookers.all.largestRadius, looked.all);
        return (looked.all.count > 0 ? double(watched) * cells : 0) +
               (looked.watched.count > 0 ? double(unwatched) * cells : 0);
    };
    return !(visits(larger, smaller) < visits(smaller, larger));
}

/* Every sphere of the lookers' grid looks among the looked-at class: a
 * watched one at all its spheres, an unwatched one only at the watched. */
void ContactGrid::lookAcross(const SizeClass& lookers, const SizeClass& looked)
{
    const Grid& own = lookers.all;
    for (std::size_t k = own.members; k < own.members + own.count; ++k) {
        const Member& m = members_[k];
        const Grid& other = m.watched ? looked.all : looked.watched;
        if (other.count > 0)
            lookAround(m, other, false);
    }
}

const std::vector<std::pair<std::size_t, std::size_t>>& ContactGrid::find(const std::vector<Sphere>& spheres)
{
    found_.clear();
    build(spheres);
    for (std::size_t a = 0; a < classes_.size(); ++a) {
        const Grid& own = classes_[a].all;
        // A watched sphere looks at every sphere of its class; the unwatched
        // ones are found by the watched. In cell order, so that neighbours
        // look at the same cells one after the other.
        for (std::size_t k = own.members; k < own.members + own.count; ++k)
            if (members_[k].watched)
                lookAround(members_[k], own, true);
        for (std::size_t c = a + 1; c < classes_.size(); ++c) {
            if (smallerLooks(classes_[a], classes_[c]))
                lookAcross(classes_[a], classes_[c]);
            else
                lookAcross(classes_[c], classes_[a]);
        }
    }
    findStragglers(spheres);
    sortPairs(spheres.size());
    return pairs_;
}

}  // namespace collision
