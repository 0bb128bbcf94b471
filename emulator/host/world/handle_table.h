/* Handles of slots. A generational table's handle names a slot and the
 * generation of the object in it, so a handle kept past its object's
 * deletion is detected and never reaches a freed object. A table that reuses
 * handles the way the host reuses its objects' addresses hands a freed
 * slot's handle to the next object made there, the last freed first: a
 * handle kept too long then names the newcomer. Lookup is O(1).
 *
 * Objects live by value in fixed-size blocks of slots, so that objects made
 * one after another lie one after another in memory, and an object never
 * moves while it lives: a pointer found stays good until the object is
 * erased, whatever is inserted meanwhile. */
#ifndef BRIMSTAR_EMULATOR_HOST_HANDLE_TABLE_H
#define BRIMSTAR_EMULATOR_HOST_HANDLE_TABLE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace emu {

/* One kind per table, so that no handle of one kind is taken for another's. */
enum HandleKind : unsigned {
    bodyHandles = 1,
    vesselHandles,
    annotationHandles,
    surfaceHandles,
    ownVesselHandles,
};

enum class HandleReuse { never, likeAddresses };

template <typename T>
class HandleTable {
public:
    /* Distinguishes tables, so a body's handle is never taken for a vessel's. */
    explicit HandleTable(unsigned kind, HandleReuse reuse = HandleReuse::never) : kind_(kind), reuse_(reuse) {}
    HandleTable(const HandleTable&) = delete;
    HandleTable& operator=(const HandleTable&) = delete;
    ~HandleTable()
    {
        for (std::size_t index = 0; index < generations_.size(); ++index)
            if (live(generations_[index]))
                at(index).~T();
    }

    /* The new object's handle, or null when every slot a handle can name is
     * taken. */
    void* insert(T object)
    {
        std::size_t index;
        if (!free_.empty()) {
            index = free_.back();
            free_.pop_back();
        } else if (generations_.size() < maxSlots) {
            index = generations_.size();
            if (index % blockSize == 0)
                blocks_.push_back(std::make_unique<Block>());
            generations_.push_back(0);
        } else {
            return nullptr;
        }
        new (&at(index)) T(std::move(object));
        generations_[index] = nextGeneration(generations_[index]);
        return encode(index, handleGeneration(index));
    }

    T* find(const void* handle) const
    {
        auto value = reinterpret_cast<std::uintptr_t>(handle);
        if (((value >> indexBits) & kindMask) != kind_)
            return nullptr;
        std::uintptr_t index = (value & indexMask) - 1;
        if (index >= generations_.size() || (value >> (indexBits + kindBits)) != handleGeneration(index))
            return nullptr;
        if (!live(generations_[index]))
            return nullptr;
        return &at(index);
    }

    /* The object, taken out of its slot, or nothing for a handle that names
     * none. The slot's next object gets a new generation. */
    std::optional<T> erase(const void* handle)
    {
        T* object = find(handle);
        if (!object)
            return std::nullopt;
        std::optional<T> taken(std::move(*object));
        object->~T();
        std::size_t index = (reinterpret_cast<std::uintptr_t>(handle) & indexMask) - 1;
        generations_[index] = nextGeneration(generations_[index]);
        free_.push_back(std::uint32_t(index));
        return taken;
    }

private:
    static constexpr unsigned indexBits = 20;
    static constexpr unsigned kindBits = 3;
    static constexpr unsigned handleGenerationBits = sizeof(std::uintptr_t) * 8 - indexBits - kindBits;
    static constexpr unsigned generationBits = handleGenerationBits < 32 ? handleGenerationBits : 32;
    static constexpr std::uintptr_t indexMask = (std::uintptr_t(1) << indexBits) - 1;
    static constexpr std::uintptr_t kindMask = (std::uintptr_t(1) << kindBits) - 1;
    // Index 0 in a handle is no slot, so one index is never handed out.
    static constexpr std::size_t maxSlots = indexMask;
    static constexpr std::size_t blockSize = 1024;

    struct Block {
        alignas(T) unsigned char bytes[sizeof(T) * blockSize];
    };

    /* Odd while the slot holds an object, even while it is free, and only
     * as wide as a handle carries, so that a handle's generation always
     * compares equal to its live slot's, however often the slot is reused. */
    static std::uint32_t nextGeneration(std::uint32_t generation)
    {
        return std::uint32_t((std::uint64_t(generation) + 1) & ((std::uint64_t(1) << generationBits) - 1));
    }
    static bool live(std::uint32_t generation) { return generation % 2 == 1; }
    /* What a handle of the slot carries: its generation, or, where handles
     * are reused, the same for every object the slot ever holds. */
    std::uint32_t handleGeneration(std::size_t index) const
    {
        return reuse_ == HandleReuse::likeAddresses ? 1u : generations_[index];
    }

    T& at(std::size_t index) const
    {
        return *std::launder(reinterpret_cast<T*>(blocks_[index / blockSize]->bytes) + index % blockSize);
    }

    void* encode(std::size_t index, std::uint32_t generation) const
    {
        std::uintptr_t value = (std::uintptr_t(generation) << (indexBits + kindBits)) |
                               (std::uintptr_t(kind_) << indexBits) | (index + 1);
        return reinterpret_cast<void*>(value);
    }

    unsigned kind_;
    HandleReuse reuse_;
    std::vector<std::unique_ptr<Block>> blocks_;
    std::vector<std::uint32_t> generations_;
    std::vector<std::uint32_t> free_;
};

}  // namespace emu

#endif
