#pragma once
// Views: named, ordered lists of columns with a report heading; the column vocabulary;
// the exchange field catalogue.
#include "platform/KeyedList.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>

namespace vinaxo {

class IElementIO;
class IMessageService;

class CColumn {
public:
    QString ColumnHeading;
    qint16 ColumnWidth = 0;
    bool ListVisible = true;

    const QString& Key() const { return m_key; }
    // Stores the key, then takes the heading and default width from the vocabulary.
    void setKey(const QString& key);
    bool ReportOnly() const { return m_reportOnly; }
    int KeyNumber() const { return m_key.toInt(); }

    // The vocabulary: the heading of a key; writes its default width into `width`
    // (unchanged for a bad key). 181 and 185 also make this column report-only.
    QString GetColumnName(const QString& key, qint16& width);

private:
    QString m_key;
    bool m_reportOnly = false;
};

// Heading and default width of a key without a column object; false for a bad key.
bool ColumnVocabulary(int key, QString* heading, qint16* width);
// Every key of the vocabulary in catalogue order: 101-109, 111-123, 127, 128, 181, 185.
const std::array<int, 26>& ColumnKeys();

using ColumnList = KeyedList<std::unique_ptr<CColumn>>;

class CView {
public:
    CView();
    ~CView();

    QString ViewName;
    QString ReportHeading = QStringLiteral("Vinaxo Report");
    IElementIO* FileIO = nullptr;

    ColumnList& ColumnEntries() { return m_columns; }
    const ColumnList& ColumnEntries() const { return m_columns; }
    qint32 TotalCols() const { return static_cast<qint32>(m_columns.size()); }
    CColumn* CurrColumn() const { return m_curr; }

    CColumn* AddNewColumn(int key);
    bool DeleteColumn(const QString& key);
    bool LocateColumnByKey(const QString& key);
    void ClearAllColumns();

    // The view block of the collection file through FileIO; LoadView reports an
    // unlisted code with `messages` and ends the block there (false).
    void SaveView();
    bool LoadView(IMessageService& messages);

private:
    ColumnList m_columns;
    CColumn* m_curr = nullptr;
};

// Creates a column with the key and adds it to the collection under its key.
void AddCatalogueColumn(const QString& key, ColumnList& collection);

struct FieldCatalogueRow {
    QString Name;     // blank-padded to 30 characters
    int Number = 0;   // 1 to 25, the row's position
    int MaxLength = 0;
    QString trimmedName() const { return Name.trimmed(); }
};

struct FieldCatalogue {
    std::array<FieldCatalogueRow, 25> rows;
    int count = 25;
    // Row by catalogue number (1 to 25); null outside.
    const FieldCatalogueRow* byNumber(int n) const
    {
        return n >= 1 && n <= count ? &rows[std::size_t(n - 1)] : nullptr;
    }
    // Row whose trimmed name equals the text (letter case ignored); null when none.
    const FieldCatalogueRow* byName(const QString& name) const;
};

FieldCatalogue BuildFieldCatalogue();

} // namespace vinaxo
