#pragma once
// A hash table held in one array (open addressing, linear probing): a look-up reads one
// or two cache lines, where a node-based table chases a pointer per step, each likely a
// cache miss once the heap is large. Entries are found by a 64-bit hash and a test the
// caller gives, and are never removed.
#include <QtGlobal>
#include <utility>
#include <vector>

namespace vinaxo::exchange {

template <class Value>
class FlatTable {
public:
    // The value under hash h that `same` accepts; made by `make` when there is none
    // (*added then true). The reference is valid until the next look-up.
    template <class Same, class Make>
    Value& find(quint64 h, Same&& same, Make&& make, bool* added = nullptr)
    {
        if ((m_count + 1) * 2 > m_slots.size())
            grow();
        for (std::size_t i = std::size_t(h) & m_mask;; i = (i + 1) & m_mask) {
            Slot& s = m_slots[i];
            if (!s.used) {
                s = Slot{h, true, make()};
                ++m_count;
                if (added)
                    *added = true;
                return s.value;
            }
            if (s.hash == h && same(std::as_const(s.value))) {
                if (added)
                    *added = false;
                return s.value;
            }
        }
    }

    // A well-mixed 64-bit hash of one or two numbers.
    static quint64 mix(quint64 a, quint64 b = 0)
    {
        quint64 h = (a ^ (b * 0x9E3779B97F4A7C15ULL)) * 0xFF51AFD7ED558CCDULL;
        h ^= h >> 32;
        h *= 0xC4CEB9FE1A85EC53ULL;
        return h ^ (h >> 29);
    }

private:
    struct Slot {
        quint64 hash = 0;
        bool used = false;
        Value value{};
    };

    void grow()
    {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.clear();
        m_slots.resize(old.empty() ? 64 : old.size() * 2);
        m_mask = m_slots.size() - 1;
        for (Slot& s : old) {
            if (!s.used)
                continue;
            std::size_t i = std::size_t(s.hash) & m_mask;
            while (m_slots[i].used)
                i = (i + 1) & m_mask;
            m_slots[i] = std::move(s);
        }
    }

    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_count = 0;
};

} // namespace vinaxo::exchange
