#include "DateTimeDays.h"
#include "DateTimeParse.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTimeDays, CountsFromTheLastDaysOf1899) {
    EXPECT_EQ(*encodeDate(1899, 12, 30), 0);
    EXPECT_EQ(*encodeDate(2024, 1, 1), 45292);
    EXPECT_EQ(*encodeDate(1899, 12, 29), -1);
    EXPECT_EQ(*encodeTime(18, 0, 0, 0), 0.75);
    EXPECT_FALSE(encodeDate(2023, 2, 29)) << "no such day";
    EXPECT_FALSE(encodeDate(0, 1, 1)) << "years start at 1";
    EXPECT_FALSE(encodeTime(24, 0, 0, 0));
    EXPECT_FALSE(encodeTime(0, 0, 0, 1000));
}

TEST(DateTimeDays, BeforeDayZeroTheTimeStillRunsForward) {
    const QDateTime value = dateTimeFromDays(-1.25);
    EXPECT_EQ(value.date(), QDate(1899, 12, 29));
    EXPECT_EQ(value.time(), QTime(6, 0));
    EXPECT_DOUBLE_EQ(daysFromDateTime(value), -1.25);
}

TEST(DateTimeDays, DecodesToTheNearestMillisecond) {
    const DecodedDate date = decodeDate(*encodeDate(2024, 3, 15) + 0.5);
    EXPECT_EQ(date.year, 2024);
    EXPECT_EQ(date.month, 3);
    EXPECT_EQ(date.day, 15);
    EXPECT_EQ(date.dayOfWeek, 6) << "a Friday, counting Sunday as 1";
    const DecodedTime time = decodeTime(*encodeTime(23, 59, 59, 999));
    EXPECT_EQ(time.hour, 23);
    EXPECT_EQ(time.millisecond, 999);
    EXPECT_EQ(decodeTime(1.0 / 3).second, 0) << "8:00:00, not 7:59:59.999";
}

struct ParseCase {
    const char* name;
    const char* text;
    std::optional<double> days;
};

const int kYear = 2024;
const ParseCase kDates[] = {
    {"month day year", "3/15/2024", 45366},
    {"blanks around", "  3/15/2024 ", 45366},
    {"no year: this year", "3/15", 45366},
    {"two digits within the window", "3/15/24", 45366},
    {"two digits beyond fifty years back", "3/15/74", 27103},
    {"day that does not exist", "2/30/2024", std::nullopt},
    {"not numbers", "March 15", std::nullopt},
    {"one number", "15", std::nullopt},
};

TEST(DateTimeParse, ReadsDatesInTheShortDateOrder) {
    const FormatSettings settings = FormatSettings::invariant();
    for (const ParseCase& c : kDates)
        EXPECT_EQ(parseDate(QString::fromLatin1(c.text), settings, kYear), c.days) << c.name;
    FormatSettings european = settings;
    european.shortDateFormat = QStringLiteral("dd.mm.yyyy");
    european.dateSeparator = u'.';
    EXPECT_EQ(parseDate(QStringLiteral("15.3.2024"), european, kYear), 45366) << "day first";
}

TEST(DateTimeParse, ReadsTimesAndDateTimes) {
    const FormatSettings settings = FormatSettings::invariant();
    EXPECT_EQ(parseTime(QStringLiteral("18:00"), settings), 0.75);
    EXPECT_EQ(parseTime(QStringLiteral("6:00:00 pm"), settings), 0.75);
    EXPECT_EQ(parseTime(QStringLiteral("12 AM"), settings), 0) << "midnight";
    EXPECT_EQ(parseTime(QStringLiteral("0:00:01.5"), settings), *encodeTime(0, 0, 1, 500));
    EXPECT_FALSE(parseTime(QStringLiteral("13:00 PM"), settings));
    EXPECT_FALSE(parseTime(QStringLiteral("7"), settings)) << "an hour alone needs AM or PM";
    EXPECT_EQ(parseDateTime(QStringLiteral("3/15/2024 18:00"), settings, kYear), 45366.75);
    EXPECT_EQ(parseDateTime(QStringLiteral("3/15/2024"), settings, kYear), 45366);
    EXPECT_FALSE(parseDateTime(QStringLiteral("3/15/2024 soon"), settings, kYear));
}

} // namespace
