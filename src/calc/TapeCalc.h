#pragma once
// The tape calculator's arithmetic and texts: side lengths and remaining times, the rows
// of the available-track and side lists, the side tables handed to the report, and the
// clipboard text.
#include <QString>
#include <QStringList>
#include <vector>

namespace vinaxo {

class CEntry;
class CPrinter;

// a - b as minutes ":" seconds ("45:00" - "3:30" = "41:30"). An overrun keeps its sign:
// "3:00" - "6:30" = "-3:30", and such a text is read back as that negative time. A text
// without ":" counts as 0:00.
QString SubtractTimes(const QString& a, const QString& b);
// a + b where either may be such a negative time; remaining times are added to with this.
QString AddSignedTimes(const QString& a, const QString& b);
// a / n, the seconds rounded half to even ("60:45" / 2 = "30:22"). n < 1 gives "0:00".
QString DivideTime(const QString& a, qint16 n);
// The time still free on a side of a tape of the given total length ("0:00" when the
// length is empty).
QString RemainingTime(const QString& tapeLength, const QString& sideTotal);

// "k.title; time"; a slot without a track reads "; ".
QString AvailableTrackRow(int position, const QString& title, const QString& time);
// One row per track slot: CDNbrTracks slots, or every track when it holds more.
QStringList AvailableTrackRows(const CEntry& entry);
// The side list's text for an available row: the part after its first ".".
QString SideRowText(const QString& availableRow);

struct SideRow {
    QString title;
    QString time;
};
struct SideTables {
    std::vector<SideRow> side1;
    std::vector<SideRow> side2;
    QString total1 = QStringLiteral("0:00");
    QString total2 = QStringLiteral("0:00");
};

// A side list entry split at its first ";" into title and time.
SideRow SplitSideRow(const QString& row);
std::vector<SideRow> CollectSide(const QStringList& rows);
// The sum of the rows' times (AddTimes from "0:00").
QString SideTotal(const std::vector<SideRow>& rows);
// "Side 1" TAB title TAB time CR LF for every side 1 row, then every side 2 row.
QString ClipboardText(const SideTables& tables);
// Hands the side tables to the report.
void SetCalcReport(CPrinter& printer, const SideTables& tables);

} // namespace vinaxo
