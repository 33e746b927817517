#include "platform/NumericText.h"

#include <cmath>
#include <limits>
#include <string>

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

namespace {
// Digits read so far as a whole number; exact while there are at most 15 of them.
struct Whole {
    quint64 value = 0;
    int digits = 0;
    void add(char16_t c)
    {
        if (digits < 18)
            value = value * 10 + (c - u'0');
        ++digits;
    }
    bool exact() const { return digits <= 15; }
};

// Text of ASCII digits, point and exponent to a double (the std::string holds short
// texts without an allocation).
std::optional<double> toDouble(const std::string& ascii)
{
    bool ok = false;
    const double v = QByteArray::fromRawData(ascii.data(), qsizetype(ascii.size())).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}
}

std::optional<double> ParseNumber(QStringView text, QChar point, QChar group)
{
    bool negative = false;
    const QStringView t = TakeSign(text, negative);
    if (t.isEmpty())
        return std::nullopt;
    std::string ascii; // kept for the numbers that are no plain whole number
    Whole whole;
    bool seenPoint = false;
    qsizetype i = 0;
    const qsizetype n = t.size();
    for (; i < n; ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9') {
            ascii += char(c.unicode());
            whole.add(c.unicode());
        } else if (c == point && !seenPoint) {
            ascii += '.';
            seenPoint = true;
        } else if (c == group && !seenPoint && whole.digits > 0) {
            continue;
        } else {
            break;
        }
    }
    if (whole.digits == 0)
        return std::nullopt;
    bool exponent = false;
    if (i < n && (t[i] == u'e' || t[i] == u'E')) {
        exponent = true;
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
    if (!seenPoint && !exponent && whole.exact())
        return negative ? -double(whole.value) : double(whole.value);
    const auto v = toDouble(ascii);
    if (!v)
        return std::nullopt;
    return negative ? -*v : *v;
}

double LeadingNumber(QStringView text)
{
    std::string ascii;
    Whole whole;
    bool seenDigit = false, seenPoint = false, seenExp = false, signAllowed = true;
    bool negative = false;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n' || c == u'\r')
            continue;
        if (c >= u'0' && c <= u'9') {
            ascii += char(c.unicode());
            if (!seenPoint && !seenExp)
                whole.add(c.unicode());
            seenDigit = true;
            signAllowed = false;
        } else if ((c == u'-' || c == u'+') && signAllowed) {
            ascii += char(c.unicode());
            if (!seenExp)
                negative = c == u'-';
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
    if (!seenDigit)
        return 0.0;
    // A plain whole number needs no conversion routine.
    if (!seenPoint && !seenExp && whole.exact())
        return negative ? -double(whole.value) : double(whole.value);
    // Drop a dangling exponent or sign that has no digits after it.
    while (!ascii.empty() && (ascii.back() == 'e' || ascii.back() == '+' || ascii.back() == '-'))
        ascii.pop_back();
    return toDouble(ascii).value_or(0.0);
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
