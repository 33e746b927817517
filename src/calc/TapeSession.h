#pragma once
// One planning session of the tape calculator: the recording's available tracks, the
// tape length, the two sides with their totals and remaining times, and the rules for
// adding (with the repeat question), deleting, moving and clearing. The calculator
// window and the command line both drive this class.
#include "calc/TapeCalc.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace vinaxo {

class CEntry;
class IMessageService;

class TapeSession {
public:
    struct Row {
        QString text; // as the side list shows it: title "; " time
        QString time; // the time its track added to the side
    };

    explicit TapeSession(IMessageService& messages);

    // The recording's track slots; the sides are left as they are.
    void load(const CEntry& entry);
    const QStringList& availableRows() const { return m_available; }

    // "90:00" on opening; an empty length leaves "0:00" remaining on both sides.
    void setTapeLength(const QString& length) { m_length = length; }
    const QString& tapeLength() const { return m_length; }
    // The length for a whole number of minutes ("60:00").
    static QString lengthForMinutes(int minutes);

    // The side that receives, loses or gives tracks: 1 or 2.
    int currentSide() const { return m_current; }
    void setCurrentSide(int side) { m_current = side == 2 ? 2 : 1; }

    const std::vector<Row>& side(int s) const { return s == 2 ? m_sides[1] : m_sides[0]; }
    QStringList sideTexts(int s) const;
    QString total(int s) const;
    // Half the tape less the side's total; negative ("-3:30") on an overrun.
    QString remaining(int s) const { return RemainingTime(m_length, total(s)); }

    // Adds the available row (from 0) to the current side. A track already on a side is
    // repeated only when the user says Yes. False when nothing was added.
    bool add(int availableRow);
    // Every available row in turn, each with its own repeat question.
    void addAll();
    // Removes a row (from 0, -1 for none selected) of the current side; with none
    // selected the user is told. False when nothing changed.
    bool remove(int row);
    // Moves a row of the current side to the end of the other side; the current side
    // stays. With none selected the user is told.
    bool moveToOtherSide(int row);
    void clear();

    // The side tables as copied and printed: each row split at its first ";".
    SideTables tables() const;

private:
    std::vector<Row>& sideRef(int s) { return s == 2 ? m_sides[1] : m_sides[0]; }
    bool takeRow(int row, const QString& missingText, Row& out);

    IMessageService& m_messages;
    QStringList m_available;
    QStringList m_availableTimes;
    QString m_length = QStringLiteral("90:00");
    int m_current = 1;
    std::vector<Row> m_sides[2];
};

} // namespace vinaxo
