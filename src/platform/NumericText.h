#pragma once
// The platform's numeric tests, independent of any window.
#include <QString>
#include <optional>

namespace vinaxo {

// A number as the platform's numeric test accepts it: surrounding blanks, an optional
// sign (leading or trailing) or parentheses, digits with group separators, one decimal
// separator, an optional exponent. Returns nothing for any other text.
std::optional<double> ParseNumber(QStringView text, QChar point = u'.', QChar group = u',');

inline bool IsNumeric(QStringView text, QChar point = u'.', QChar group = u',')
{
    return ParseNumber(text, point, group).has_value();
}

// Strips blanks, and a sign (leading or trailing) or parentheses, telling whether they
// made the number negative.
QStringView TakeSign(QStringView text, bool& negative);

// The leading number of a text, as the platform's Val does: blanks are skipped, "."
// is the decimal point, reading stops at the first character that cannot continue the
// number; 0 when there is none.
double LeadingNumber(QStringView text);

// Rounds half to even and converts to a 16-bit integer, as the platform's integer
// conversion does; nothing when the value does not fit.
std::optional<qint16> ToInt16(double value);
std::optional<qint32> ToInt32(double value);

} // namespace vinaxo
