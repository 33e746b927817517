#include "ui/lists/NameListKind.h"

#include "history/CollectionHistory.h"
#include "model/Workspace.h"
#include "platform/IMessageService.h"

namespace vinaxo {

const NameListKind& CategoryListKind()
{
    static const NameListKind kind{
        [](const CEntries& e) { return ListedNames(e.CategoryEntries()); },
        [](CEntries& e, QString& name) { return e.AddNewCategory(name); },
        [](CEntries& e, const QString& name) { return e.DeleteCategory(name); },
        &Workspace::refillCategories,
        "frmCategoryList", "Edit Category List",
        "lvCategories", "Category",
        "txtCategory", "Selected Category",
        "cmdAddCategory", "Add Category",
        "cmdDeleteCategory", "Delete Category",
        "Category",
        "Unable to add the new category to the list because it already exists.",
        "Error Adding Category",
        "Unable to delete category ",
        " because it is in use by one or more entries. You need to change these entries to use "
        "a different category before you can delete this category.",
        "Error Deleting Category",
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
        "frmMediumList", "Edit Medium List",
        "lvMediums", "Medium",
        "txtMedium", "Selected Medium",
        "cmdAddMedium", "Add Medium",
        "cmdDeleteMedium", "Delete Medium",
        "Medium",
        "Unable to add the new Medium to the list because it already exists.",
        "Error Adding Medium",
        "Unable to delete Medium ",
        " because it is in use by one or more entries. You need to change these entries to use "
        "a different Medium before you can delete this Medium.",
        "Error Deleting Medium",
    };
    return kind;
}

QStringList NameListEditor::names() const { return m_kind.names(m_ws.entries); }

bool NameListEditor::add(const QString& name)
{
    QString trimmed = name.trimmed();
    if (!m_kind.add(m_ws.entries, trimmed)) {
        m_ws.messages.show(QString::fromLatin1(m_kind.addFailText),
                           QString::fromLatin1(m_kind.addFailTitle), MsgIcon::Critical);
        return false;
    }
    m_ws.*m_kind.refill = true;
    if (m_ws.history)
        m_ws.history->listsChanged(CollectionHistory::StepText(QString::fromLatin1(m_kind.addCaption), trimmed));
    return true;
}

bool NameListEditor::remove(const QString& typed)
{
    const QString name = typed.trimmed();
    if (!m_kind.remove(m_ws.entries, name)) {
        m_ws.messages.show(QString::fromLatin1(m_kind.deleteFailStart) + name
                               + QString::fromLatin1(m_kind.deleteFailEnd),
                           QString::fromLatin1(m_kind.deleteFailTitle), MsgIcon::Critical);
        return false;
    }
    m_ws.*m_kind.refill = true;
    if (m_ws.history)
        m_ws.history->listsChanged(CollectionHistory::StepText(QString::fromLatin1(m_kind.deleteCaption), name));
    return true;
}

} // namespace vinaxo
