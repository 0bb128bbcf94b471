#include "emulator/host/world/nearest_points.h"

#include <algorithm>
#include <cmath>

namespace emu {

namespace {

/* Below this many places, a pass over the points each costs less than
 * building the tree. */
constexpr std::size_t smallBatch = 8;
/* A part of the tree this small is searched point by point. */
constexpr std::size_t leafSize = 8;

bool Finite(const VECTOR3& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

double Axis(const VECTOR3& p, int axis)
{
    return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}

double Distance2(const VECTOR3& a, const VECTOR3& b)
{
    double dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return dx * dx + dy * dy + dz * dz;
}

struct Best {
    std::size_t index = noPoint;
    double d2 = 0.0;
    std::uint64_t rank = 0;
};

/* A point where the tree keeps it, with its index among those given. */
struct Node {
    RankedPoint point;
    std::size_t index;
};

void Consider(const Node& n, const NearestQuery& q, Best& best)
{
    if (n.point.rank >= q.below || n.point.rank == q.self)
        return;
    double d2 = Distance2(n.point.pos, q.pos);
    if (best.index == noPoint || d2 < best.d2 || (d2 == best.d2 && n.point.rank < best.rank))
        best = {n.index, d2, n.point.rank};
}

/* A tree kept in an array: each range's middle splits it on the axis of its
 * depth, lower coordinates before it, higher after, so that a search reads
 * neighbouring memory. */
struct Tree {
    std::vector<Node> nodes;

    void build(std::size_t lo, std::size_t hi, int axis)
    {
        if (hi - lo <= leafSize)
            return;
        std::size_t mid = lo + (hi - lo) / 2;
        std::nth_element(nodes.begin() + std::ptrdiff_t(lo), nodes.begin() + std::ptrdiff_t(mid),
                         nodes.begin() + std::ptrdiff_t(hi), [axis](const Node& a, const Node& b) {
                             return Axis(a.point.pos, axis) < Axis(b.point.pos, axis);
                         });
        build(lo, mid, (axis + 1) % 3);
        build(mid + 1, hi, (axis + 1) % 3);
    }

    void search(std::size_t lo, std::size_t hi, int axis, const NearestQuery& q, Best& best) const
    {
        if (hi - lo <= leafSize) {
            for (std::size_t i = lo; i < hi; ++i)
                Consider(nodes[i], q, best);
            return;
        }
        std::size_t mid = lo + (hi - lo) / 2;
        Consider(nodes[mid], q, best);
        double offset = Axis(q.pos, axis) - Axis(nodes[mid].point.pos, axis);
        int next = (axis + 1) % 3;
        bool lowFirst = offset < 0;
        if (lowFirst)
            search(lo, mid, next, q, best);
        else
            search(mid + 1, hi, next, q, best);
        // The far side can hold a nearer point, or an equally near one of
        // lower rank, only within the offset.
        if (best.index == noPoint || offset * offset <= best.d2) {
            if (lowFirst)
                search(mid + 1, hi, next, q, best);
            else
                search(lo, mid, next, q, best);
        }
    }
};

}  // namespace

std::vector<std::size_t> NearestPoints(const std::vector<RankedPoint>& points,
                                       const std::vector<NearestQuery>& queries)
{
    std::vector<std::size_t> found(queries.size(), noPoint);
    Tree tree;
    tree.nodes.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        if (Finite(points[i].pos))
            tree.nodes.push_back({points[i], i});
    bool small = queries.size() < smallBatch;
    if (!small)
        tree.build(0, tree.nodes.size(), 0);
    for (std::size_t i = 0; i < queries.size(); ++i) {
        if (!Finite(queries[i].pos))
            continue;
        Best best;
        if (small) {
            for (const Node& n : tree.nodes)
                Consider(n, queries[i], best);
        } else {
            tree.search(0, tree.nodes.size(), 0, queries[i], best);
        }
        found[i] = best.index;
    }
    return found;
}

}  // namespace emu
