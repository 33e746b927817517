#pragma once
// Time texts: minutes ":" seconds, minutes up to 999 and seconds up to 59.
#include <QString>
#include <QtGlobal>

namespace vinaxo {

// Decimal text of a small whole number, shared rather than allocated each time (keys).
QString KeyText(qint64 n);

bool IsValidTime(const QString& text);
// Seconds of a valid time text; 0 for any other text and for a time beyond the 16-bit
// range (546:07), which is reported as invalid rather than overflowing.
qint16 TimeToSeconds(const QString& text);
// "mm:ss" with at least two digits each; 75 gives "01:15", 7500 gives "125:00".
// A negative count gives a leading minus sign ("-03:30").
QString SecondsToTime(qint32 seconds);
QString AddTimes(const QString& a, const QString& b);
bool NormalizeTime(QString& text);
QString PackedTimeToText(qint32 value);

} // namespace vinaxo
