/* Numbers in the words of the runner's files, read whole: a word either is
 * a number that fits its field or is refused, never read as a part of it or
 * as another number. */
#ifndef BRIMSTAR_RUNNER_NUMBER_TEXT_H
#define BRIMSTAR_RUNNER_NUMBER_TEXT_H

#include <string>

namespace runner {

/* A plain decimal (-2.5, 7000000, 3.986e14) that a double holds: not so
 * large that it reads as infinite, not so small that it reads as zero or as
 * a denormal. Empty when it is, with value set; else why not. */
std::string ReadDecimal(const std::string& word, double& value);

/* A whole number in plain digits from low to high. */
bool ReadWhole(const std::string& word, long long low, long long high, long long& value);

}  // namespace runner

#endif
