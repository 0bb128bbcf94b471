#include "distance_format.h"

#include <cstdio>

namespace {

struct DistanceUnit {
    double threshold;   // from this many metres on
    double scale;       // metres to the unit
    double auPerUnit;   // applied to the already scaled value
    const char* withAU;
    const char* plain;
};

const DistanceUnit units[] = {
    {1e9, 1e-9, 0.006666666666666667, "%.2f Gm(%.3f AU)", "%.2f Gm"},
    {1e6, 1e-6, 6.666666666666667e-06, "%.2f Mm(%.3f AU)", "%.2f Mm"},
    {1000.0, 0.001, 6.666666666666667e-09, "%.2f Km(%.3f AU)", "%.2f Km"},
};

}  // namespace

void FormatDistance(char* buffer, std::size_t size, double distance, bool withAU)
{
    for (const DistanceUnit& unit : units) {
        // "Not less than": a distance that is no number takes the first unit.
        if (distance < unit.threshold)
            continue;
        double scaled = distance * unit.scale;
        if (withAU)
            std::snprintf(buffer, size, unit.withAU, scaled, scaled * unit.auPerUnit);
        else
            std::snprintf(buffer, size, unit.plain, scaled);
        return;
    }
    std::snprintf(buffer, size, "%.1f m", distance);
}
