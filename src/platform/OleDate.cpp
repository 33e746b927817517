#include "platform/OleDate.h"

#include <cmath>

namespace vinaxo {

namespace {
const QDate kEpoch(1899, 12, 30);
// Day numbers of 1 January 100 and 31 December 9999.
constexpr double kMinSerial = -657434.0;
constexpr double kMaxSerial = 2958465.999999;
}

QDate OleDate::date() const
{
    if (!isPlausible(serial))
        return {};
    // The whole part counts days even for dates before the epoch (the fraction is the time).
    return kEpoch.addDays(static_cast<qint64>(std::trunc(serial)));
}

OleDate OleDate::fromDate(const QDate& d)
{
    return OleDate{static_cast<double>(kEpoch.daysTo(d))};
}

bool OleDate::isPlausible(double s)
{
    return std::isfinite(s) && s >= kMinSerial && s <= kMaxSerial;
}

} // namespace vinaxo
