#pragma once

#include <QtGlobal>

#include <vector>

namespace quillane {

// Keys numbered from 0 in open addressing by a 32-bit hash. A slot holds a key's number and its
// hash, eight bytes, so that a hundred thousand keys cost no allocation each, the table stays in
// the cache, and a probe looks at a key only when the hashes agree.
class HashSlots {
public:
    struct Slot {
        quint32 hash = 0;
        qint32 key = -1;
    };

    // Room for `keys` keys at most.
    explicit HashSlots(std::size_t keys = 0) {
        std::size_t capacity = 16;
        while (capacity < keys * 2)
            capacity *= 2;
        m_slots.resize(capacity);
        m_mask = capacity - 1;
    }

    // The slot holding a key of this hash that `isKey` takes, or the empty one where it would go.
    template <typename IsKey> Slot& slotFor(quint32 hash, IsKey isKey) {
        return m_slots[indexFor(hash, isKey)];
    }
    template <typename IsKey> const Slot& slotFor(quint32 hash, IsKey isKey) const {
        return m_slots[indexFor(hash, isKey)];
    }

    // A table far larger than the cache: asking for the slot of the key `PrefetchAhead` keys on
    // lets the loads of several keys overlap.
    static constexpr std::size_t PrefetchAhead = 16;
    void prefetch(quint32 hash) const { __builtin_prefetch(&m_slots[hash & m_mask]); }

private:
    template <typename IsKey> std::size_t indexFor(quint32 hash, IsKey isKey) const {
        for (std::size_t at = hash & m_mask;; at = (at + 1) & m_mask) {
            const Slot& slot = m_slots[at];
            if (slot.key < 0 || (slot.hash == hash && isKey(slot.key)))
                return at;
        }
    }

    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
};

} // namespace quillane
