#include "ui/exchange/ExchangeLogModel.h"

#include <algorithm>

namespace vinaxo {

int ExchangeLogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant ExchangeLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_lines.size() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return m_lines.at(index.row());
}

void ExchangeLogModel::flush()
{
    if (m_pending.isEmpty())
        return;
    const int first = int(m_lines.size());
    beginInsertRows({}, first, first + int(m_pending.size()) - 1);
    m_lines += m_pending;
    m_pending.clear();
    endInsertRows();
}

QString ExchangeLogModel::text(const QModelIndexList& rows) const
{
    std::vector<int> numbers;
    for (const QModelIndex& i : rows) {
        if (i.isValid() && i.row() < m_lines.size())
            numbers.push_back(i.row());
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    QString out;
    for (int row : numbers)
        out += m_lines.at(row) + u'\n';
    return out;
}

QString ExchangeLogModel::text() const
{
    QString out;
    for (const QString& line : m_lines)
        out += line + u'\n';
    return out;
}

} // namespace vinaxo
