#pragma once
// Dates as the collection file keeps them: a day number counted from 30 December 1899,
// the fraction being the time of day.
#include <QDate>
#include <optional>

namespace vinaxo {

struct OleDate {
    double serial = 0.0;

    friend bool operator==(OleDate, OleDate) = default;

    QDate date() const;
    static OleDate fromDate(const QDate& d);
    // A finite day number whose date lies within the years 100 to 9999.
    static bool isPlausible(double serial);
};

} // namespace vinaxo
