#include "platform/NumericText.h"

#include <cmath>
#include <limits>

namespace vinaxo {

QStringView TakeSign(QStringView text, bool& negative)
{
    QStringView t = text.trimmed();
    negative = false;
    if (t.startsWith(u'(') && t.endsWith(u')')) {
        negative = true;
        t = t.mid(1, t.size() - 2).trimmed();
    }
    if (!t.isEmpty() && (t.front() == u'-' || t.front() == u'+')) {
        negative = negative != (t.front() == u'-');
        t = t.mid(1).trimmed();
    } else if (!t.isEmpty() && (t.back() == u'-' || t.back() == u'+')) {
        negative = negative != (t.back() == u'-');
        t = t.chopped(1).trimmed();
    }
    return t;
}

std::optional<double> ParseNumber(QStringView text, QChar point, QChar group)
{
    bool negative = false;
    const QStringView t = TakeSign(text, negative);
    if (t.isEmpty())
        return std::nullopt;
    QByteArray ascii;
    ascii.reserve(t.size() + 1);
    int digits = 0;
    bool seenPoint = false;
    qsizetype i = 0;
    const qsizetype n = t.size();
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            ascii += char(c.unicode());
            ++digits;
        } else if (c == point && !seenPoint) {
            ascii += '.';
            seenPoint = true;
        } else if (c == group && !seenPoint && digits > 0) {
            continue;
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        ascii += 'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            ascii += char(t[i++].unicode());
        int expDigits = 0;
        for (; i < n && t[i] >= u'0' && t[i] <= u'9'; ++i, ++expDigits)
            ascii += char(t[i].unicode());
        if (expDigits == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    bool ok = false;
    double v = ascii.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return negative ? -v : v;
}

double LeadingNumber(QStringView text)
{
    QByteArray ascii;
    bool seenDigit = false, seenPoint = false, seenExp = false, signAllowed = true;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        if (c >= u'0' && c <= u'9') {
            ascii += char(c.unicode());
            seenDigit = true;
            signAllowed = false;
        } else if ((c == u'-' || c == u'+') && signAllowed) {
            ascii += char(c.unicode());
            signAllowed = false;
        } else if (c == u'.' && !seenPoint && !seenExp) {
            ascii += '.';
            seenPoint = true;
            signAllowed = false;
        } else if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && seenDigit && !seenExp) {
            ascii += 'e';
            seenExp = true;
            signAllowed = true;
        } else {
            break;
        }
    }
    // Drop a dangling exponent or sign that has no digits after it.
    while (!ascii.isEmpty() && (ascii.endsWith('e') || ascii.endsWith('+') || ascii.endsWith('-')))
        ascii.chop(1);
    if (!seenDigit)
        return 0.0;
    bool ok = false;
    const double v = ascii.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

namespace {
template <class I>
std::optional<I> roundToInt(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value); // default rounding: half to even
    if (r < double(std::numeric_limits<I>::min()) || r > double(std::numeric_limits<I>::max()))
        return std::nullopt;
    return static_cast<I>(r);
}
}

std::optional<qint16> ToInt16(double value) { return roundToInt<qint16>(value); }
std::optional<qint32> ToInt32(double value) { return roundToInt<qint32>(value); }

} // namespace vinaxo
