#include "model/Utility.h"
#include "model/CEntries.h"

namespace vinaxo {

void LoadDefaultCategories(CEntries& entries)
{
    for (const char* name : {"Classical", "Pop", "Jazz", "New Age", "E-Z Listen", "Movie/Show",
                             "Country", "Blues", "BlueGrass", "Gospel", "Spoken", "Opera",
                             "Top 40", "Rock", "CD ROM", "InterActCD"})
        entries.AddNewCategory(QString::fromLatin1(name));
}

void LoadDefaultMediums(CEntries& entries)
{
    for (const char* name : {"CD", "Cassette", "LP Album", "DAT", "Other", "MiniDisk", "DVD"})
        entries.AddNewMedium(QString::fromLatin1(name));
}

QString ConvertMediumCode(const QString& code)
{
    if (code == u"C")
        return QStringLiteral("Comp Disc");
    if (code == u"T")
        return QStringLiteral("Cassette");
    if (code == u"R")
        return QStringLiteral("LP");
    if (code == u"D")
        return QStringLiteral("DAT");
    if (code == u"O")
        return QStringLiteral("Other");
    return code;
}

void EnsureStandardView(CEntries& entries)
{
    if (!entries.ViewEntries().isEmpty())
        return;
    entries.AddNewView(QStringLiteral("Standard View"));
    if (CView* view = entries.CurrView()) {
        view->AddNewColumn(101);
        view->AddNewColumn(127);
        view->AddNewColumn(103);
    }
}

QStringList ViewNameList(const CEntries& entries)
{
    QStringList names;
    for (const auto& item : entries.ViewEntries())
        names << item.value->ViewName;
    return names;
}

} // namespace vinaxo
