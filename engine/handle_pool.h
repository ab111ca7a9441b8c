// HandlePool: engine objects behind EngineHandle values that name their family and generation.
//
// A handle is family << 27 | generation << 16 | (slot + 1): always positive, never 0.
// - The family (1..14) is the kind of object, so a handle of one kind passed to a
//   function of another finds nothing there, whatever the slots hold.
// - Each family's slots keep their generations for the whole process, across
//   every opening of the engine (HandleSpace): a slot's generation grows each
//   time it is given out, in this opening or a later one. A slot whose 11-bit
//   generation is used up is retired for good, so a handle value is never given
//   out twice, and a stale handle (destroyed, or from before a re-open) finds nothing.
// - 65 535 slots live at once per family; creation gives 0 beyond that, or once
//   every slot is retired (after some 134 million creations of one family).
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "engine/engine.h"

namespace engine {

enum class HandleFamily : uint32_t {
    Camera = 1, Mesh, Sprite, Font, SkyBox, Texture, Sound, Body, BodyPair, Wheel,
    ParticleSystem, ParticleEmitter, Trail, TrailEmitter,
};
inline constexpr uint32_t kHandleFamilyCount = 15;  // values 1..14; 0 is never a family

// The generations of one family's slots, program-wide.
class HandleSpace {
public:
    static constexpr uint32_t kSlotBits = 16;
    static constexpr uint32_t kSlotMask = (1u << kSlotBits) - 1;
    static constexpr uint32_t kGenerationBits = 11;
    static constexpr uint32_t kGenerationMask = (1u << kGenerationBits) - 1;
    static constexpr uint32_t kFamilyShift = kSlotBits + kGenerationBits;

    static HandleSpace& Of(HandleFamily family) {
        static HandleSpace spaces[kHandleFamilyCount];
        return spaces[uint32_t(family) % kHandleFamilyCount];
    }

    // The next generation of slot (1..2047), and uses it up; 0 when the slot is retired.
    uint32_t Take(uint32_t slot) {
        std::lock_guard lock(mutex_);
        if (slot >= next_.size()) next_.resize(slot + 1, 1);
        const uint32_t generation = next_[slot];
        if (generation > kGenerationMask) return 0;
        next_[slot] = uint16_t(generation + 1);
        return generation;
    }
    bool Retired(uint32_t slot) {
        std::lock_guard lock(mutex_);
        return slot < next_.size() && next_[slot] > kGenerationMask;
    }

private:
    std::mutex mutex_;
    std::vector<uint16_t> next_;
};

template <class T>
class HandlePool {
public:
    explicit HandlePool(HandleFamily family) : family_(family) {}
    HandlePool(HandlePool&&) = default;
    HandlePool& operator=(HandlePool&&) = default;

    EngineHandle Add(T value) {
        HandleSpace& space = HandleSpace::Of(family_);
        uint32_t slot = 0;
        uint32_t generation = 0;
        while (generation == 0) {
            if (!free_.empty()) {
                slot = free_.back();
                free_.pop_back();
            } else {
                while (slots_.size() < HandleSpace::kSlotMask && space.Retired(uint32_t(slots_.size()))) {
                    slots_.push_back(Slot{});
                }
                if (slots_.size() >= HandleSpace::kSlotMask) return 0;
                slot = uint32_t(slots_.size());
                slots_.push_back(Slot{});
            }
            generation = space.Take(slot);
        }
        slots_[slot].value.emplace(std::move(value));
        slots_[slot].generation = generation;
        return Compose(slot, generation);
    }

    T* Get(EngineHandle handle) {
        Slot* slot = Find(handle);
        return slot ? &*slot->value : nullptr;
    }
    const T* Get(EngineHandle handle) const { return const_cast<HandlePool*>(this)->Get(handle); }

    bool Remove(EngineHandle handle) {
        Slot* slot = Find(handle);
        if (!slot) return false;
        slot->value.reset();
        slot->generation = 0;
        // A slot whose generations are used up is not offered again.
        const uint32_t index = uint32_t(slot - slots_.data());
        if (!HandleSpace::Of(family_).Retired(index)) free_.push_back(index);
        return true;
    }

    // Calls f(handle, object) for every live object, in slot order.
    template <class F>
    void ForEach(F&& f) {
        for (size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].value) f(Compose(uint32_t(i), slots_[i].generation), *slots_[i].value);
        }
    }

    size_t Count() const {
        size_t count = 0;
        for (const Slot& slot : slots_) count += slot.value ? 1 : 0;
        return count;
    }

    // Ends every object; the slots' generations stay used.
    void Clear() {
        slots_.clear();
        free_.clear();
    }

private:
    struct Slot {
        std::optional<T> value;
        uint32_t generation = 0;
    };

    EngineHandle Compose(uint32_t slot, uint32_t generation) const {
        return EngineHandle(uint32_t(family_) << HandleSpace::kFamilyShift | generation << HandleSpace::kSlotBits |
                            (slot + 1));
    }

    Slot* Find(EngineHandle handle) {
        if (handle <= 0) return nullptr;
        const uint32_t bits = uint32_t(handle);
        if ((bits >> HandleSpace::kFamilyShift) != uint32_t(family_)) return nullptr;
        const uint32_t index = bits & HandleSpace::kSlotMask;
        if (index == 0 || index > slots_.size()) return nullptr;
        Slot& slot = slots_[index - 1];
        const uint32_t generation = (bits >> HandleSpace::kSlotBits) & HandleSpace::kGenerationMask;
        if (!slot.value || slot.generation != generation) return nullptr;
        return &slot;
    }

    HandleFamily family_;
    std::vector<Slot> slots_;
    std::vector<uint32_t> free_;
};

}  // namespace engine
