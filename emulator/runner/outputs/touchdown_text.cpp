#include "emulator/runner/outputs/touchdown_text.h"

#include "emulator/runner/text/fixed_number.h"

namespace runner {

std::string TouchdownText(const emu::Touchdown& where)
{
    const double degrees = 180.0 / 3.141592653589793;
    return "touched down at " + Fixed(where.time, 4) + " s, longitude " + Fixed(where.longitude * degrees, 4) +
           "°, latitude " + Fixed(where.latitude * degrees, 4) + "°, at " + Fixed(where.speed, 2) +
           " m/s against the ground";
}

}  // namespace runner
