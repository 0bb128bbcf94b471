#include "handle_pair_set.h"

namespace collision {

namespace {

const std::uint32_t none = 0xFFFFFFFFu;

std::size_t Hash(const PairKey& key)
{
    std::uint64_t h = std::uint64_t(key.first) * 0x9E3779B97F4A7C15ull ^ std::uint64_t(key.second) * 0xC2B2AE3D27D4EB4Full;
    return std::size_t(h ^ (h >> 31));
}

}  // namespace

void HandlePairSet::reset(std::size_t capacity)
{
    std::size_t size = 8;
    while (size < 2 * capacity)
        size *= 2;
    mask_ = size - 1;
    slots_.assign(size, none);
    keys_.clear();
}

/* The slot that holds the key, or the empty one where it would go. */
std::size_t HandlePairSet::slotOf(const PairKey& key) const
{
    std::size_t slot = Hash(key) & mask_;
    while (slots_[slot] != none && keys_[slots_[slot]] != key)
        slot = (slot + 1) & mask_;
    return slot;
}

void HandlePairSet::insert(const PairKey& key)
{
    std::size_t slot = slotOf(key);
    if (slots_[slot] != none || 2 * (keys_.size() + 1) > slots_.size())
        return;
    slots_[slot] = std::uint32_t(keys_.size());
    keys_.push_back(key);
}

bool HandlePairSet::contains(const PairKey& key) const
{
    return !slots_.empty() && slots_[slotOf(key)] != none;
}

}  // namespace collision
