// HandlePool: engine objects behind EngineHandle values that carry a generation.
//
// A handle is (generation << 20) | (slot + 1): never 0, always positive. A slot's
// generation grows each time the slot is reused, and each pool starts at a
// generation given by its owner (the engine starts every opening at a new one),
// so a handle of a destroyed object, or of an object from before a re-open,
// finds nothing instead of a stranger.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/engine.h"

namespace engine {

template <class T>
class HandlePool {
public:
    static constexpr int kSlotBits = 20;
    static constexpr uint32_t kSlotMask = (1u << kSlotBits) - 1;
    static constexpr uint32_t kGenerationMask = 0x7FF;  // 11 bits: handles stay positive

    explicit HandlePool(uint32_t firstGeneration = 1) : firstGeneration_(NonZero(firstGeneration)) {}

    EngineHandle Add(T value) {
        uint32_t slot;
        if (!free_.empty()) {
            slot = free_.back();
            free_.pop_back();
            slots_[slot].generation = NonZero(slots_[slot].generation + 1);
        } else {
            if (slots_.size() >= kSlotMask) return 0;
            slot = uint32_t(slots_.size());
            slots_.push_back(Slot{std::nullopt, firstGeneration_});
        }
        slots_[slot].value.emplace(std::move(value));
        return EngineHandle((slots_[slot].generation << kSlotBits) | (slot + 1));
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
        free_.push_back(uint32_t(slot - slots_.data()));
        return true;
    }

    // Calls f(handle, object) for every live object, in slot order.
    template <class F>
    void ForEach(F&& f) {
        for (size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].value) f(EngineHandle((slots_[i].generation << kSlotBits) | (i + 1)), *slots_[i].value);
        }
    }

    size_t Count() const { return slots_.size() - free_.size(); }

private:
    struct Slot {
        std::optional<T> value;
        uint32_t generation;
    };

    static uint32_t NonZero(uint32_t generation) {
        generation &= kGenerationMask;
        return generation == 0 ? 1 : generation;
    }

    Slot* Find(EngineHandle handle) {
        if (handle <= 0) return nullptr;
        const uint32_t bits = uint32_t(handle);
        const uint32_t index = (bits & kSlotMask);
        if (index == 0 || index > slots_.size()) return nullptr;
        Slot& slot = slots_[index - 1];
        if (!slot.value || slot.generation != (bits >> kSlotBits)) return nullptr;
        return &slot;
    }

    uint32_t firstGeneration_;
    std::vector<Slot> slots_;
    std::vector<uint32_t> free_;
};

}  // namespace engine
