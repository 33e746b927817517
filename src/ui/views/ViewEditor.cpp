#include "ui/views/ViewEditor.h"

#include "model/CEntries.h"
#include "model/Utility.h"
#include "platform/IMessageService.h"

#include <QCoreApplication>
#include <utility>

namespace vinaxo {

ViewEditor::ViewEditor(CEntries& entries) : m_entries(entries) {}

QStringList ViewEditor::viewNames() const { return ViewNameList(m_entries); }

ColumnRow ViewEditor::rowFor(const CColumn& column)
{
    return {column.Key(), column.ReportOnly() ? column.ColumnHeading + u'*' : column.ColumnHeading};
}

void ViewEditor::open()
{
    m_changed = false;
    if (CView* view = m_entries.CurrView(); view && !m_entries.ViewEntries().isEmpty())
        fill(view->ViewName);
}

void ViewEditor::fill(const QString& name)
{
    m_shown.clear();
    m_heading.clear();
    m_available.clear();
    for (const auto& item : m_entries.ColumnNames())
        m_available.push_back(rowFor(*item.value));
    m_selected.clear();
    m_working.clear();
    if (!m_entries.LocateViewByName(name))
        return;
    CView* view = m_entries.CurrView();
    m_shown = view->ViewName;
    m_heading = view->ReportHeading;
    for (const auto& item : view->ColumnEntries()) {
        const CColumn& column = *item.value;
        m_selected.push_back(rowFor(column));
        m_working.add(column.Key(), column);
        std::erase_if(m_available, [&](const ColumnRow& r) { return SameListKey(r.key, column.Key()); });
    }
}

void ViewEditor::chooseView(const QString& name)
{
    storeIfChanged();
    fill(name);
}

int ViewEditor::add(int availableRow)
{
    if (availableRow < 0 || availableRow >= int(m_available.size()))
        return -1;
    ColumnRow row = std::move(m_available[std::size_t(availableRow)]);
    m_available.erase(m_available.begin() + availableRow);
    CColumn column;
    column.setKey(row.key); // default heading and width
    m_working.add(row.key, column);
    m_selected.push_back(std::move(row));
    m_changed = true;
    return int(m_selected.size()) - 1;
}

int ViewEditor::remove(int selectedRow)
{
    if (selectedRow < 0 || selectedRow >= int(m_selected.size()))
        return -1;
    ColumnRow row = std::move(m_selected[std::size_t(selectedRow)]);
    m_selected.erase(m_selected.begin() + selectedRow);
    m_working.remove(row.key);
    m_available.push_back(std::move(row));
    m_changed = true;
    return int(m_available.size()) - 1;
}

int ViewEditor::moveUp(int selectedRow)
{
    m_changed = true;
    if (selectedRow < 1 || selectedRow >= int(m_selected.size()))
        return selectedRow;
    std::swap(m_selected[std::size_t(selectedRow)], m_selected[std::size_t(selectedRow - 1)]);
    return selectedRow - 1;
}

int ViewEditor::moveDown(int selectedRow)
{
    m_changed = true;
    if (selectedRow < 0 || selectedRow + 1 >= int(m_selected.size()))
        return selectedRow;
    std::swap(m_selected[std::size_t(selectedRow)], m_selected[std::size_t(selectedRow + 1)]);
    return selectedRow + 1;
}

qsizetype ViewEditor::workingIndex(int selectedRow) const
{
    if (selectedRow < 0 || selectedRow >= int(m_selected.size()))
        return -1;
    return m_working.indexOf(m_selected[std::size_t(selectedRow)].key);
}

std::optional<ViewEditor::Shown> ViewEditor::column(int selectedRow) const
{
    const qsizetype i = workingIndex(selectedRow);
    if (i < 0)
        return std::nullopt;
    const CColumn& c = m_working.at(i);
    return Shown{c.ColumnHeading, c.ColumnWidth};
}

std::optional<qint16> ViewEditor::adjustWidth(int selectedRow, const QString& text)
{
    const qsizetype i = workingIndex(selectedRow);
    if (i < 0)
        return std::nullopt;
    CColumn* c = &m_working.at(i);
    bool whole = false;
    const int width = text.trimmed().toInt(&whole);
    // A column narrower than one character cannot be printed: such a width is not taken.
    if (whole && width >= 1 && width <= 32767)
        c->ColumnWidth = qint16(width);
    else
        c->GetColumnName(c->Key(), c->ColumnWidth);
    m_changed = true;
    return c->ColumnWidth;
}

void ViewEditor::setHeading(const QString& text)
{
    m_heading = text;
    m_changed = true;
}

void ViewEditor::store()
{
    if (CView* view = m_entries.CurrView()) {
        view->ReportHeading = m_heading.trimmed();
        view->ClearAllColumns();
        for (const ColumnRow& row : m_selected) {
            CColumn* column = view->AddNewColumn(row.key.toInt());
            if (const CColumn* kept = m_working.find(row.key))
                column->ColumnWidth = kept->ColumnWidth;
        }
        m_entries.DBChanged = true;
    }
    m_changed = false;
}

void ViewEditor::storeIfChanged()
{
    if (m_changed)
        store();
}

bool ViewEditor::newView(const QString& name)
{
    storeIfChanged();
    if (!m_entries.AddNewView(name))
        return false;
    fill(m_entries.CurrView()->ViewName);
    m_entries.DBChanged = true;
    return true;
}

bool ViewEditor::deleteView(IMessageService& messages)
{
    if (m_entries.ViewEntries().size() < 2) {
        messages.show(QCoreApplication::translate(
                          "ViewEditor", "At least 1 view must be defined.  You cannot delete the last view."),
                      QCoreApplication::translate("ViewEditor", "View Delete Not Allowed"), MsgIcon::Critical);
        return false;
    }
    const MsgAnswer answer = messages.show(
        QCoreApplication::translate("ViewEditor", "Are you sure you want to delete view ''%1''?").arg(m_shown),
        QCoreApplication::translate("ViewEditor", "About to delete view"), MsgIcon::Question, MsgButtons::YesNo,
        MsgDefault::Second);
    if (answer != MsgAnswer::Yes)
        return false;
    m_changed = false; // the edits belonged to the view that goes
    m_entries.DeleteView(m_shown);
    if (CView* current = m_entries.CurrView())
        fill(current->ViewName);
    m_entries.DBChanged = true;
    return true;
}

bool AcceptNewViewName(const CEntries& entries, const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty()) {
        entries.messages().show(QCoreApplication::translate("ViewEditor", "A view name must be entered."),
                                QCoreApplication::translate("ViewEditor", "View Name Required"), MsgIcon::Critical);
        return false;
    }
    if (entries.VerifyViewByName(trimmed)) {
        entries.messages().show(
            QCoreApplication::translate("ViewEditor",
                                        "A view with this name already exists.  Please select another name.  "),
            QCoreApplication::translate("ViewEditor", "Duplicate View Name"), MsgIcon::Critical);
        return false;
    }
    return true;
}

} // namespace vinaxo
