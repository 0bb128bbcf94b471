/* Edit distance with neighbour swaps (optimal string alignment), over two
 * rows and the one before them; words are bounded by the caller's command
 * line, and a word far longer than every name is no near miss anyway. */
#include "emulator/runner/text/near_miss.h"

#include <algorithm>

namespace runner {

namespace {

const size_t closeEdits = 2;

size_t Edits(const std::string& a, const std::string& b)
{
    std::vector<size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        previous[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            size_t changed = previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, changed});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        before.swap(previous);
        previous.swap(current);
    }
    return previous[b.size()];
}

}  // namespace

std::string NearMiss(const std::string& word, const std::vector<std::string>& names)
{
    std::string best;
    size_t bestEdits = closeEdits + 1;
    for (const std::string& name : names) {
        if (word.size() > name.size() + closeEdits)
            continue;
        size_t edits = Edits(word, name);
        if (edits < bestEdits && edits * 2 < word.size()) {
            best = name;
            bestEdits = edits;
        }
    }
    return best;
}

}  // namespace runner
