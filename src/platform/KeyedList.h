#pragma once
// The one keyed container of the model: insertion order, keys compared without regard
// to letter case (the first form added is kept), O(1) look-up, order kept on removal.
#include <QString>
#include <vector>

namespace vinaxo {

// Whether two keys are the same key of a keyed list: equal without regard to letter case.
// Simple case folding keeps the length, so keys of other lengths differ.
inline bool SameListKey(const QString& a, const QString& b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

template <class T>
class KeyedList {
public:
    struct Item {
        QString key;
        T value;
    };

    qsizetype size() const { return static_cast<qsizetype>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }

    // False (and nothing added) when the key is already present in any letter case.
    bool add(const QString& key, T value)
    {
        if (indexOf(key) >= 0)
            return false;
        addNew(key, std::move(value));
        return true;
    }

    // For keys that are unique by construction (counters): no search before adding.
    void addNew(const QString& key, T value)
    {
        Q_ASSERT(indexOf(key) < 0);
        if (m_items.capacity() == 0)
            m_items.reserve(8);
        m_items.push_back(Item{key, std::move(value)});
        if (m_indexed)
            insertIndex(size() - 1, foldedHash(m_items.back().key));
        else if (size() > kLinearLimit)
            rebuildIndex();
    }

    qsizetype indexOf(const QString& key) const
    {
        if (m_indexed) {
            const quint32 h = foldedHash(key);
            for (std::size_t s = h & m_mask;; s = (s + 1) & m_mask) {
                const qint32 slot = m_slots[s];
                if (slot == 0)
                    return -1;
                const std::size_t i = std::size_t(slot - 1);
                if (m_hashes[i] == h && SameListKey(m_items[i].key, key))
                    return qsizetype(i);
            }
        }
        for (qsizetype i = 0; i < size(); ++i) {
            if (SameListKey(m_items[std::size_t(i)].key, key))
                return i;
        }
        return -1;
    }

    bool contains(const QString& key) const { return indexOf(key) >= 0; }

    T* find(const QString& key)
    {
        const qsizetype i = indexOf(key);
        return i < 0 ? nullptr : &m_items[std::size_t(i)].value;
    }
    const T* find(const QString& key) const
    {
        const qsizetype i = indexOf(key);
        return i < 0 ? nullptr : &m_items[std::size_t(i)].value;
    }

    bool remove(const QString& key)
    {
        const qsizetype i = indexOf(key);
        if (i < 0)
            return false;
        removeAt(i);
        return true;
    }

    // At position i (clamped to the list), for putting back an item that was removed.
    void insertAt(qsizetype i, const QString& key, T value)
    {
        Q_ASSERT(indexOf(key) < 0);
        i = qBound(qsizetype(0), i, size());
        if (i == size()) { // at the end: no position moves
            addNew(key, std::move(value));
            return;
        }
        m_items.insert(m_items.begin() + i, Item{key, std::move(value)});
        if (m_indexed) {
            m_hashes.insert(m_hashes.begin() + i, foldedHash(m_items[std::size_t(i)].key));
            rebuildSlots();
        } else if (size() > kLinearLimit) {
            rebuildIndex();
        }
    }

    // Removes every item for which pred(Item&) is true, in one pass (pred may move the
    // value out first); the number removed.
    template <class Pred>
    qsizetype removeIf(Pred pred)
    {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (pred(m_items[i]))
                continue;
            if (kept != i) {
                m_items[kept] = std::move(m_items[i]);
                if (m_indexed)
                    m_hashes[kept] = m_hashes[i];
            }
            ++kept;
        }
        const qsizetype removed = qsizetype(m_items.size() - kept);
        m_items.erase(m_items.begin() + qsizetype(kept), m_items.end());
        if (m_indexed && removed > 0) {
            m_hashes.resize(kept);
            rebuildSlots();
        }
        return removed;
    }

    void removeAt(qsizetype i)
    {
        m_items.erase(m_items.begin() + i);
        if (m_indexed) {
            m_hashes.erase(m_hashes.begin() + i);
            rebuildSlots(); // positions after i moved; removal is rare
        }
    }

    void clear()
    {
        m_items.clear();
        m_hashes.clear();
        m_slots.clear();
        m_indexed = false;
    }

    T& at(qsizetype i) { return m_items[std::size_t(i)].value; }
    const T& at(qsizetype i) const { return m_items[std::size_t(i)].value; }
    const QString& keyAt(qsizetype i) const { return m_items[std::size_t(i)].key; }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.cbegin(); }
    auto end() const { return m_items.cend(); }

    void reserve(qsizetype n) { m_items.reserve(std::size_t(n)); }

private:
    // Short lists (a recording's tracks, a view's columns) are searched directly; an index
    // is built once a list grows past this: open addressing over positions (no node per
    // key, so building and clearing a large list costs a few allocations), with each key's
    // hash kept so that growing never hashes a text again.
    static constexpr qsizetype kLinearLimit = 16;

    // The case-folded characters, hashed without making a folded copy.
    static quint32 foldedHash(const QString& key) noexcept
    {
        quint64 h = 1469598103934665603ULL;
        const char16_t* p = reinterpret_cast<const char16_t*>(key.utf16());
        const qsizetype n = key.size();
        for (qsizetype i = 0; i < n; ++i) {
            char32_t c = p[i];
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1]))
                c = QChar::surrogateToUcs4(char16_t(c), p[++i]);
            c = c < 0x80 ? (c >= u'A' && c <= u'Z' ? c + 32 : c) : QChar::toCaseFolded(c);
            h = (h ^ c) * 1099511628211ULL;
        }
        return quint32(h ^ (h >> 32));
    }

    void insertIndex(qsizetype i, quint32 h)
    {
        m_hashes.push_back(h);
        if (std::size_t(size()) * 2 > m_slots.size()) {
            rebuildSlots();
            return;
        }
        place(i, h);
    }

    void place(qsizetype i, quint32 h)
    {
        std::size_t s = h & m_mask;
        while (m_slots[s] != 0)
            s = (s + 1) & m_mask;
        m_slots[s] = qint32(i + 1);
    }

    void rebuildIndex()
    {
        m_hashes.clear();
        m_hashes.reserve(m_items.capacity());
        for (const Item& item : m_items)
            m_hashes.push_back(foldedHash(item.key));
        m_indexed = true;
        rebuildSlots();
    }

    // At most half the slots used.
    void rebuildSlots()
    {
        std::size_t n = 64;
        while (n < std::size_t(size()) * 2 + 2)
            n *= 2;
        m_slots.assign(n, 0);
        m_mask = n - 1;
        for (qsizetype i = 0; i < size(); ++i)
            place(i, m_hashes[std::size_t(i)]);
    }

    std::vector<Item> m_items;
    std::vector<quint32> m_hashes; // per item, while indexed
    std::vector<qint32> m_slots;   // position + 1; 0 is a free slot
    std::size_t m_mask = 0;
    bool m_indexed = false;
};

} // namespace vinaxo
