#include "exchange/ColTable.h"
#include "model/CView.h"
#include "platform/NumericText.h"
#include <QCoreApplication>

namespace vinaxo::exchange {

namespace {
const FieldCatalogue& catalogue()
{
    static const FieldCatalogue cat = BuildFieldCatalogue();
    return cat;
}
}

qint16 FindColID(const QString& name)
{
    const QStringView wanted = RightTrimmed(name);
    const FieldCatalogue& cat = catalogue();
    for (int n = 1; n <= cat.count; ++n) {
        if (RightTrimmed(cat.byNumber(n)->Name).compare(wanted, Qt::CaseInsensitive) == 0)
            return static_cast<qint16>(n);
    }
    return 0;
}

QString CatalogueName(int number)
{
    const FieldCatalogueRow* row = catalogue().byNumber(number);
    return row ? RightTrimmed(row->Name).toString() : QString();
}

QStringList CatalogueNames()
{
    QStringList names;
    for (int n = 1; n <= Cat::Count; ++n)
        names << CatalogueName(n);
    return names;
}

void ColTable::AddToColTable(const QString& name, const QString& width)
{
    qint16 w = 0;
    if (const auto v = ParseNumber(width))
        w = ToInt16(*v).value_or(0);
    m_items.push_back(ColItem{FindColID(name), w});
}

bool ColTable::Contains(int number) const
{
    for (const ColItem& item : m_items) {
        if (item.Number == number)
            return true;
    }
    return false;
}

QStringList ColTable::Names() const
{
    QStringList names;
    for (const ColItem& item : m_items) {
        const QString name = CatalogueName(item.Number);
        names << (name.isEmpty() ? QCoreApplication::translate("ColTable", "(unknown field %1)").arg(item.Number)
                                 : name);
    }
    return names;
}

} // namespace vinaxo::exchange
