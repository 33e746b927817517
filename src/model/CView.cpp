#include "model/CView.h"
#include "model/TimeText.h"

namespace vinaxo {

namespace {
struct VocabRow {
    int key;
    const char* heading;
    qint16 width;
};
constexpr VocabRow kVocabulary[] = {
    {101, "Artist", 40},      {102, "Awards", 40},        {103, "Category", 10},
    {104, "Catalog Nbr", 20}, {105, "Coll Nbr", 10},      {106, "Comments", 40},
    {107, "Composer", 40},    {108, "Conductor", 40},     {109, "Description", 40},
    {111, "Label", 20},       {112, "Location", 10},      {113, "Medium", 10},
    {114, "Misc Key 1", 10},  {115, "Misc Key 2", 10},    {116, "Misc Key 3", 10},
    {117, "Nbr Discs", 5},    {118, "Nbr Tracks", 3},     {119, "Cost", 7},
    {120, "Purchase Date", 10}, {121, "Performance", 2},  {122, "Sound", 2},
    {123, "Rel Year", 5},     {127, "Title", 40},         {128, "Total Time", 5},
    {181, "Track Titles", 60}, {185, "Track Titles/Times", 60},
};

int keyNumber(const QString& key)
{
    bool ok = false;
    const int k = key.trimmed().toInt(&ok);
    return ok ? k : -1;
}
}

bool ColumnVocabulary(int key, QString* heading, qint16* width)
{
    for (const VocabRow& row : kVocabulary) {
        if (row.key == key) {
            if (heading)
                *heading = QString::fromLatin1(row.heading);
            if (width)
                *width = row.width;
            return true;
        }
    }
    return false;
}

const std::array<int, 26>& ColumnKeys()
{
    static const std::array<int, 26> keys = [] {
        std::array<int, 26> k{};
        for (std::size_t i = 0; i < k.size(); ++i)
            k[i] = kVocabulary[i].key;
        return k;
    }();
    return keys;
}

QString CColumn::GetColumnName(const QString& key, qint16& width)
{
    const int k = keyNumber(key);
    QString heading;
    if (!ColumnVocabulary(k, &heading, &width))
        return QStringLiteral("***BAD Key of ") + key;
    if (k == 181 || k == 185) {
        ListVisible = false;
        m_reportOnly = true;
    }
    return heading;
}

void CColumn::setKey(const QString& key)
{
    m_key = key;
    ColumnHeading = GetColumnName(key, ColumnWidth);
}

CView::CView() = default;
CView::~CView() = default;

CColumn* CView::AddNewColumn(int key)
{
    auto column = std::make_unique<CColumn>();
    column->setKey(KeyText(key));
    CColumn* raw = column.get();
    if (!m_columns.add(raw->Key(), std::move(column)))
        return nullptr; // the view has that key already
    m_curr = raw;
    return raw;
}

bool CView::DeleteColumn(const QString& key)
{
    if (!m_columns.isEmpty() && LocateColumnByKey(key)) {
        m_columns.remove(key);
        m_curr = nullptr;
    }
    return true;
}

bool CView::LocateColumnByKey(const QString& key)
{
    if (auto* c = m_columns.find(key)) {
        m_curr = c->get();
        return true;
    }
    return false;
}

void CView::ClearAllColumns()
{
    m_columns.clear();
    m_curr = nullptr;
}

void AddCatalogueColumn(const QString& key, ColumnList& collection)
{
    auto column = std::make_unique<CColumn>();
    column->setKey(key);
    const QString k = column->Key();
    collection.add(k, std::move(column));
}

const FieldCatalogueRow* FieldCatalogue::byName(const QString& name) const
{
    const QString wanted = name.trimmed();
    for (int i = 0; i < count; ++i) {
        if (rows[std::size_t(i)].trimmedName().compare(wanted, Qt::CaseInsensitive) == 0)
            return &rows[std::size_t(i)];
    }
    return nullptr;
}

FieldCatalogue BuildFieldCatalogue()
{
    static const std::pair<const char*, int> kRows[25] = {
        {"Title", 40},      {"Artist", 40},     {"Description", 40}, {"Category", 10},
        {"Label", 20},      {"Catalog Number", 20}, {"Nbr Discs", 5}, {"Rel Year", 5},
        {"Sound", 2},       {"Perform", 2},     {"Awards", 40},      {"Composer", 40},
        {"Conductor", 40},  {"Purch Date", 10}, {"Purch Cost", 7},   {"Location", 10},
        {"Coll Nbr", 10},   {"Misc 1", 10},     {"Misc 2", 10},      {"Misc 3", 10},
        {"Tracks", 3},      {"Time", 5},        {"Medium", 10},      {"Track Titles", 60},
        {"Track Titles/Times", 60},
    };
    FieldCatalogue cat;
    for (int i = 0; i < 25; ++i) {
        FieldCatalogueRow& row = cat.rows[std::size_t(i)];
        row.Name = QString::fromLatin1(kRows[i].first).leftJustified(30, u' ');
        row.Number = i + 1;
        row.MaxLength = kRows[i].second;
    }
    cat.count = 25;
    return cat;
}

} // namespace vinaxo
