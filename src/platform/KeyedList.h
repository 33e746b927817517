#pragma once
// The one keyed container of the model: insertion order, keys compared without regard
// to letter case (the first form added is kept), O(1) look-up, order kept on removal.
#include <QHash>
#include <QString>
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
        m_items.push_back(Item{key, std::move(value)});
        if (m_indexed)
            m_index.insert(fold(key), size() - 1);
        else if (size() > kLinearLimit)
            rebuildIndex();
        return true;
    }

    qsizetype indexOf(const QString& key) const
    {
        if (m_indexed) {
            auto it = m_index.constFind(fold(key));
            return it == m_index.cend() ? -1 : it.value();
        }
        for (qsizetype i = 0; i < size(); ++i) {
            if (m_items[std::size_t(i)].key.compare(key, Qt::CaseInsensitive) == 0)
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
            m_index.remove(fold(m_items[std::size_t(i)].key));
        m_items.erase(m_items.begin() + i);
        if (m_indexed) {
            for (qsizetype j = i; j < size(); ++j)
                m_index[fold(m_items[std::size_t(j)].key)] = j;
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

    // Keys such as "12" or "rock" are their own folded form: no copy is made for them.
    static QString fold(const QString& key)
    {
        for (QChar c : key) {
            const char16_t u = c.unicode();
            if (u >= 0x80 || (u >= u'A' && u <= u'Z'))
                return key.toCaseFolded();
        }
        return key;
    }

    void rebuildIndex()
    {
        m_index.clear();
        m_index.reserve(size() * 2);
        for (qsizetype j = 0; j < size(); ++j)
            m_index.insert(fold(m_items[std::size_t(j)].key), j);
        m_indexed = true;
    }

    std::vector<Item> m_items;
    QHash<QString, qsizetype> m_index;
    bool m_indexed = false;
};

} // namespace vinaxo
