#include "PagewrightErrors.h"
#include "TppDisplayFormat.h"

#include <QDateTime>
#include <QSize>
#include <gtest/gtest.h>

namespace {

QVariant at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

struct FormatCase {
    const char* name;
    TppDataType type;
    const char* format;
    QVariant value;
    const char* expected;
};

// One row per feature of the display formats, with the invariant English settings.
const FormatCase kFormatCases[] = {
    // Booleans: the format is "true text;false text".
    {"boolean true text", dtBoolean, "Yes;No", true, "Yes"},
    {"boolean false text", dtBoolean, "Yes;No", false, "No"},
    {"nothing after the semicolon is an empty false text", dtBoolean, "OK;", false, ""},
    {"semicolon first is an empty true text", dtBoolean, ";Not OK", true, ""},
    {"no semicolon: the whole format is the true text", dtBoolean, "Done", true, "Done"},
    {"no semicolon: the false text is empty", dtBoolean, "Done", false, ""},
    {"only the first semicolon splits", dtBoolean, "a;b;c", false, "b;c"},
    {"empty boolean format is the value as text", dtBoolean, "", true, "True"},
    {"a boolean format ignores a value that is no Boolean", dtBoolean, "Yes;No", 1, "1"},
    // Dates and times: the date pictures, not Qt's.
    {"empty date format is the short date", dtDate, "", at(1995, 3, 4), "3/4/1995"},
    {"full month name", dtDate, "mmmm d, yyyy", at(1995, 3, 4), "March 4, 1995"},
    {"short month name and two-digit year", dtDate, "d-mmm-yy", at(1995, 3, 4), "4-Mar-95"},
    {"leading zeros", dtDate, "mm/dd/yyyy", at(1995, 3, 4), "03/04/1995"},
    {"a QDate value", dtDate, "yyyy-mm-dd", QDate(2024, 2, 29), "2024-02-29"},
    {"a day count value", dtDate, "m/d/yy", 34762.0, "3/4/95"},
    {"empty time format is the long time", dtTime, "", at(1995, 3, 4, 13, 30, 55), "1:30:55 PM"},
    {"twelve-hour clock with marker", dtTime, "h:nn AM/PM", at(1995, 3, 4, 13, 30), "1:30 PM"},
    {"m after h means minutes", dtTime, "hh:mm", QTime(9, 5), "09:05"},
    {"empty date-time format is c", dtDateTime, "", at(1995, 3, 4, 13, 30, 55), "3/4/1995 1:30:55 PM"},
    {"c leaves out midnight", dtDateTime, "", at(1995, 3, 4), "3/4/1995"},
    {"date and time picture", dtDateTime, "m/d/yy h:nn:ss", at(1995, 3, 4, 13, 30, 55), "3/4/95 13:30:55"},
    // Numbers: general text without a format, pictures with one.
    {"empty format: 15 significant digits", dtDouble, "", 1.0 / 3, "0.333333333333333"},
    {"empty format: whole numbers have no point", dtInteger, "", 42, "42"},
    {"thousands and two decimals", dtDouble, "#,0.00;(#,0.00)", 1234.4, "1,234.40"},
    {"negative section", dtDouble, "#,0.00;(#,0.00)", -1234.4, "(1,234.40)"},
    {"zero section", dtInteger, "0;-0;none", 0, "none"},
    {"optional digits", dtSingle, "0.##", 2.5, "2.5"},
    {"literal percent sign", dtDouble, "0.00 %", -1234.4, "-1234.40 %"},
    {"quoted literal", dtLongint, "0 'items'", 7, "7 items"},
    {"scientific", dtExtended, "0.00E+00", 1234.5, "1.23E+03"},
    {"64-bit integers keep every digit", dtLargeInt, "#,0", QVariant(qint64(9007199254740993)),
     "9,007,199,254,740,993"},
    {"a number held as text", dtDouble, "0.00", QStringLiteral(" 12.5 "), "12.50"},
    // Currency: "$" anywhere means the locale's currency style.
    {"dollar picture is the currency text", dtDouble, "$#,0.00;($#,0.00)", 1234.4, "$1,234.40"},
    {"its negatives follow the locale, not the picture", dtDouble, "$#,0.00;-$#,0.00", -1234.4,
     "($1,234.40)"},
    {"decimals come from the first section", dtDouble, "$#,0;($#,0.000)", 1234.4, "$1,234"},
    {"empty currency format uses the currency decimals", dtCurrency, "", 1234.4, "$1,234.40"},
    {"currency with a picture", dtCurrency, "#,0.0", 1234.44, "1,234.4"},
    // Text: edit masks.
    {"empty text format keeps the text", dtString, "", QStringLiteral("a;b\\c"), "a;b\\c"},
    {"phone mask", dtString, "!\\(999\\)\\ 000\\-0000;0; ", QStringLiteral("5551234567"), "(555) 123-4567"},
    {"zip mask", dtString, "00000\\-9999;0; ", QStringLiteral("123456789"), "12345-6789"},
    {"mask on a memo", dtMemo, ">LL;0; ", QStringLiteral("ab"), "AB"},
    // What is never formatted.
    {"null boolean", dtBoolean, "Yes;No", QVariant(), ""},
    {"null date", dtDate, "", QVariant(), ""},
    {"null number", dtDouble, "0.00", QVariant(), ""},
    {"null currency", dtCurrency, "", QVariant(), ""},
    {"null text", dtString, "", QVariant(), ""},
    {"blobs have no text", dtBLOB, "", QStringLiteral("data"), ""},
    {"unknown types have no text", dtNotKnown, "", 5, ""},
};

class DisplayFormatCases : public testing::TestWithParam<FormatCase> {};

TEST_P(DisplayFormatCases, Formats) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatValue(QString::fromLatin1(c.format), c.type, c.value, FormatSettings::invariant())
                  .toStdString(),
              c.expected)
        << c.name;
}

INSTANTIATE_TEST_SUITE_P(Table, DisplayFormatCases, testing::ValuesIn(kFormatCases));

TEST(DisplayFormat, ReadsTheInjectedLocale) {
    FormatSettings german = FormatSettings::invariant();
    german.decimalSeparator = u',';
    german.thousandSeparator = u'.';
    german.currencyString = QStringLiteral("\u20AC");
    german.currencyFormat = 3;
    german.negCurrencyFormat = 8;
    german.currencyDecimals = 3;
    german.shortDateFormat = QStringLiteral("dd.mm.yyyy");
    EXPECT_EQ(FormatValue("#,0.00", dtDouble, 1234.4, german), "1.234,40");
    EXPECT_EQ(FormatValue("$#,0.00;($#,0.00)", dtDouble, -1234.4, german), "-1.234,40 \u20AC");
    EXPECT_EQ(FormatValue("", dtCurrency, 2.5, german), "2,500 \u20AC");
    EXPECT_EQ(FormatValue("", dtDate, at(1995, 3, 4), german), "04.03.1995");
}

TEST(DisplayFormat, ValuesThatAreNoNumberOrDateRaiseAConversionError) {
    const FormatSettings s = FormatSettings::invariant();
    EXPECT_THROW(FormatValue("0.00", dtDouble, QStringLiteral("abc"), s), EConvertError);
    EXPECT_THROW(FormatValue("", dtDate, QStringLiteral("not a date"), s), EConvertError);
    EXPECT_THROW(FormatValue("", dtInteger, QVariant::fromValue(QSize(1, 2)), s), EConvertError);
}

TEST(DisplayFormat, ReadyMadeFormatsPerType) {
    QStringList list{QStringLiteral("stale entry")};
    GetDisplayFormats(dtBoolean, &list);
    ASSERT_EQ(list.size(), 8);
    EXPECT_EQ(list[0], QStringLiteral("Yes\x01Yes;No"));
    EXPECT_EQ(list[7], QStringLiteral("\x01;Not Done")) << "an empty sample";

    GetDisplayFormats(dtDateTime, &list);
    ASSERT_EQ(list.size(), 11) << "two date-time entries, then the nine date entries";
    EXPECT_EQ(list[0], QStringLiteral("3/4/95 1:30:55 PM\x01m/d/yy h:nn:ss AM/PM"));
    EXPECT_EQ(list[5], QStringLiteral("4-Mar-95 \x01"
                                      "d-mmm-yy"))
        << "the sample keeps its trailing blank";

    GetDisplayFormats(dtCurrency, &list);
    ASSERT_EQ(list.size(), 9);
    EXPECT_EQ(list[3], QStringLiteral("($1,234.40)\x01$#,0.00;($#,0.00)"));

    GetDisplayFormats(dtString, &list);
    ASSERT_EQ(list.size(), 8);
    EXPECT_EQ(list[0], QStringLiteral("Phone\x01!\\(999\\)\\ 000\\-0000;0; "));

    for (TppDataType none : {dtMemo, dtLargeInt, dtNotKnown, dtBLOB}) {
        GetDisplayFormats(none, &list);
        EXPECT_TRUE(list.isEmpty()) << "type " << int(none) << " offers nothing";
    }
    GetDisplayFormats(dtDate, nullptr); // nothing to fill, nothing happens
}

TEST(DisplayFormat, AnInstalledDescendantFormatsForEveryCaller) {
    struct Shouting : TppDisplayFormat {
        QString FormatValue(const QString& format, TppDataType type, const QVariant& value,
                            const FormatSettings& settings) const override {
            return TppDisplayFormat::FormatValue(format, type, value, settings).toUpper();
        }
    } shouting;
    SetDisplayFormatClass(&shouting);
    EXPECT_EQ(FormatValue("Yes;No", dtBoolean, true, FormatSettings::invariant()), "YES");
    SetDisplayFormatClass(nullptr);
    EXPECT_EQ(FormatValue("Yes;No", dtBoolean, true, FormatSettings::invariant()), "Yes");
}

} // namespace
