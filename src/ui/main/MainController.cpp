#include "ui/main/MainController.h"
#include "history/CollectionHistory.h"
#include "model/CEntries.h"
#include "model/ListOrder.h"
#include "model/Workspace.h"
#include "platform/IBusyPointer.h"
#include "ui/main/MainListModel.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace vinaxo {

MainController::MainController(Workspace& ws, MainListModel& model, IBusyPointer& busy)
    : m_ws(ws), m_model(model), m_busy(busy)
{
}

void MainController::notify()
{
    if (changed)
        changed();
}

QString MainController::CountText(int rows)
{
    return (rows == 1 ? QCoreApplication::translate("MainController", " %1 record")
                      : QCoreApplication::translate("MainController", " %1 records"))
        .arg(rows);
}

QString MainController::CountText(int rows, int of)
{
    return (of == 1 ? QCoreApplication::translate("MainController", " %1 of %2 record")
                    : QCoreApplication::translate("MainController", " %1 of %2 records"))
        .arg(rows)
        .arg(of);
}

QString MainController::countText() const
{
    return m_model.quickFilterOn() ? CountText(m_model.rowCount(), m_model.unfilteredCount())
                                   : CountText(m_model.rowCount());
}

void MainController::restorePlace(const QString& key, int formerRow)
{
    if (showRow)
        showRow(PlaceAfterRebuild(key.isEmpty() ? -1 : m_model.rowOfKey(key), formerRow, m_model.rowCount()));
}

void MainController::applyQuickFilter(std::shared_ptr<const QSet<QString>> keys)
{
    if (!keys && !m_model.quickFilterOn())
        return;
    const QString key = currentKey ? currentKey() : QString();
    const int formerRow = key.isEmpty() ? -1 : m_model.rowOfKey(key);
    m_model.setQuickFilter(std::move(keys));
    restorePlace(key, formerRow);
    m_panel2 = countText();
    notify();
    rebuildSequence();
}

void MainController::clearSearchFilter()
{
    m_filterDown = false;
    m_ws.filterOn = false;
    m_ws.allRecords = true;
    m_panel1.clear();
    notify();
}

void MainController::setHint(const QString& text)
{
    m_panel1 = text;
    notify();
}

int MainController::PlaceAfterRebuild(int rowOfKey, int formerRow, int rowCount)
{
    if (rowCount <= 0)
        return -1;
    if (rowOfKey >= 0)
        return rowOfKey;
    if (formerRow >= 0)
        return std::min(formerRow, rowCount - 1);
    return 0;
}

void MainController::rebuildList()
{
    // A recording just added takes the place of the one that was current.
    const QString key = !m_addedKey.isEmpty() ? std::exchange(m_addedKey, QString())
                        : currentKey              ? currentKey()
                                                  : QString();
    const int formerRow = key.isEmpty() ? -1 : m_model.rowOfKey(key);
    m_busy.ShowBusyPointer();
    m_panel2 = QCoreApplication::translate("MainController", "Refreshing list");
    notify();
    if (paintNow)
        paintNow();
    m_ws.allRecords = !m_filterDown;
    if (!m_ws.allRecords)
        m_ws.selection.ApplyFilter();
    m_model.rebuild(m_ws.entries.CurrView(), m_ws.entries, m_ws.allRecords);
    restorePlace(key, formerRow);
    m_busy.ShowNormalPointer();
    m_panel2 = countText();
    notify();
    rebuildSequence();
}

void MainController::filterRoutine()
{
    if (m_ws.filterOn)
        m_filterDown = true;
    m_busy.ShowBusyPointer();
    rebuildList();
    if (!m_ws.allRecords) {
        const CEntrySelection& s = m_ws.selection;
        if (s.SearchTypeText)
            m_panel1 = QCoreApplication::translate("MainController", "Records containing: %1").arg(s.SearchString);
        else if (s.SearchTypeTextBegin)
            m_panel1 = QCoreApplication::translate("MainController", "Records starting with: %1").arg(s.SearchString);
        else if (s.SearchTypeCategory)
            m_panel1 = QCoreApplication::translate("MainController", "Records in Category: %1").arg(s.SearchCategory);
        else if (s.SearchTypeMedium)
            m_panel1
                = QCoreApplication::translate("MainController", "Records with Medium of: %1").arg(s.SearchMedium);
    } else {
        m_panel1.clear();
    }
    m_busy.ShowNormalPointer();
    m_ws.filterOn = false;
    m_ws.rebuildList = false;
    notify();
}

bool MainController::activated()
{
    if (!m_refreshPending && !m_ws.rebuildList)
        return false;
    if (dataChanged)
        dataChanged();
    filterRoutine();
    // From now on every activation refreshes the list.
    m_refreshPending = true;
    return true;
}

void MainController::EntryChanged(qint32 action, const QString& key)
{
    if (action < 1 || action > 3)
        return;
    if (action == ActionInserted)
        m_addedKey = key;
    if (dataChanged)
        dataChanged();
    if (action == ActionDeleted) {
        m_model.removeKey(key); // its row must not outlive the recording
        m_panel2 = countText();
        notify();
    }
    m_refreshPending = true;
}

void MainController::showKey(const QString& key)
{
    if (dataChanged)
        dataChanged();
    m_addedKey = key;
    filterRoutine();
}

void MainController::clickColumn(int section)
{
    m_model.clickColumn(section);
    rebuildSequence();
}

void MainController::chooseView(const QString& name)
{
    m_ws.entries.LocateViewByName(name);
    rebuildList();
}

void MainController::rebuildSequence()
{
    RebuildSequence(m_ws.sequence, m_model.keys());
}

void MainController::clearList()
{
    // What could be taken back belongs to the collection that goes.
    if (m_ws.history)
        m_ws.history->clear();
    m_addedKey.clear();
    m_model.clear();
    if (dataChanged)
        dataChanged();
}

QString MainController::caption(bool fileCommandDone) const
{
    if (!fileCommandDone)
        return QCoreApplication::translate("MainController", "Vinaxo - Recording Collection");
    // Trailing blanks only: a path may begin with a space.
    QString name = m_ws.currentFileName;
    while (!name.isEmpty() && name.back().isSpace())
        name.chop(1);
    if (name.isEmpty())
        return QCoreApplication::translate("MainController", "Vinaxo Recording Collection (Unnamed)");
    return QCoreApplication::translate("MainController", "Vinaxo Recording Collection %1").arg(name);
}

bool MainController::saveEnabled() const
{
    return !m_ws.currentFileName.trimmed().isEmpty();
}

bool MainController::toolbarSaveIsSaveAs() const
{
    return m_ws.entries.Count() == 0 || !saveEnabled();
}

QString MainController::backgroundHint() const
{
    return m_ws.entries.Count() == 0
        ? QCoreApplication::translate("MainController", "Open a file or enter new entries")
        : QStringLiteral(" ");
}

} // namespace vinaxo
