#include "DateTimeDays.h"

#include <cmath>

namespace {

constexpr qint64 kMsecsPerDay = 86400000;

QDate dayZero() {
    return QDate(1899, 12, 30);
}

// The whole days and the milliseconds into the day, the fraction rounded to
// the nearest millisecond (a time typed as 0.5 must not print as 11:59:59).
void split(double days, qint64& wholeDays, qint64& msecs) {
    const double whole = std::trunc(days);
    wholeDays = qint64(whole);
    msecs = std::llround(std::fabs(days - whole) * double(kMsecsPerDay));
    if (msecs >= kMsecsPerDay) {
        msecs -= kMsecsPerDay;
        wholeDays += days < 0 ? -1 : 1;
    }
}

} // namespace

QDateTime dateTimeFromDays(double days) {
    if (!std::isfinite(days) || std::fabs(days) > 3.0e6)
        return QDateTime(dayZero(), QTime(0, 0), Qt::UTC);
    qint64 wholeDays = 0;
    qint64 msecs = 0;
    split(days, wholeDays, msecs);
    return QDateTime(dayZero().addDays(wholeDays), QTime::fromMSecsSinceStartOfDay(int(msecs)), Qt::UTC);
}

double daysFromDateTime(const QDateTime& value) {
    const qint64 wholeDays = dayZero().daysTo(value.date());
    const double fraction = double(value.time().msecsSinceStartOfDay()) / double(kMsecsPerDay);
    return wholeDays >= 0 ? double(wholeDays) + fraction : double(wholeDays) - fraction;
}

std::optional<double> encodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return double(dayZero().daysTo(QDate(year, month, day)));
}

std::optional<double> encodeTime(int hour, int minute, int second, int millisecond) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || millisecond < 0 ||
        millisecond > 999)
        return std::nullopt;
    const qint64 msecs = ((qint64(hour) * 60 + minute) * 60 + second) * 1000 + millisecond;
    return double(msecs) / double(kMsecsPerDay);
}

DecodedDate decodeDate(double days) {
    const QDate date = dateTimeFromDays(days).date();
    return {date.year(), date.month(), date.day(), date.dayOfWeek() % 7 + 1};
}

DecodedTime decodeTime(double days) {
    const QTime time = dateTimeFromDays(days).time();
    return {time.hour(), time.minute(), time.second(), time.msec()};
}
