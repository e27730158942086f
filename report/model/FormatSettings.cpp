#include "FormatSettings.h"

namespace {

QStringList englishNames(std::initializer_list<const char*> names) {
    QStringList result;
    for (const char* name : names)
        result << QString::fromLatin1(name);
    return result;
}

// Qt's date pattern letters ("d/M/yyyy", "h:mm:ss AP") in the picture language
// of formatDateTime ("d/m/yyyy", "h:nn:ss AMPM"). Minutes become "n" so that
// they cannot be mistaken for months.
QString fromQtPattern(const QString& qt) {
    QString out;
    for (qsizetype i = 0; i < qt.size();) {
        const QChar c = qt[i];
        qsizetype run = 1;
        while (i + run < qt.size() && qt[i + run] == c)
            ++run;
        if (c == u'\'') {
            const qsizetype end = qt.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? qt.size() : end + 1;
            out += u'"' + qt.mid(i + 1, stop - i - 2) + u'"';
            i = stop;
            continue;
        }
        const bool amPm = (c == u'A' || c == u'a') && run == 1 && i + 1 < qt.size() &&
                          (qt[i + 1] == u'P' || qt[i + 1] == u'p');
        if (amPm) {
            out += QStringLiteral("AMPM");
            ++run;
        } else if (c == u'M') {
            out += QString(run, u'm');
        } else if (c == u'm') {
            out += QString(run, u'n');
        } else if (c == u'H') {
            out += QString(run, u'h');
        } else {
            out += QString(run, c);
        }
        i += run;
    }
    return out;
}

QChar firstSeparator(const QString& pattern, QChar fallback) {
    for (QChar c : pattern)
        if (!c.isLetter() && !c.isSpace() && c != u'\'')
            return c;
    return fallback;
}

} // namespace

FormatSettings FormatSettings::invariant() {
    FormatSettings s;
    s.shortMonthNames =
        englishNames({"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"});
    s.longMonthNames = englishNames({"January", "February", "March", "April", "May", "June", "July", "August",
                                     "September", "October", "November", "December"});
    s.shortDayNames = englishNames({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
    s.longDayNames =
        englishNames({"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"});
    return s;
}

FormatSettings FormatSettings::fromLocale(const QLocale& locale) {
    FormatSettings s = invariant();
    if (locale.language() == QLocale::C)
        return s;
    s.decimalSeparator = locale.decimalPoint().isEmpty() ? u'.' : locale.decimalPoint().front();
    s.thousandSeparator = locale.groupSeparator().isEmpty() ? u',' : locale.groupSeparator().front();
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    s.dateSeparator = firstSeparator(shortDate, u'/');
    s.timeSeparator = firstSeparator(locale.timeFormat(QLocale::ShortFormat), u':');
    s.shortDateFormat = fromQtPattern(shortDate);
    s.longDateFormat = fromQtPattern(locale.dateFormat(QLocale::LongFormat));
    s.shortTimeFormat = fromQtPattern(locale.timeFormat(QLocale::ShortFormat));
    s.longTimeFormat = fromQtPattern(locale.timeFormat(QLocale::LongFormat).remove(QLatin1String(" t")));
    s.timeAmString = locale.amText();
    s.timePmString = locale.pmText();
    s.currencyString = locale.currencySymbol();
    // Where the symbol sits and how negatives show, read off the locale's own rendering.
    const QString positive = locale.toCurrencyString(1.0, QStringLiteral("\x01"), 0);
    const QString negative = locale.toCurrencyString(-1.0, QStringLiteral("\x01"), 0);
    const bool symbolFirst = positive.startsWith(u'\x01');
    const bool spaced = positive.contains(u' ') || positive.contains(QChar(0xA0));
    s.currencyFormat = (symbolFirst ? 0 : 1) + (spaced ? 2 : 0);
    if (negative.startsWith(u'('))
        s.negCurrencyFormat = symbolFirst ? (spaced ? 14 : 0) : (spaced ? 15 : 4);
    else if (negative.startsWith(u'-'))
        s.negCurrencyFormat = symbolFirst ? (spaced ? 9 : 1) : (spaced ? 8 : 5);
    else
        s.negCurrencyFormat = symbolFirst ? (spaced ? 12 : 2) : (spaced ? 13 : 6);
    s.currencyDecimals = 2;
    for (int m = 1; m <= 12; ++m) {
        s.shortMonthNames[m - 1] = locale.monthName(m, QLocale::ShortFormat);
        s.longMonthNames[m - 1] = locale.monthName(m, QLocale::LongFormat);
    }
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d; // Qt counts Monday as 1
        s.shortDayNames[d] = locale.dayName(qtDay, QLocale::ShortFormat);
        s.longDayNames[d] = locale.dayName(qtDay, QLocale::LongFormat);
    }
    return s;
}
