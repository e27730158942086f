#pragma once

#include <QDateTime>
#include <optional>

// Date-time values as scripts and data fields hold them: a count of days since
// 30 December 1899, the fraction being the time of day. Before that day the
// whole part counts backwards while the fraction still runs forwards, so -1.25
// is 29 December 1899, 6:00.
//
// Values become QDateTime in UTC: the day and the clock time are taken as
// written, with no daylight-saving gap that could move them.
QDateTime dateTimeFromDays(double days);
double daysFromDateTime(const QDateTime& value);

// Years 1 to 9999; nothing for a date or time that does not exist.
std::optional<double> encodeDate(int year, int month, int day);
std::optional<double> encodeTime(int hour, int minute, int second, int millisecond);

struct DecodedDate {
    int year = 0;
    int month = 0;
    int day = 0;
    int dayOfWeek = 0; // 1 Sunday ... 7 Saturday
};
struct DecodedTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};
DecodedDate decodeDate(double days);
DecodedTime decodeTime(double days);
