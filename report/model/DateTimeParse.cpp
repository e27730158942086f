#include "DateTimeParse.h"

#include "DateTimeDays.h"

#include <QStringList>

namespace {

std::optional<int> number(const QString& text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return text.toInt();
}

// The order of day, month and year in the short date pattern, as "dmy" letters.
QString dateOrder(const QString& pattern) {
    QString order;
    for (QChar c : pattern) {
        const QChar letter = c.toLower();
        if ((letter == u'd' || letter == u'm' || letter == u'y') && !order.contains(letter))
            order += letter;
    }
    for (QChar letter : {u'm', u'd', u'y'})
        if (!order.contains(letter))
            order += letter;
    return order;
}

int widenYear(int year, int typedDigits, const FormatSettings& settings, int currentYear) {
    if (typedDigits > 2 || settings.twoDigitYearCenturyWindow <= 0)
        return typedDigits > 2 ? year : year + currentYear / 100 * 100;
    const int threshold = currentYear - settings.twoDigitYearCenturyWindow;
    year += threshold / 100 * 100;
    if (year < threshold)
        year += 100;
    return year;
}

bool takeMarker(QString& text, const QString& marker) {
    if (marker.isEmpty() || !text.endsWith(marker, Qt::CaseInsensitive))
        return false;
    text.chop(marker.size());
    text = text.trimmed();
    return true;
}

} // namespace

std::optional<double> parseDate(const QString& text, const FormatSettings& settings, int currentYear) {
    const QStringList parts = text.trimmed().split(settings.dateSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    const QString order = dateOrder(settings.shortDateFormat);
    int day = 0;
    int month = 0;
    int year = currentYear;
    int part = 0;
    for (QChar field : order) {
        if (field == u'y' && parts.size() == 2)
            continue; // the year was left out
        const std::optional<int> value = number(parts[part].trimmed());
        if (!value)
            return std::nullopt;
        if (field == u'd')
            day = *value;
        else if (field == u'm')
            month = *value;
        else
            year = widenYear(*value, int(parts[part].trimmed().size()), settings, currentYear);
        ++part;
    }
    return encodeDate(year, month, day);
}

std::optional<double> parseTime(const QString& text, const FormatSettings& settings) {
    QString rest = text.trimmed();
    int meridiem = 0; // 1 AM, 2 PM
    if (takeMarker(rest, settings.timeAmString) || takeMarker(rest, QStringLiteral("AM")))
        meridiem = 1;
    else if (takeMarker(rest, settings.timePmString) || takeMarker(rest, QStringLiteral("PM")))
        meridiem = 2;
    QStringList parts = rest.split(settings.timeSeparator);
    if (parts.size() > 3 || (parts.size() == 1 && meridiem == 0))
        return std::nullopt;
    int millisecond = 0;
    if (parts.size() == 3) {
        const qsizetype dot = parts[2].indexOf(settings.decimalSeparator);
        if (dot >= 0) {
            const std::optional<int> z = number(parts[2].mid(dot + 1));
            if (!z || parts[2].size() - dot - 1 > 3)
                return std::nullopt;
            millisecond = *z * (dot + 2 == parts[2].size() ? 100 : dot + 3 == parts[2].size() ? 10 : 1);
            parts[2].truncate(dot);
        }
    }
    int fields[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const std::optional<int> value = number(parts[i].trimmed());
        if (!value)
            return std::nullopt;
        fields[i] = *value;
    }
    int hour = fields[0];
    if (meridiem != 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (meridiem == 2 ? 12 : 0);
    }
    return encodeTime(hour, fields[1], fields[2], millisecond);
}

std::optional<double> parseDateTime(const QString& text, const FormatSettings& settings, int currentYear) {
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(u' ');
    if (blank < 0)
        return parseDate(trimmed, settings, currentYear);
    const std::optional<double> date = parseDate(trimmed.left(blank), settings, currentYear);
    const std::optional<double> time = parseTime(trimmed.mid(blank + 1), settings);
    if (!date || !time)
        return std::nullopt;
    return *date >= 0 ? *date + *time : *date - *time;
}
