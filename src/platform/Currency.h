#pragma once
// A money amount kept exactly as a count of ten-thousandths (never through a double).
#include <QString>
#include <QtGlobal>
#include <optional>

namespace vinaxo {

struct Currency {
    qint64 units = 0; // amount x 10,000

    friend bool operator==(Currency, Currency) = default;
    friend auto operator<=>(Currency, Currency) = default;

    static constexpr qint64 Scale = 10000;

    // "12.5000": sign, whole part, ".", four decimals; no grouping.
    QString toPlainText() const;
    // The amount with `decimals` (0..4) decimals, rounded half away from zero, "." point.
    QString toFixedText(int decimals, QChar point = u'.', QChar group = QChar()) const;

    // Parses "[-]digits[.digits]" with the given separators; group separators are
    // skipped. More than four decimals round half to even (as the platform's currency
    // conversion does). Nothing through floating point.
    static std::optional<Currency> parse(QStringView text, QChar point = u'.',
                                         QChar group = u',');
};

} // namespace vinaxo
