#include "contact_sweep.h"

#include <algorithm>

namespace collision {

const std::vector<std::pair<std::size_t, std::size_t>>& ContactSweep::find(const std::vector<Sphere>& spheres)
{
    pairs_.clear();
    order_.resize(spheres.size());
    for (std::size_t i = 0; i < spheres.size(); ++i)
        order_[i] = i;
    auto low = [&](std::size_t i) { return spheres[i].x - spheres[i].radius; };
    std::sort(order_.begin(), order_.end(), [&](std::size_t a, std::size_t b) { return low(a) < low(b); });

    active_.clear();
    for (std::size_t i : order_) {
        const Sphere& s = spheres[i];
        double start = low(i);
        // Those whose extent ends before this one starts can touch nothing further on.
        active_.erase(std::remove_if(active_.begin(), active_.end(),
                                     [&](std::size_t j) { return spheres[j].x + spheres[j].radius < start; }),
                      active_.end());
        for (std::size_t j : active_) {
            const Sphere& t = spheres[j];
            if (!s.watched && !t.watched)
                continue;
            double dx = s.x - t.x, dy = s.y - t.y, dz = s.z - t.z, reach = s.radius + t.radius;
            if (dx * dx + dy * dy + dz * dz < reach * reach)
                pairs_.push_back({std::min(i, j), std::max(i, j)});
        }
        active_.push_back(i);
    }
    return pairs_;
}

}  // namespace collision
