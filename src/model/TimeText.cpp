#include "model/TimeText.h"
#include "platform/NumericText.h"

#include <array>
#include <cmath>

namespace vinaxo {

QString KeyText(qint64 n)
{
    static const std::array<QString, 1024> cache = [] {
        std::array<QString, 1024> a;
        for (int i = 0; i < 1024; ++i)
            a[std::size_t(i)] = QString::number(i);
        return a;
    }();
    if (n >= 0 && n < 1024)
        return cache[std::size_t(n)];
    return QString::number(n);
}

namespace {
struct TimeParts {
    double minutes = 0;
    double seconds = 0;
};

// The checks of IsValidTime. Negative parts are no duration and are refused.
bool splitTime(const QString& text, TimeParts& out)
{
    const qsizetype colon = text.indexOf(u':');
    if (colon < 0)
        return false;
    const auto m = ParseNumber(QStringView(text).left(colon));
    const auto s = ParseNumber(QStringView(text).mid(colon + 1));
    if (!m || !s)
        return false;
    if (*m > 999 || *s > 59 || *m < 0 || *s < 0)
        return false;
    out.minutes = *m;
    out.seconds = *s;
    return true;
}

QString twoDigits(qint64 v)
{
    return QString::number(v).rightJustified(2, u'0');
}
}

bool IsValidTime(const QString& text)
{
    TimeParts p;
    return splitTime(text, p);
}

qint16 TimeToSeconds(const QString& text)
{
    TimeParts p;
    if (!splitTime(text, p))
        return 0;
    const auto v = ToInt16(p.minutes * 60.0 + p.seconds);
    return v.value_or(0);
}

QString SecondsToTime(qint32 seconds)
{
    const qint64 s = seconds;
    const qint64 mag = s < 0 ? -s : s;
    const QString body = twoDigits(mag / 60) + u':' + twoDigits(mag % 60);
    return s < 0 ? u'-' + body : body;
}

QString AddTimes(const QString& a, const QString& b)
{
    qint64 minutes = 0, seconds = 0;
    for (const QString* t : {&a, &b}) {
        const qsizetype colon = t->indexOf(u':');
        if (colon < 0)
            continue;
        auto part = [](QStringView v) -> qint64 {
            // right-trimmed, then converted as the platform converts to an integer
            while (!v.isEmpty() && v.back().isSpace())
                v.chop(1);
            const auto n = ParseNumber(v);
            if (!n)
                return 0;
            return std::llround(std::nearbyint(*n));
        };
        minutes += part(QStringView(*t).left(colon));
        seconds += part(QStringView(*t).mid(colon + 1));
    }
    const qint64 totalMinutes = minutes + seconds / 60;
    const qint64 restSeconds = seconds % 60;
    return QString::number(totalMinutes) + u':' + twoDigits(restSeconds);
}

bool NormalizeTime(QString& text)
{
    TimeParts p;
    if (!splitTime(text, p))
        return false;
    text = twoDigits(std::llround(std::nearbyint(p.minutes))) + u':'
           + twoDigits(std::llround(std::nearbyint(p.seconds)));
    return true;
}

QString PackedTimeToText(qint32 value)
{
    const auto v = static_cast<quint32>(value);
    const quint32 minutes = v & 0xFF;
    const quint32 seconds = v < 256 ? 0 : (v >> 8) & 0xFF;
    return twoDigits(minutes) + u':' + twoDigits(seconds);
}

} // namespace vinaxo
