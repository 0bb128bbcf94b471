/* A set of pairs of vessel handles (the contacts of a step, lower handle
 * first; a lone vessel is the pair of it and none): the pairs side by side
 * and an open-addressed table of indices into them, sized to the count it is
 * reset for and refilled in place, so that a step allocates nothing once the
 * buffers have grown and a look-up is one probe or two. */
#ifndef BRIMSTAR_EMULATOR_COLLISION_HANDLE_PAIR_SET_H
#define BRIMSTAR_EMULATOR_COLLISION_HANDLE_PAIR_SET_H

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace collision {

using PairKey = std::pair<std::uintptr_t, std::uintptr_t>;

class HandlePairSet {
public:
    /* Empties the set for up to the given number of pairs. */
    void reset(std::size_t capacity);
    /* Adds the pair unless it is there; at most the capacity of pairs. */
    void insert(const PairKey& key);
    bool contains(const PairKey& key) const;

private:
    std::size_t slotOf(const PairKey& key) const;

    std::vector<PairKey> keys_;
    std::vector<std::uint32_t> slots_;  // index in keys_, or none
    std::size_t mask_ = 0;
};

}  // namespace collision

#endif
