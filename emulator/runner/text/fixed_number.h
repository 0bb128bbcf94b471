/* A number as a person reads it in the log and the plot: with a fixed count
 * of decimals while that stays short, in exponent form beyond, so that any
 * value the world can reach (1e300 m, inf, nan) prints whole and short. */
#ifndef BRIMSTAR_RUNNER_FIXED_NUMBER_H
#define BRIMSTAR_RUNNER_FIXED_NUMBER_H

#include <string>

namespace runner {

std::string Fixed(double value, int decimals);

}  // namespace runner

#endif
