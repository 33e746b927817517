#pragma once
// The system's locale formats and today's date, replaceable in tests.
#include "platform/Currency.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <functional>
#include <optional>

namespace vinaxo {

class IFormats {
public:
    virtual ~IFormats() = default;
    // The short date, always with a four-digit year, so that a date shown and typed back
    // is the same date.
    virtual QString shortDate(const QDate& date) const = 0;
    virtual std::optional<QDate> parseDate(const QString& text) const = 0;
    virtual QString currency(Currency amount) const = 0;
    virtual std::optional<Currency> parseCurrency(const QString& text) const = 0;
    virtual std::optional<double> parseNumber(const QString& text) const = 0;
    bool isNumeric(const QString& text) const { return parseNumber(text).has_value(); }
    virtual QDate today() const = 0;
    // The locale these formats come from; the list also collates its texts by it.
    virtual QLocale locale() const = 0;
};

// The formats of a QLocale (the system's in the application, a fixed one in tests).
class LocaleFormats final : public IFormats {
public:
    explicit LocaleFormats(const QLocale& locale = QLocale::system(),
                           std::function<QDate()> today = {});

    QString shortDate(const QDate& date) const override;
    std::optional<QDate> parseDate(const QString& text) const override;
    QString currency(Currency amount) const override;
    std::optional<Currency> parseCurrency(const QString& text) const override;
    std::optional<double> parseNumber(const QString& text) const override;
    QDate today() const override;
    QLocale locale() const override { return m_locale; }

    const QString& shortDateFormat() const { return m_shortFormat; }

private:
    QLocale m_locale;
    std::function<QDate()> m_today;
    QString m_shortFormat;
    QChar m_point;
    QChar m_group;
    QString m_symbol;
    QString m_posPrefix, m_posSuffix, m_negPrefix, m_negSuffix;
    enum class Order { DMY, MDY, YMD } m_order = Order::MDY;
};

} // namespace vinaxo
