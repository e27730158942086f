#pragma once

#include "FormatSettings.h"

#include <QString>
#include <optional>

// Dates and times as users type them, read with the settings' separators and
// the order of day, month and year in the short date pattern. Results are day
// counts (DateTimeDays.h); text that is not a date or time gives nothing.
//
// A date has two or three numbers; without a year it is in `currentYear`. A
// year of one or two digits lands within the century window: no more than
// `twoDigitYearCenturyWindow` years before `currentYear`.
std::optional<double> parseDate(const QString& text, const FormatSettings& settings, int currentYear);

// A time is "h:n", "h:n:s" or "h:n:s.z", or an hour alone when an AM or PM
// marker follows; the marker is either of the settings' texts or "AM"/"PM"
// (any case).
std::optional<double> parseTime(const QString& text, const FormatSettings& settings);

// A date, optionally followed by blanks and a time.
std::optional<double> parseDateTime(const QString& text, const FormatSettings& settings, int currentYear);
