#include "emulator/runner/text/fixed_number.h"

#include <cmath>
#include <cstdio>

namespace runner {

std::string Fixed(double value, int decimals)
{
    // %e of a double is at most 24 characters, and %f below 1e15 about as
    // many, whatever the value.
    char text[64];
    bool shortFixed = !std::isfinite(value) || std::fabs(value) < 1e15;
    std::snprintf(text, sizeof text, shortFixed ? "%.*f" : "%.*e", decimals > 9 ? 9 : decimals, value);
    return text;
}

}  // namespace runner
