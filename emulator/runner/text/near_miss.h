/* The name a mistyped word was most likely meant to be, so that a message
 * can suggest it: "--reprot" is one swap from "--report". */
#ifndef BRIMSTAR_RUNNER_NEAR_MISS_H
#define BRIMSTAR_RUNNER_NEAR_MISS_H

#include <string>
#include <vector>

namespace runner {

/* The name closest to the word, or "" when none is close: at most two edits
 * (a letter added, dropped, changed, or two neighbours swapped) and fewer
 * than half the word's letters. */
std::string NearMiss(const std::string& word, const std::vector<std::string>& names);

}  // namespace runner

#endif
