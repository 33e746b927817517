#include "platform/Currency.h"

#include <limits>

namespace vinaxo {

QString Currency::toFixedText(int decimals, QChar point, QChar group) const
{
    decimals = qBound(0, decimals, 4);
    const bool negative = units < 0;
    // Work on the magnitude as unsigned so that the most negative value is safe.
    quint64 mag = negative ? quint64(0) - quint64(units) : quint64(units);
    quint64 divisor = 1;
    for (int i = decimals; i < 4; ++i)
        divisor *= 10;
    if (divisor > 1) {
        const quint64 rem = mag % divisor;
        mag /= divisor;
        if (rem * 2 >= divisor)
            ++mag;
    }
    quint64 pow10 = 1;
    for (int i = 0; i < decimals; ++i)
        pow10 *= 10;
    const quint64 whole = mag / pow10;
    const quint64 frac = mag % pow10;

    QString wholeText = QString::number(whole);
    if (!group.isNull()) {
        for (qsizetype pos = wholeText.size() - 3; pos > 0; pos -= 3)
            wholeText.insert(pos, group);
    }
    QString out;
    if (negative && mag != 0)
        out += u'-';
    out += wholeText;
    if (decimals > 0) {
        out += point;
        out += QString::number(frac).rightJustified(decimals, u'0');
    }
    return out;
}

QString Currency::toPlainText() const
{
    return toFixedText(4);
}

std::optional<Currency> Currency::parse(QStringView text, QChar point, QChar group)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    quint64 whole = 0;
    int wholeDigits = 0;
    constexpr quint64 maxWhole = quint64(std::numeric_limits<qint64>::max()) / 10000 + 1;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit()) {
            whole = whole * 10 + quint64(c.digitValue());
            if (whole > maxWhole)
                return std::nullopt;
            ++wholeDigits;
        } else if (!group.isNull() && c == group && wholeDigits > 0) {
            continue;
        } else {
            break;
        }
    }
    quint64 frac = 0;
    int fracDigits = 0;
    int roundDigit = -1;
    bool stickyNonZero = false;
    if (i < n && text[i] == point) {
        ++i;
        for (; i < n && text[i].isDigit(); ++i) {
            const int d = text[i].digitValue();
            if (fracDigits < 4) {
                frac = frac * 10 + quint64(d);
                ++fracDigits;
            } else if (roundDigit < 0) {
                roundDigit = d;
            } else if (d != 0) {
                stickyNonZero = true;
            }
        }
    }
    if (i != n || wholeDigits + fracDigits == 0)
        return std::nullopt;
    for (int k = fracDigits; k < 4; ++k)
        frac *= 10;
    quint64 mag = whole * 10000 + frac;
    if (roundDigit > 5 || (roundDigit == 5 && (stickyNonZero || (mag & 1))))
        ++mag;
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    if (mag > limit)
        return std::nullopt;
    Currency c;
    c.units = negative ? qint64(quint64(0) - mag) : qint64(mag);
    return c;
}

} // namespace vinaxo
