#include "DateTimeFormat.h"

namespace {

bool startsWithNoCase(const QString& text, qsizetype at, QLatin1StringView word) {
    return text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, u'0');
}

class DateTimeWriter {
public:
    DateTimeWriter(const QDateTime& value, const FormatSettings& settings)
        : date_(value.date()), time_(value.time()), settings_(settings) {}

    QString write(const QString& picture) {
        out_.clear();
        append(picture.isEmpty() ? QStringLiteral("c") : picture, 0);
        return out_;
    }

private:
    // Pictures nest ("c" holds the short date pattern, which could hold more);
    // two levels is all any real pattern needs and stops a pattern naming itself.
    void append(const QString& picture, int level) {
        if (level >= 2)
            return;
        QChar lastLetter;
        for (qsizetype i = 0; i < picture.size();) {
            const QChar c = picture[i];
            if (c == u'\'' || c == u'"') {
                const qsizetype close = picture.indexOf(c, i + 1);
                const qsizetype end = close < 0 ? picture.size() : close;
                out_ += picture.mid(i + 1, end - i - 1);
                i = close < 0 ? picture.size() : close + 1;
                continue;
            }
            QChar token = c.toUpper();
            if (token.isLetter()) {
                if (token == u'M' && lastLetter == u'H')
                    token = u'N';
                lastLetter = token;
            }
            qsizetype count = 1;
            while (i + count < picture.size() && picture[i + count].toUpper() == c.toUpper())
                ++count;
            i = writeToken(picture, i, token, count, level);
        }
    }

    // Writes the token at `i` and answers where the next one starts.
    qsizetype writeToken(const QString& picture, qsizetype i, QChar token, qsizetype count, int level) {
        switch (token.unicode()) {
        case u'C':
            append(settings_.shortDateFormat, level + 1);
            if (time_.msecsSinceStartOfDay() != 0) {
                out_ += u' ';
                append(settings_.longTimeFormat, level + 1);
            }
            return i + 1;
        case u'D':
            writeDay(count, level);
            return i + std::min<qsizetype>(count, 6);
        case u'M':
            writeMonth(count);
            return i + std::min<qsizetype>(count, 4);
        case u'Y':
            out_ += count <= 2 ? twoDigits(date_.year() % 100)
                               : QString::number(date_.year()).rightJustified(4, u'0');
            return i + count;
        case u'H': {
            int hour = time_.hour();
            if (amPmFollows(picture, i + count)) {
                hour %= 12;
                if (hour == 0)
                    hour = 12;
            }
            out_ += count == 1 ? QString::number(hour) : twoDigits(hour);
            return i + std::min<qsizetype>(count, 2);
        }
        case u'N':
            out_ += count == 1 ? QString::number(time_.minute()) : twoDigits(time_.minute());
            return i + std::min<qsizetype>(count, 2);
        case u'S':
            out_ += count == 1 ? QString::number(time_.second()) : twoDigits(time_.second());
            return i + std::min<qsizetype>(count, 2);
        case u'Z':
            out_ += count < 3 ? QString::number(time_.msec())
                              : QString::number(time_.msec()).rightJustified(3, u'0');
            return i + std::min<qsizetype>(count, 3);
        case u'T':
            append(count == 1 ? settings_.shortTimeFormat : settings_.longTimeFormat, level + 1);
            return i + std::min<qsizetype>(count, 2);
        case u'A':
            return writeAmPm(picture, i);
        case u'/':
            out_ += settings_.dateSeparator;
            return i + 1;
        case u':':
            out_ += settings_.timeSeparator;
            return i + 1;
        default:
            out_ += picture[i];
            return i + 1;
        }
    }

    void writeDay(qsizetype count, int level) {
        const int weekday = date_.dayOfWeek() % 7; // Sunday first
        switch (std::min<qsizetype>(count, 6)) {
        case 1:
            out_ += QString::number(date_.day());
            break;
        case 2:
            out_ += twoDigits(date_.day());
            break;
        case 3:
            out_ += settings_.shortDayNames.value(weekday);
            break;
        case 4:
            out_ += settings_.longDayNames.value(weekday);
            break;
        case 5:
            append(settings_.shortDateFormat, level + 1);
            break;
        default:
            append(settings_.longDateFormat, level + 1);
            break;
        }
    }

    void writeMonth(qsizetype count) {
        const int month = date_.month();
        switch (std::min<qsizetype>(count, 4)) {
        case 1:
            out_ += QString::number(month);
            break;
        case 2:
            out_ += twoDigits(month);
            break;
        case 3:
            out_ += settings_.shortMonthNames.value(month - 1);
            break;
        default:
            out_ += settings_.longMonthNames.value(month - 1);
            break;
        }
    }

    qsizetype writeAmPm(const QString& picture, qsizetype i) {
        const bool pm = time_.hour() >= 12;
        if (startsWithNoCase(picture, i, QLatin1StringView("am/pm"))) {
            out_ += pm ? picture.mid(i + 3, 2) : picture.mid(i, 2);
            return i + 5;
        }
        if (startsWithNoCase(picture, i, QLatin1StringView("a/p"))) {
            out_ += pm ? picture[i + 2] : picture[i];
            return i + 3;
        }
        if (startsWithNoCase(picture, i, QLatin1StringView("ampm"))) {
            out_ += pm ? settings_.timePmString : settings_.timeAmString;
            return i + 4;
        }
        out_ += picture[i];
        return i + 1;
    }

    static bool amPmFollows(const QString& picture, qsizetype from) {
        for (qsizetype i = from; i < picture.size(); ++i) {
            const QChar c = picture[i];
            if (c == u'\'' || c == u'"') {
                const qsizetype close = picture.indexOf(c, i + 1);
                if (close < 0)
                    return false;
                i = close;
            } else if (startsWithNoCase(picture, i, QLatin1StringView("am/pm")) ||
                       startsWithNoCase(picture, i, QLatin1StringView("a/p")) ||
                       startsWithNoCase(picture, i, QLatin1StringView("ampm"))) {
                return true;
            }
        }
        return false;
    }

    QDate date_;
    QTime time_;
    const FormatSettings& settings_;
    QString out_;
};

} // namespace

QString formatDateTime(const QString& picture, const QDateTime& value, const FormatSettings& settings) {
    return DateTimeWriter(value, settings).write(picture);
}
