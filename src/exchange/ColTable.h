#pragma once
// The selected-field table of the import/export window: the ordered catalogue numbers
// that make up one line of a delimited file.
#include <QString>
#include <QStringList>
#include <vector>

namespace vinaxo::exchange {

// Catalogue numbers of the exchange field catalogue (1 to 25); not the field numbers
// of a recording.
namespace Cat {
enum : int {
    Title = 1, Artist, Description, Category, Label, CatalogNumber, NbrDiscs, RelYear, Sound,
    Perform, Awards, Composer, Conductor, PurchDate, PurchCost, Location, CollNbr, Misc1,
    Misc2, Misc3, Tracks, Time, Medium, TrackTitles, TrackTitlesTimes,
    Count = TrackTitlesTimes,
};
}

struct ColItem {
    qint16 Number = 0; // catalogue number; outside 1..25 when read from a foreign file
    qint16 Width = 0;
    friend bool operator==(ColItem, ColItem) = default;
};

// The text without its trailing blanks, as the exchange compares and writes texts.
inline QStringView RightTrimmed(QStringView s)
{
    while (!s.isEmpty() && s.back() == u' ')
        s.chop(1);
    return s;
}

// The catalogue number of a name: trailing blanks removed, letter case ignored; 0 when
// no catalogue row has that name.
qint16 FindColID(const QString& name);
// The catalogue name of a number (trailing blanks removed); empty outside 1..25.
QString CatalogueName(int number);
// The 25 names in catalogue order, as the "Available Fields" list shows them.
QStringList CatalogueNames();

class ColTable {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    // Position 1..Count.
    const ColItem& Item(int position) const { return m_items[std::size_t(position - 1)]; }
    const std::vector<ColItem>& Items() const { return m_items; }

    // Appends the item for a catalogue name; the width is converted from its text (0 when
    // it is no number).
    void AddToColTable(const QString& name, const QString& width);
    void Append(ColItem item) { m_items.push_back(item); }
    void Clear() { m_items.clear(); }
    bool Contains(int number) const;

    // The names of the items in order (what the "Selected Fields" list shows); a number
    // without a catalogue row shows as "(unknown field N)".
    QStringList Names() const;

    friend bool operator==(const ColTable&, const ColTable&) = default;

private:
    std::vector<ColItem> m_items;
};

} // namespace vinaxo::exchange
