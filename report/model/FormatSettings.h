#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The locale data that number and date pictures read. Callers inject a record
// instead of reaching for the machine's locale, so the same picture gives the
// same text in tests, in command-line tools and on a worker thread.
//
// Date and time patterns use the picture language of formatDateTime
// ("m/d/yyyy", "h:nn:ss AMPM"), not Qt's.
struct FormatSettings {
    QChar decimalSeparator = u'.';
    QChar thousandSeparator = u',';
    QChar dateSeparator = u'/';
    QChar timeSeparator = u':';
    QString currencyString = QStringLiteral("$");
    // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $".
    int currencyFormat = 0;
    // 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
    // 8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)".
    int negCurrencyFormat = 0;
    int currencyDecimals = 2;
    QString shortDateFormat = QStringLiteral("m/d/yyyy");
    QString longDateFormat = QStringLiteral("dddd, mmmm d, yyyy");
    QString shortTimeFormat = QStringLiteral("h:nn AMPM");
    QString longTimeFormat = QStringLiteral("h:nn:ss AMPM");
    QString timeAmString = QStringLiteral("AM");
    QString timePmString = QStringLiteral("PM");
    QStringList shortMonthNames;
    QStringList longMonthNames;
    QStringList shortDayNames; // Sunday first
    QStringList longDayNames;  // Sunday first
    int twoDigitYearCenturyWindow = 50;

    // English names, "." decimals, "," thousands, "/" dates, "$" with two decimals:
    // the settings that command-line tools and tests use.
    static FormatSettings invariant();
    // Separators, patterns and names of a Qt locale. The C locale, which has no
    // usable short date pattern, gives the invariant settings.
    static FormatSettings fromLocale(const QLocale& locale);
};
