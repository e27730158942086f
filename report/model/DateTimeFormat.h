#pragma once

#include "FormatSettings.h"

#include <QDateTime>
#include <QString>

// Date and time pictures. Letters are read without regard to case:
//   c        short date, then long time unless the time is exactly midnight
//   d dd     day; ddd dddd short and long day name; ddddd short date; dddddd long date
//   m mm     month (minutes when right after an hour); mmm mmmm short and long month name
//   yy yyyy  year in two or four digits
//   h hh     hour, on a 12-hour clock when an am/pm marker follows somewhere later
//   n nn     minute; s ss second; z zzz milliseconds
//   t tt     short and long time
//   am/pm a/p  the marker in the case written; ampm the settings' AM and PM texts
//   / :      the settings' date and time separators
// Quoted text prints as it stands; every other character prints literally.
// An empty picture means "c".
QString formatDateTime(const QString& picture, const QDateTime& value, const FormatSettings& settings);
