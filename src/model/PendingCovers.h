#pragma once
// Picture changes made since the collection was last saved. They reach the pictures
// beside the collection file only when the collection is saved: a collection that has no
// file yet loses none, and a change the user does not save changes nothing on disk.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

namespace vinaxo {

class PendingCovers {
public:
    // The new picture of key (JPEG or PNG bytes).
    void set(const QString& key, const QByteArray& image) { m_changes.insert(key, image); }
    // key's picture goes.
    void remove(const QString& key) { m_changes.insert(key, QByteArray()); }
    // Nothing when no change is pending for key; empty bytes when its picture goes.
    std::optional<QByteArray> find(const QString& key) const
    {
        const auto it = m_changes.constFind(key);
        return it == m_changes.constEnd() ? std::nullopt : std::optional<QByteArray>(*it);
    }
    bool isEmpty() const { return m_changes.isEmpty(); }
    void clear() { m_changes.clear(); }
    const QHash<QString, QByteArray>& changes() const { return m_changes; }
    void drop(const QString& key) { m_changes.remove(key); }

private:
    QHash<QString, QByteArray> m_changes;
};

} // namespace vinaxo
