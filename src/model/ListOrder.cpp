#include "model/ListOrder.h"
#include "model/CEntries.h"
#include "model/CEntrySequence.h"
#include "model/TimeText.h"
#include "platform/IFormats.h"
#include "platform/NumericText.h"

#include <QHash>

#include <algorithm>
#include <optional>

namespace vinaxo {

namespace {

// Where a row stands before its value is looked at: nothing shown first, then values,
// then texts that are no value (a total time from an old file that is not a time).
enum Group : int { Empty = 0, Valued = 1, Unreadable = 2 };

// A row of a text column: the rank of its text among the distinct texts of the column.
struct TextRow {
    const CEntry* entry;
    qsizetype rank;
};

struct ValueRow {
    const CEntry* entry;
    Group group = Valued;
    qint64 whole = 0;
    double real = 0.0;
    QString text; // only for an unreadable value
};

bool lessValue(const ValueRow& x, const ValueRow& y)
{
    if (x.group != y.group)
        return x.group < y.group;
    if (x.whole != y.whole)
        return x.whole < y.whole;
    if (x.real != y.real)
        return x.real < y.real;
    return x.group == Unreadable && x.text.compare(y.text, Qt::CaseInsensitive) < 0;
}

bool isBlank(const QString& s)
{
    return std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.isSpace(); });
}

// Seconds of a time text, without the 16-bit limit of TimeToSeconds: 999:59 is a time.
void timeValue(const QString& text, ValueRow& row)
{
    if (isBlank(text)) {
        row.group = Empty;
    } else if (IsValidTime(text)) {
        const qsizetype colon = text.indexOf(u':');
        row.real = *ParseNumber(QStringView(text).left(colon)) * 60.0
                   + *ParseNumber(QStringView(text).mid(colon + 1));
    } else {
        row.group = Unreadable;
        row.text = text;
    }
}

ValueRow valueRow(const CEntry* e, int key)
{
    ValueRow r{e};
    switch (key) {
    case Field::NbrDisks: r.whole = e->CDNbrDisks; break;
    case Field::NbrTracks: r.whole = e->CDNbrTracks; break;
    case Field::RatePerform: r.whole = e->CDRatePerform; break;
    case Field::RateSound: r.whole = e->CDRateSound; break;
    case Field::PurchCost: r.whole = e->CDPurchCost.units; break;
    case Field::RelYear: // 0 is shown as nothing
        if (e->CDRelYear == 0)
            r.group = Empty;
        r.whole = e->CDRelYear;
        break;
    case Field::PurchDate: {
        // By the day shown; a date that cannot be shown is empty.
        const QDate d = e->CDPurchDate ? e->CDPurchDate->date() : QDate();
        if (d.isValid())
            r.whole = d.toJulianDay();
        else
            r.group = Empty;
        break;
    }
    case Field::TotalTime: timeValue(e->CDTotalTime, r); break;
    default: break;
    }
    return r;
}

// Sorts rows of any kind and puts their recordings back in that order. Descending
// swaps the arguments rather than reversing, so equal values stay in collection order.
template <typename Row, typename Less>
void sortRows(std::vector<Row>& rows, bool descending, Less less,
              std::vector<const CEntry*>& entries)
{
    if (descending)
        std::stable_sort(rows.begin(), rows.end(), [&](const Row& x, const Row& y) { return less(y, x); });
    else
        std::stable_sort(rows.begin(), rows.end(), less);
    for (std::size_t i = 0; i < rows.size(); ++i)
        entries[i] = rows[i].entry;
}

// Ranks the texts of a column: texts that collate equal, and all blank texts, share a
// rank; blank ranks first. A sort key is made once per distinct text (a column such as
// the artist repeats its texts many times); comparing two keys is a byte comparison.
std::vector<TextRow> rankTexts(const std::vector<const CEntry*>& entries, int column,
                               const QCollator& collator)
{
    std::vector<TextRow> rows;
    rows.reserve(entries.size());
    QHash<QString, qsizetype> indexOf;
    indexOf.reserve(qsizetype(entries.size()));
    QStringList texts;
    for (const CEntry* e : entries) {
        const QString text = e->GetDataForColumn(column);
        const auto it = indexOf.constFind(text);
        qsizetype index = texts.size();
        if (it != indexOf.cend()) {
            index = *it;
        } else {
            indexOf.insert(text, index);
            texts.push_back(text);
        }
        rows.push_back(TextRow{e, index}); // the index of its text until ranked below
    }
    struct Keyed {
        qsizetype index;
        QCollatorSortKey key;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(std::size_t(texts.size()));
    std::vector<qsizetype> rankOf(std::size_t(texts.size()), 0);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (!isBlank(texts[i]))
            keyed.push_back(Keyed{i, collator.sortKey(texts[i])});
    }
    std::sort(keyed.begin(), keyed.end(),
              [](const Keyed& x, const Keyed& y) { return x.key.compare(y.key) < 0; });
    qsizetype rank = 0; // the blanks' rank
    for (std::size_t k = 0; k < keyed.size(); ++k) {
        if (k == 0 || keyed[k - 1].key.compare(keyed[k].key) != 0)
            ++rank;
        rankOf[std::size_t(keyed[k].index)] = rank;
    }
    for (TextRow& r : rows)
        r.rank = rankOf[std::size_t(r.rank)];
    return rows;
}

QLocale collationLocale(const std::vector<const CEntry*>& entries)
{
    const CEntry* first = entries.empty() ? nullptr : entries.front();
    return first && first->Entries ? first->Entries->formats().locale() : QLocale();
}

} // namespace

ColumnOrder OrderOfColumn(int key)
{
    switch (key) {
    case Field::TotalTime:
        return ColumnOrder::Time;
    case Field::NbrDisks: case Field::NbrTracks: case Field::PurchCost: case Field::PurchDate:
    case Field::RatePerform: case Field::RateSound: case Field::RelYear:
        return ColumnOrder::Value;
    default:
        return ColumnOrder::Text;
    }
}

QCollator ListCollator(const QLocale& locale)
{
    // English has no tailoring of the root collation, so it stands in for the C locale.
    QCollator c(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale);
    // Case-insensitive is ICU's secondary strength: base letters decide, accents break ties.
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
}

int CompareListText(const QString& a, const QString& b)
{
    // One collator per locale, not one per call.
    thread_local QString cachedName;
    thread_local std::optional<QCollator> cached;
    const QLocale locale;
    if (!cached || cachedName != locale.name()) {
        cached = ListCollator(locale);
        cachedName = locale.name();
    }
    return cached->compare(a, b);
}

void SortForList(std::vector<const CEntry*>& entries, const ListSort& sort)
{
    if (!CEntry::HasColumnData(sort.columnKey) || entries.size() < 2)
        return;
    if (OrderOfColumn(sort.columnKey) == ColumnOrder::Text) {
        std::vector<TextRow> rows =
            rankTexts(entries, sort.columnKey, ListCollator(collationLocale(entries)));
        sortRows(rows, sort.descending,
                 [](const TextRow& x, const TextRow& y) { return x.rank < y.rank; }, entries);
    } else {
        std::vector<ValueRow> rows;
        rows.reserve(entries.size());
        for (const CEntry* e : entries)
            rows.push_back(valueRow(e, sort.columnKey));
        sortRows(rows, sort.descending, lessValue, entries);
    }
}

std::vector<const CEntry*> ListOrderEntries(const CEntries& entries, const ListSort& sort,
                                            bool selectedOnly)
{
    std::vector<const CEntry*> order;
    order.reserve(std::size_t(entries.Count()));
    for (const auto& item : entries.Entries()) {
        if (!selectedOnly || item.value->Selected)
            order.push_back(item.value.get());
    }
    SortForList(order, sort);
    return order;
}

QStringList ListOrder(const CEntries& entries, const ListSort& sort, bool selectedOnly)
{
    QStringList keys;
    const auto order = ListOrderEntries(entries, sort, selectedOnly);
    keys.reserve(qsizetype(order.size()));
    for (const CEntry* e : order)
        keys.push_back(e->CDKey);
    return keys;
}

void RebuildSequence(CEntrySequence& sequence, const QStringList& keys)
{
    sequence.setCount(qint32(keys.size()));
    for (const QString& k : keys)
        sequence.Add(k);
}

} // namespace vinaxo
