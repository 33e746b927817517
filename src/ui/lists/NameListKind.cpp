#include "ui/lists/NameListKind.h"

#include "history/CollectionHistory.h"
#include "model/Workspace.h"
#include "platform/IMessageService.h"

#include <QCoreApplication>

namespace vinaxo {

const NameListKind& CategoryListKind()
{
    static const NameListKind kind{
        [](const CEntries& e) { return ListedNames(e.CategoryEntries()); },
        [](CEntries& e, QString& name) { return e.AddNewCategory(name); },
        [](CEntries& e, const QString& name) { return e.DeleteCategory(name); },
        &Workspace::refillCategories,
        "frmCategoryList",
        QT_TRANSLATE_NOOP("NameList", "Edit Category List"),
        "lvCategories",
        QT_TRANSLATE_NOOP("NameList", "Category"),
        "txtCategory",
        QT_TRANSLATE_NOOP("NameList", "Selected Category"),
        "cmdAddCategory",
        QT_TRANSLATE_NOOP("NameList", "Add Category"),
        "cmdDeleteCategory",
        QT_TRANSLATE_NOOP("NameList", "Delete Category"),
        QT_TRANSLATE_NOOP("NameList", "Category"),
        QT_TRANSLATE_NOOP("NameList", "Unable to add the new category to the list because it already exists."),
        QT_TRANSLATE_NOOP("NameList", "Error Adding Category"),
        QT_TRANSLATE_NOOP("NameList", "Unable to delete category "),
        QT_TRANSLATE_NOOP("NameList",
                          " because it is in use by one or more entries. You need to change these entries to use "
                          "a different category before you can delete this category."),
        QT_TRANSLATE_NOOP("NameList", "Error Deleting Category"),
    };
    return kind;
}

const NameListKind& MediumListKind()
{
    static const NameListKind kind{
        [](const CEntries& e) { return ListedNames(e.MediumEntries()); },
        [](CEntries& e, QString& name) { return e.AddNewMedium(name); },
        [](CEntries& e, const QString& name) { return e.DeleteMedium(name); },
        &Workspace::refillMediums,
        "frmMediumList",
        QT_TRANSLATE_NOOP("NameList", "Edit Medium List"),
        "lvMediums",
        QT_TRANSLATE_NOOP("NameList", "Medium"),
        "txtMedium",
        QT_TRANSLATE_NOOP("NameList", "Selected Medium"),
        "cmdAddMedium",
        QT_TRANSLATE_NOOP("NameList", "Add Medium"),
        "cmdDeleteMedium",
        QT_TRANSLATE_NOOP("NameList", "Delete Medium"),
        QT_TRANSLATE_NOOP("NameList", "Medium"),
        QT_TRANSLATE_NOOP("NameList", "Unable to add the new Medium to the list because it already exists."),
        QT_TRANSLATE_NOOP("NameList", "Error Adding Medium"),
        QT_TRANSLATE_NOOP("NameList", "Unable to delete Medium "),
        QT_TRANSLATE_NOOP("NameList",
                          " because it is in use by one or more entries. You need to change these entries to use "
                          "a different Medium before you can delete this Medium."),
        QT_TRANSLATE_NOOP("NameList", "Error Deleting Medium"),
    };
    return kind;
}

QStringList NameListEditor::names() const { return m_kind.names(m_ws.entries); }

QString NameListText(const char* text)
{
    return QCoreApplication::translate("NameList", text);
}

bool NameListEditor::add(const QString& name)
{
    QString trimmed = name.trimmed();
    if (!m_kind.add(m_ws.entries, trimmed)) {
        m_ws.messages.show(NameListText(m_kind.addFailText), NameListText(m_kind.addFailTitle), MsgIcon::Critical);
        return false;
    }
    m_ws.*m_kind.refill = true;
    if (m_ws.history)
        m_ws.history->listsChanged(CollectionHistory::StepText(NameListText(m_kind.addCaption), trimmed));
    return true;
}

bool NameListEditor::remove(const QString& typed)
{
    const QString name = typed.trimmed();
    if (!m_kind.remove(m_ws.entries, name)) {
        m_ws.messages.show(NameListText(m_kind.deleteFailStart) + name + NameListText(m_kind.deleteFailEnd),
                           NameListText(m_kind.deleteFailTitle), MsgIcon::Critical);
        return false;
    }
    m_ws.*m_kind.refill = true;
    if (m_ws.history)
        m_ws.history->listsChanged(CollectionHistory::StepText(NameListText(m_kind.deleteCaption), name));
    return true;
}

} // namespace vinaxo
