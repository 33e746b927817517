#pragma once
// The ordered list of recording keys that navigation, printing and export walk through,
// in the order the main list shows them. It never sorts.
#include <QString>
#include <unordered_map>
#include <vector>

namespace vinaxo {

class CEntrySequence {
public:
    // Prepares for a rebuild: empties the list and reserves room for n + 100 keys.
    // The position is left as it was.
    void setCount(qint32 n);
    qint32 Count() const { return static_cast<qint32>(m_keys.size()); }
    qint32 Position() const { return m_pos; } // 1..Count, 0 when not positioned

    QString CurrKey() const;
    QString FirstKey();
    QString LastKey();
    QString NextKey();
    QString PrevKey();
    bool Add(const QString& newKey);
    bool Locate(const QString& key);
    void Delete();
    void Start() { m_pos = 0; }

    // Key at a 1-based position, for walking without moving.
    qint32 KeyAt(qint32 position) const { return m_keys[std::size_t(position - 1)]; }

private:
    static bool toKey(const QString& text, qint32& key);
    void ensureIndex() const;

    std::vector<qint32> m_keys;
    qint32 m_pos = 0;
    // First position of each key; rebuilt lazily after a Delete shifts positions.
    mutable std::unordered_map<qint32, qint32> m_first;
    mutable bool m_indexValid = true;
};

} // namespace vinaxo
