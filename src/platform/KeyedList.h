#pragma once
// The one keyed container of the model: insertion order, keys compared without regard
// to letter case (the first form added is kept), O(1) look-up, order kept on removal.
#include <QString>
#include <unordered_map>
#include <vector>

namespace vinaxo {

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
            m_index.emplace(m_items.back().key, size() - 1);
        else if (size() > kLinearLimit)
            rebuildIndex();
    }

    qsizetype indexOf(const QString& key) const
    {
        if (m_indexed) {
            auto it = m_index.find(key);
            return it == m_index.end() ? -1 : it->second;
        }
        for (qsizetype i = 0; i < size(); ++i) {
            const QString& k = m_items[std::size_t(i)].key;
            // Simple case folding keeps the length, so keys of other lengths differ.
            if (k.size() == key.size() && k.compare(key, Qt::CaseInsensitive) == 0)
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

    void removeAt(qsizetype i)
    {
        if (m_indexed)
            m_index.erase(m_items[std::size_t(i)].key);
        m_items.erase(m_items.begin() + i);
        if (m_indexed) {
            for (qsizetype j = i; j < size(); ++j)
                m_index[m_items[std::size_t(j)].key] = j;
        }
    }

    void clear()
    {
        m_items.clear();
        m_index.clear();
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
    // Short lists (a recording's tracks, a view's columns) are searched directly; a hash
    // is built once a list grows past this.
    static constexpr qsizetype kLinearLimit = 16;

    void rebuildIndex()
    {
        m_index.clear();
        m_index.reserve(std::size_t(size()) * 2);
        for (qsizetype j = 0; j < size(); ++j)
            m_index.emplace(m_items[std::size_t(j)].key, j);
        m_indexed = true;
    }

    std::vector<Item> m_items;
    // Hashes and compares keys by their case-folded characters without making a folded copy.
    struct FoldedHash {
        std::size_t operator()(const QString& key) const noexcept
        {
            std::size_t h = 1469598103934665603ULL;
            const char16_t* p = reinterpret_cast<const char16_t*>(key.utf16());
            const qsizetype n = key.size();
            for (qsizetype i = 0; i < n; ++i) {
                char32_t c = p[i];
                if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1]))
                    c = QChar::surrogateToUcs4(char16_t(c), p[++i]);
                c = c < 0x80 ? (c >= u'A' && c <= u'Z' ? c + 32 : c) : QChar::toCaseFolded(c);
                h = (h ^ c) * 1099511628211ULL;
            }
            return h;
        }
    };
    struct FoldedEqual {
        bool operator()(const QString& a, const QString& b) const noexcept
        {
            return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
        }
    };
    std::unordered_map<QString, qsizetype, FoldedHash, FoldedEqual> m_index;
    bool m_indexed = false;
};

} // namespace vinaxo
