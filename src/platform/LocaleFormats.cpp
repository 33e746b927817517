#include "platform/IFormats.h"
#include "platform/NumericText.h"

#include <QRegularExpression>

namespace vinaxo {

namespace {
// A short-date pattern with every two-digit year widened to four digits.
QString widenYear(QString format)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    format.replace(twoDigitYear, QStringLiteral("yyyy"));
    static const QRegularExpression oneY(QStringLiteral("(?<!y)y(?!y)"));
    format.replace(oneY, QStringLiteral("yyyy"));
    return format;
}

int twoDigitYear(int y)
{
    // The platform's window: 00-29 are 2000s, 30-99 are 1900s.
    return y < 30 ? 2000 + y : 1900 + y;
}
}

LocaleFormats::LocaleFormats(const QLocale& locale, std::function<QDate()> today)
    : m_locale(locale), m_today(std::move(today))
{
    m_locale.setNumberOptions(QLocale::DefaultNumberOptions);
    m_shortFormat = widenYear(m_locale.dateFormat(QLocale::ShortFormat));
    const qsizetype d = m_shortFormat.indexOf(u'd');
    const qsizetype m = m_shortFormat.indexOf(u'M');
    const qsizetype y = m_shortFormat.indexOf(u'y');
    if (y >= 0 && y < m && y < d)
        m_order = Order::YMD;
    else if (d >= 0 && d < m)
        m_order = Order::DMY;
    else
        m_order = Order::MDY;
    m_point = m_locale.decimalPoint().isEmpty() ? QChar(u'.') : m_locale.decimalPoint().front();
    m_group = m_locale.groupSeparator().isEmpty() ? QChar(u',') : m_locale.groupSeparator().front();
    m_symbol = m_locale.currencySymbol(QLocale::CurrencySymbol);

    // Learn where the locale puts the symbol and the sign around the number.
    const QString number = m_locale.toString(1234.5, 'f', 2);
    const QString pos = m_locale.toCurrencyString(1234.5, m_symbol, 2);
    const QString neg = m_locale.toCurrencyString(-1234.5, m_symbol, 2);
    qsizetype at = pos.indexOf(number);
    if (at >= 0) {
        m_posPrefix = pos.left(at);
        m_posSuffix = pos.mid(at + number.size());
    } else {
        m_posPrefix = m_symbol;
    }
    at = neg.indexOf(number);
    if (at >= 0) {
        m_negPrefix = neg.left(at);
        m_negSuffix = neg.mid(at + number.size());
    } else {
        m_negPrefix = QStringLiteral("-") + m_posPrefix;
        m_negSuffix = m_posSuffix;
    }
}

QString LocaleFormats::shortDate(const QDate& date) const
{
    if (!date.isValid())
        return {};
    return m_locale.toString(date, m_shortFormat);
}

std::optional<QDate> LocaleFormats::parseDate(const QString& text) const
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;

    // Three numbers with any of the usual separators, in the locale's order (a leading
    // four-digit number is a year).
    static const QRegularExpression numeric(
        QStringLiteral("^(\\d{1,4})\\s*[/.\\-]\\s*(\\d{1,2})\\s*[/.\\-]\\s*(\\d{1,4})\\.?$"));
    const auto match = numeric.match(t);
    if (match.hasMatch()) {
        const QString a = match.captured(1), b = match.captured(2), c = match.captured(3);
        int year = 0, month = 0, day = 0;
        auto fullYear = [](const QString& s) {
            const int v = s.toInt();
            return s.size() <= 2 ? twoDigitYear(v) : v;
        };
        if (a.size() >= 3 || m_order == Order::YMD) {
            year = fullYear(a);
            month = b.toInt();
            day = c.toInt();
        } else if (m_order == Order::DMY) {
            day = a.toInt();
            month = b.toInt();
            year = fullYear(c);
        } else {
            month = a.toInt();
            day = b.toInt();
            year = fullYear(c);
        }
        const QDate date(year, month, day);
        if (date.isValid() && year >= 100 && year <= 9999)
            return date;
        return std::nullopt;
    }

    // Dates with month names, in the locale's and in common English forms.
    const QStringList formats = {
        m_locale.dateFormat(QLocale::LongFormat),
        m_locale.dateFormat(QLocale::ShortFormat),
        QStringLiteral("d MMMM yyyy"), QStringLiteral("d MMM yyyy"),
        QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy"),
        QStringLiteral("MMMM d yyyy"), QStringLiteral("MMM d yyyy"),
        QStringLiteral("d-MMM-yyyy"), QStringLiteral("d-MMM-yy"),
    };
    for (const QString& f : formats) {
        QDate d = m_locale.toDate(t, f);
        if (!d.isValid())
            d = QLocale::c().toDate(t, f);
        if (d.isValid() && d.year() >= 100 && d.year() <= 9999)
            return d;
    }
    return std::nullopt;
}

QString LocaleFormats::currency(Currency amount) const
{
    QString number = amount.toFixedText(2, m_point, m_group);
    if (number.startsWith(u'-'))
        return m_negPrefix + number.mid(1) + m_negSuffix;
    return m_posPrefix + number + m_posSuffix;
}

std::optional<Currency> LocaleFormats::parseCurrency(const QString& text) const
{
    QString withoutSymbol = text;
    if (!m_symbol.isEmpty())
        withoutSymbol.replace(m_symbol, QString());
    bool negative = false;
    QString t = TakeSign(withoutSymbol, negative).toString();
    if (t.isEmpty())
        return std::nullopt;
    // A non-breaking group separator is often typed as a plain space.
    if (m_group.isSpace())
        t.replace(u' ', m_group);
    auto value = Currency::parse(t, m_point, m_group);
    if (!value)
        return std::nullopt;
    if (negative)
        value->units = -value->units;
    return value;
}

std::optional<double> LocaleFormats::parseNumber(const QString& text) const
{
    QString t = text;
    if (!m_symbol.isEmpty() && t.contains(m_symbol))
        t.replace(m_symbol, QString());
    return ParseNumber(t, m_point, m_group);
}

QDate LocaleFormats::today() const
{
    return m_today ? m_today() : QDate::currentDate();
}

} // namespace vinaxo
