#include "calc/TapeSession.h"
#include "model/CEntry.h"
#include "model/TimeText.h"
#include "platform/IMessageService.h"
#include "platform/TextTrim.h"
#include <QCoreApplication>

namespace vinaxo {

TapeSession::TapeSession(IMessageService& messages) : m_messages(messages) {}

void TapeSession::load(const CEntry& entry)
{
    m_available = AvailableTrackRows(entry);
    m_availableTimes.clear();
    const auto& tracks = entry.TrackEntries();
    for (qsizetype i = 0; i < m_available.size(); ++i)
        m_availableTimes.push_back(i < tracks.size() ? tracks.at(i)->CDTrackTime : QString());
}

QString TapeSession::lengthForMinutes(int minutes)
{
    return QString::number(minutes) + QStringLiteral(":00");
}

QStringList TapeSession::sideTexts(int s) const
{
    QStringList v;
    for (const Row& r : side(s))
        v.push_back(r.text);
    return v;
}

QString TapeSession::total(int s) const
{
    QString t = QStringLiteral("0:00");
    for (const Row& r : side(s))
        t = AddTimes(t, r.time);
    return t;
}

bool TapeSession::add(int availableRow)
{
    if (availableRow < 0 || availableRow >= m_available.size())
        return false;
    const QString text = SideRowText(m_available.at(availableRow));
    bool repeated = false;
    for (int s : {1, 2}) {
        for (const Row& r : side(s))
            repeated = repeated || RightTrimmed(r.text) == text;
    }
    if (repeated
        && m_messages.show(
               QCoreApplication::translate("TapeSession", "Track is already selected.  Do you want it repeated?"),
               QCoreApplication::translate("TapeSession", "Track will be repeated"), MsgIcon::Question,
               MsgButtons::YesNo, MsgDefault::Second)
            != MsgAnswer::Yes)
        return false;
    sideRef(m_current).push_back(Row{text, m_availableTimes.at(availableRow)});
    return true;
}

void TapeSession::addAll()
{
    for (int i = 0; i < m_available.size(); ++i)
        add(i);
}

bool TapeSession::takeRow(int row, const QString& missingText, Row& out)
{
    auto& rows = sideRef(m_current);
    if (row < 0 || std::size_t(row) >= rows.size()) {
        m_messages.show(missingText, QCoreApplication::translate("TapeSession", "Select an item"),
                        MsgIcon::Information);
        return false;
    }
    // The row keeps the time its track added, so that a title holding ";" gives back
    // exactly what it took.
    out = rows[std::size_t(row)];
    rows.erase(rows.begin() + row);
    return true;
}

bool TapeSession::remove(int row)
{
    Row r;
    return takeRow(row,
                   QCoreApplication::translate("TapeSession",
                                               "An item must be selected before you can delete it from the list."),
                   r);
}

bool TapeSession::moveToOtherSide(int row)
{
    Row r;
    if (!takeRow(row, QCoreApplication::translate("TapeSession", "An item must be selected before you can move it."),
                 r))
        return false;
    sideRef(m_current == 1 ? 2 : 1).push_back(r);
    return true;
}

void TapeSession::clear()
{
    m_sides[0].clear();
    m_sides[1].clear();
}

SideTables TapeSession::tables() const
{
    SideTables t;
    t.side1 = CollectSide(sideTexts(1));
    t.side2 = CollectSide(sideTexts(2));
    t.total1 = total(1);
    t.total2 = total(2);
    return t;
}

} // namespace vinaxo
