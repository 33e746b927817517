#pragma once
// The run log of the import/export window. Lines arrive one by one during a run and are
// shown in batches (flush), so that a run with thousands of rejected values does not
// redraw the list once per line.
#include <QAbstractListModel>
#include <QStringList>

namespace vinaxo {

class ExchangeLogModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Kept until the next flush.
    void append(const QString& line) { m_pending << line; }
    // Shows the lines appended since the last flush.
    void flush();

    const QStringList& lines() const { return m_lines; }
    // The lines of these rows in list order, each ended by a line feed (what Copy and
    // Save As write).
    QString text(const QModelIndexList& rows) const;
    QString text() const;

private:
    QStringList m_lines, m_pending;
};

} // namespace vinaxo
