#include "DateTimeFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTimeFormat, PictureTable) {
    const FormatSettings s = FormatSettings::invariant();
    const QDateTime afternoon(QDate(1995, 3, 4), QTime(13, 30, 55, 7));
    const QDateTime midnight(QDate(2024, 4, 1), QTime(0, 0));
    const struct {
        const char* picture;
        QDateTime value;
        const char* expected;
    } cases[] = {
        {"m/d/yy", afternoon, "3/4/95"},
        {"mm/dd/yyyy", afternoon, "03/04/1995"},
        {"d-mmm-yy", afternoon, "4-Mar-95"},
        {"mmmm d, yyyy", afternoon, "March 4, 1995"},
        {"MM/YYYY", midnight, "04/2024"}, // letters in any case
        {"ddd dddd", afternoon, "Sat Saturday"},
        {"h:nn AM/PM", afternoon, "1:30 PM"}, // the marker sets a 12-hour clock
        {"h:nn am/pm", midnight, "12:00 am"}, // written case is kept; 0 o'clock is 12
        {"hh:mm:ss", afternoon, "13:30:55"},  // m right after an hour means minutes
        {"h:nn:ss a/p", afternoon, "1:30:55 p"},
        {"h ampm", afternoon, "1 PM"},
        {"z zzz", afternoon, "7 007"},
        {"c", afternoon, "3/4/1995 1:30:55 PM"},
        {"c", midnight, "4/1/2024"}, // midnight leaves the time out
        {"", midnight, "4/1/2024"},  // empty means c
        {"ddddd", afternoon, "3/4/1995"},
        {"dddddd", afternoon, "Saturday, March 4, 1995"},
        {"t", afternoon, "1:30 PM"},
        {"'d' \"m\" d", afternoon, "d m 4"}, // quoted text is literal
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatDateTime(QString::fromUtf8(c.picture), c.value, s).toStdString(), c.expected)
            << c.picture;
}

TEST(DateTimeFormat, SeparatorsComeFromTheSettings) {
    FormatSettings s = FormatSettings::invariant();
    s.dateSeparator = u'.';
    s.timeSeparator = u'-';
    EXPECT_EQ(formatDateTime(QStringLiteral("MM/YYYY hh:nn"), QDateTime(QDate(2024, 4, 1), QTime(9, 5)), s),
              QStringLiteral("04.2024 09-05"));
}

} // namespace
