#include "calc/TapeCalc.h"
#include "model/CEntry.h"
#include "model/TimeText.h"
#include "platform/TextTrim.h"
#include "platform/NumericText.h"
#include "print/CPrinter.h"

#include <cmath>

namespace vinaxo {

namespace {
// Minutes and seconds of a time text, each part right-trimmed and taken as a whole
// number; a part that is no number counts as 0.
struct MinSec {
    qint64 minutes = 0;
    qint64 seconds = 0;
};

qint64 wholePart(QStringView v)
{
    while (!v.isEmpty() && v.back().isSpace())
        v.chop(1);
    const auto n = ParseNumber(v);
    const auto i = n ? ToInt16(*n) : std::nullopt;
    return i.value_or(0);
}

MinSec splitTime(const QString& t)
{
    const qsizetype colon = t.indexOf(u':');
    if (colon < 0)
        return {};
    return {wholePart(QStringView(t).left(colon)), wholePart(QStringView(t).mid(colon + 1))};
}

// Seconds of a time that may carry a leading minus sign for the whole time, as an
// overrun is shown ("-3:30" is 210 seconds short).
qint64 signedSeconds(const QString& t)
{
    QStringView v = QStringView(t).trimmed();
    const bool negative = v.startsWith(u'-');
    const MinSec p = splitTime((negative ? v.mid(1) : v).toString());
    const qint64 s = p.minutes * 60 + p.seconds;
    return negative ? -s : s;
}

QString timeText(qint64 totalSeconds)
{
    const qint64 mag = totalSeconds < 0 ? -totalSeconds : totalSeconds;
    QString s = QString::number(mag / 60) + u':' + QString::number(mag % 60).rightJustified(2, u'0');
    return totalSeconds < 0 ? u'-' + s : s;
}
}

QString SubtractTimes(const QString& a, const QString& b)
{
    // In whole seconds, so that an overrun reads as one negative time ("-3:30") rather
    // than negative minutes beside positive seconds.
    return timeText(signedSeconds(a) - signedSeconds(b));
}

QString AddSignedTimes(const QString& a, const QString& b)
{
    return timeText(signedSeconds(a) + signedSeconds(b));
}

QString DivideTime(const QString& a, qint16 n)
{
    if (n < 1)
        return QStringLiteral("0:00");
    const MinSec t = splitTime(a);
    // Single precision and half-to-even rounding, as the figures were always computed.
    const float q = float(t.minutes) / float(n);
    const float whole = std::floor(q);
    const float fromMinutes = (q - whole) * 60.0f;
    const float fromSeconds = std::nearbyint(float(t.seconds) / float(n));
    const qint64 seconds = qint64(std::nearbyint(fromMinutes + fromSeconds));
    return QString::number(qint64(whole) + seconds / 60) + u':'
           + QString::number(seconds % 60).rightJustified(2, u'0');
}

QString RemainingTime(const QString& tapeLength, const QString& sideTotal)
{
    if (tapeLength.isEmpty())
        return QStringLiteral("0:00");
    return SubtractTimes(DivideTime(tapeLength, 2), sideTotal);
}

QString AvailableTrackRow(int position, const QString& title, const QString& time)
{
    return QString::number(position) + u'.' + title + QStringLiteral("; ") + time;
}

QStringList AvailableTrackRows(const CEntry& entry)
{
    const auto& tracks = entry.TrackEntries();
    const qsizetype slots = qMax<qsizetype>(entry.CDNbrTracks, tracks.size());
    QStringList rows;
    rows.reserve(slots);
    for (qsizetype i = 0; i < slots; ++i) {
        if (i < tracks.size()) {
            const CTrackEntry& t = *tracks.at(i);
            rows.push_back(AvailableTrackRow(int(i + 1), t.CDTrackTitle, t.CDTrackTime));
        } else {
            rows.push_back(QStringLiteral("; "));
        }
    }
    return rows;
}

QString SideRowText(const QString& availableRow)
{
    const QString row = RightTrimmed(availableRow);
    return row.mid(row.indexOf(u'.') + 1).trimmed();
}

SideRow SplitSideRow(const QString& row)
{
    const QString t = RightTrimmed(row);
    const qsizetype semi = t.indexOf(u';');
    if (semi < 0)
        return {t.trimmed(), QString()};
    return {t.left(semi).trimmed(), t.mid(semi + 1).trimmed()};
}

std::vector<SideRow> CollectSide(const QStringList& rows)
{
    std::vector<SideRow> side;
    side.reserve(std::size_t(rows.size()));
    for (const QString& r : rows)
        side.push_back(SplitSideRow(r));
    return side;
}

QString SideTotal(const std::vector<SideRow>& rows)
{
    QString total = QStringLiteral("0:00");
    for (const SideRow& r : rows)
        total = AddTimes(total, r.time);
    return total;
}

QString ClipboardText(const SideTables& tables)
{
    QString text;
    auto add = [&](const std::vector<SideRow>& rows, const QString& side) {
        for (const SideRow& r : rows) {
            text += side + u'\t' + RightTrimmed(r.title) + u'\t' + RightTrimmed(r.time)
                    + QStringLiteral("\r\n");
        }
    };
    add(tables.side1, QStringLiteral("Side 1"));
    add(tables.side2, QStringLiteral("Side 2"));
    return text;
}

void SetCalcReport(CPrinter& printer, const SideTables& tables)
{
    auto rows = [](const std::vector<SideRow>& v) {
        return qint16(qMin<std::size_t>(v.size(), 32767));
    };
    printer.ResetCalcSideData(rows(tables.side1), rows(tables.side2), tables.total1, tables.total2);
    for (const SideRow& r : tables.side1)
        printer.SetCalcSideData(1, r.title, r.time);
    for (const SideRow& r : tables.side2)
        printer.SetCalcSideData(2, r.title, r.time);
}

} // namespace vinaxo
