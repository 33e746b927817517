#pragma once
// Recordings that are the same recording by their key fields: artist and title, and when
// chosen also medium and catalogue number, compared with letter case, accents and
// surrounding blanks ignored. The index follows the collection through the keys it
// reports as touched, so a check after a change costs a few hash look-ups.
#include <QString>
#include <QStringList>
#include <string>
#include <unordered_map>

namespace vinaxo {

class CEntries;
class CEntry;

namespace DuplicateField {
enum : int { ArtistTitle = 0, Medium = 1, CatalogNumber = 2 };
}

class DuplicateIndex {
public:
    explicit DuplicateIndex(CEntries& entries) : m_entries(entries) {}

    // ArtistTitle plus any of Medium and CatalogNumber.
    int fields() const { return m_fields; }
    void setFields(int fields);
    // The choice as the settings keep it ("Artist,Title,Medium") and back.
    static QString FieldsText(int fields);
    static int FieldsFromText(const QString& text);

    // The other recordings held with the same key fields as `entry`, in collection order
    // (none when its artist and title are both blank).
    QStringList duplicatesOf(const CEntry& entry);
    // The first of them, empty when there is none.
    QString findDuplicate(const CEntry& entry);

    // What the comparison sees of a recording; empty when artist and title are blank.
    std::string signature(const CEntry& entry) const;

private:
    void sync();
    void insert(const CEntry& entry);
    void erase(const QString& key);

    CEntries& m_entries;
    int m_fields = DuplicateField::ArtistTitle;
    bool m_built = false;
    std::unordered_map<QString, std::string> m_signatureOf;
    std::unordered_multimap<std::string, QString> m_keysOf;
};

} // namespace vinaxo
