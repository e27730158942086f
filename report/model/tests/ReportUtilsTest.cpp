#include "DecimalPoints.h"
#include "MainThread.h"
#include "PadText.h"
#include "PageList.h"
#include "PagewrightErrors.h"
#include "TemporaryFiles.h"
#include "VersionNumber.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct PageListCase {
    const char* name;
    const char* text;
    QStringList expected;
};

TEST(ParsePageListTest, NumbersAndRanges) {
    const PageListCase cases[] = {
        {"numbers and a range", "1,3,5-7", {"1", "3", "5", "6", "7"}},
        {"a falling range keeps its two ends only", "7-5", {"5", "7"}},
        {"a chained range starts afresh", "1-3-5", {"1", "2", "3", "5"}},
        {"duplicates collapse", "2,2", {"2"}},
        {"any other character separates", "10 2;3", {"2", "3", "10"}},
        {"a leading dash is ignored", "-4", {"4"}},
        {"empty", "", {}},
    };
    for (const PageListCase& c : cases) {
        QStringList list;
        EXPECT_TRUE(ParsePageList(QString::fromLatin1(c.text), list, true)) << c.name;
        EXPECT_EQ(list, c.expected) << c.name;
    }
}

TEST(ParsePageListTest, EntriesAreEightWideUnlessTrimmed) {
    QStringList list;
    ASSERT_TRUE(ParsePageList(QStringLiteral("12,3"), list, false));
    EXPECT_EQ(list, QStringList({"       3", "      12"}));
}

TEST(ParsePageListTest, HugeListsAreRefusedQuickly) {
    QElapsedTimer timer;
    timer.start();
    for (const char* text : {"1-2000000000", "123456789012345678901234567890", "1-99999999", "5,100000000"}) {
        QStringList list{"stale"};
        EXPECT_FALSE(ParsePageList(QString::fromLatin1(text), list, true)) << text;
        EXPECT_TRUE(list.isEmpty()) << text;
    }
    EXPECT_LT(timer.elapsed(), 1000) << "refusing must not walk the range";
    QStringList list;
    EXPECT_TRUE(ParsePageList(QStringLiteral("99999990-99999999"), list, true))
        << "large page numbers still work";
    EXPECT_EQ(list.size(), 10);
}

TEST(PadTextTest, FixedWidths) {
    EXPECT_EQ(PadText("abc", 6, taCentered), " abc  ") << "the smaller half goes in front";
    EXPECT_EQ(PadText("abc", 5, taRightJustified), "  abc");
    EXPECT_EQ(PadText("abc", 5, taLeftJustified), "abc  ");
    EXPECT_EQ(PadText("abcdef", 4, taRightJustified), "abcd") << "longer texts are cut, never shifted";
    EXPECT_EQ(PadText("abc", 3, taCentered), "abc");
    EXPECT_EQ(PadText("abc", 5, taFullJustified), "abc  ") << "the text is kept, not dropped";
}

TEST(PadTextTest, WidthsBeyondAnyLinePadOnlyToTheLimit) {
    EXPECT_EQ(PadText("abc", 1'073'741'825, taRightJustified).size(), kMaxPadWidth);
    EXPECT_EQ(PadText("abc", std::numeric_limits<int>::max(), taCentered).size(), kMaxPadWidth);
    const QString longText(kMaxPadWidth + 10, u'x');
    EXPECT_EQ(PadText(longText, kMaxPadWidth + 100, taLeftJustified), longText)
        << "a text longer than the limit is not cut by it";
    EXPECT_EQ(PadText(longText, kMaxPadWidth + 5, taLeftJustified).size(), kMaxPadWidth + 5)
        << "the width asked for still cuts";
}

TEST(VersionNumberTest, TextsToComparableNumbers) {
    EXPECT_EQ(VersionNumber("7.0"), 7000);
    EXPECT_EQ(VersionNumber("6.03"), 6030);
    EXPECT_EQ(VersionNumber("12.5 beta"), 1250);
    EXPECT_EQ(VersionNumber("2097"), 2097);
    EXPECT_THROW(VersionNumber("7.0.1"), EConvertError);
    EXPECT_THROW(VersionNumber("99999999999"), EConvertError) << "too large for an integer";
}

} // namespace

TEST(SmallHelpersTest, DecimalPointsAndTemporaryNames) {
    QStringList positions{"0.25", "1.5.0", "3"};
    LocaliseDecimalPoints(positions, u',');
    EXPECT_EQ(positions, QStringList({"0,25", "1,5.0", "3"})) << "only the first point of each line";
    const QString first = UniqueTemporaryFileName(TemporaryFolder(), "pwcache");
    const QString second = UniqueTemporaryFileName(TemporaryFolder(), "pwcache");
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith("pwcache"));
    QFile::remove(first);
    QFile::remove(second);
}

TEST(SmallHelpersTest, OnlyTheMainThreadOrSanctionedWorkCountsAsMain) {
    EXPECT_TRUE(IsMainThread());
    bool plainWorker = true;
    bool sanctionedWorker = false;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        plainWorker = IsMainThread();
        BackgroundWorkScope scope;
        sanctionedWorker = IsMainThread();
    }));
    worker->start();
    worker->wait();
    EXPECT_FALSE(plainWorker);
    EXPECT_TRUE(sanctionedWorker) << "a preview generating on a worker thread";
}
