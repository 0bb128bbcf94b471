/* Generational handles: a handle names a slot and the generation of the
 * object in it, so a handle kept past its object's deletion is detected and
 * never reaches a freed object. Lookup is O(1). */
#ifndef BRIMSTAR_EMULATOR_HOST_HANDLE_TABLE_H
#define BRIMSTAR_EMULATOR_HOST_HANDLE_TABLE_H

#include <cstdint>
#include <memory>
#include <vector>

namespace emu {

/* One kind per table, so that no handle of one kind is taken for another's. */
enum HandleKind : unsigned {
    bodyHandles = 1,
    vesselHandles,
    annotationHandles,
    surfaceHandles,
};

template <typename T>
class HandleTable {
public:
    /* Distinguishes tables, so a body's handle is never taken for a vessel's. */
    explicit HandleTable(unsigned kind) : kind_(kind) {}

    void* insert(std::unique_ptr<T> object)
    {
        std::uint32_t index;
        if (free_.empty()) {
            index = std::uint32_t(slots_.size());
            slots_.push_back({nullptr, 1});
        } else {
            index = free_.back();
            free_.pop_back();
        }
        slots_[index].object = std::move(object);
        return encode(index, slots_[index].generation);
    }

    T* find(const void* handle) const
    {
        auto value = reinterpret_cast<std::uintptr_t>(handle);
        if (((value >> indexBits) & kindMask) != kind_)
            return nullptr;
        std::uintptr_t index = (value & indexMask) - 1;
        if (index >= slots_.size())
            return nullptr;
        const Slot& slot = slots_[index];
        if ((value >> (indexBits + kindBits)) != slot.generation)
            return nullptr;
        return slot.object.get();
    }

    std::unique_ptr<T> erase(const void* handle)
    {
        if (!find(handle))
            return nullptr;
        auto index = std::uint32_t((reinterpret_cast<std::uintptr_t>(handle) & indexMask) - 1);
        Slot& slot = slots_[index];
        ++slot.generation;
        free_.push_back(index);
        return std::move(slot.object);
    }

private:
    static constexpr unsigned indexBits = 20;
    static constexpr unsigned kindBits = 3;
    static constexpr std::uintptr_t indexMask = (std::uintptr_t(1) << indexBits) - 1;
    static constexpr std::uintptr_t kindMask = (std::uintptr_t(1) << kindBits) - 1;

    struct Slot {
        std::unique_ptr<T> object;
        std::uintptr_t generation;
    };

    void* encode(std::uint32_t index, std::uintptr_t generation) const
    {
        std::uintptr_t value = (generation << (indexBits + kindBits)) |
                               (std::uintptr_t(kind_) << indexBits) | (index + 1);
        return reinterpret_cast<void*>(value);
    }

    unsigned kind_;
    std::vector<Slot> slots_;
    std::vector<std::uint32_t> free_;
};

}  // namespace emu

#endif
