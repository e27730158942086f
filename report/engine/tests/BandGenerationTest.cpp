#include "EngineFixture.h"
#include "RowName.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppHeaderBand.h"
#include "TppPageStyle.h"
#include "TppSummaryBand.h"
#include "TppTitleBand.h"

namespace {

QStringList repeat(const QString& key, int count) {
    return QStringList(qsizetype(count), key);
}

// Detail bands 10000 high showing N: eight fit between the margins.
class BandGenerationTest : public EngineFixture {
protected:
    BandGenerationTest() { addNumber(detail); }
    QStringList firstTexts(const QList<std::shared_ptr<TppPage>>& pages) {
        QStringList result;
        for (const auto& page : pages)
            result << texts(*page).value(0);
        return result;
    }
    TppDetailBand* detail = addBand<TppDetailBand>(10000);
};

TEST_F(BandGenerationTest, GroupFootersShowTheLastRecordOfTheirGroupAndHeadersTheFirstOfTheNext) {
    addGroup(10000);
    fill(5, {"A", "A", "A", "B", "B"});
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(texts(*pages[0]), QStringList({"GH0@10000:1", "D@20000:1", "D@30000:2", "D@40000:3",
                                             "GF0@50000:3", "GH0@60000:4", "D@70000:4", "D@80000:5"}));
    EXPECT_EQ(texts(*pages[1]), QStringList({"GH0@10000:5", "GF0@20000:5"}))
        << "the footer that did not fit comes after its group's header again";
    EXPECT_TRUE(pages[1]->LastPage);
}

class OrphanedFooterTest : public BandGenerationTest, public testing::WithParamInterface<bool> {};

TEST_P(OrphanedFooterTest, GetsItsGroupsHeaderOnlyWhenTheGroupAsks) {
    addGroup(10000)->SetHeaderForOrphanedFooter(GetParam());
    fill(7, repeat("A", 7));
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(texts(*pages[1]).value(0), GetParam() ? "GH0@10000:7" : "GF0@10000:7");
}

INSTANTIATE_TEST_SUITE_P(HeaderForOrphanedFooter, OrphanedFooterTest, testing::Bool(),
                         yesOrNo("HeaderAsked", "NoHeader"));

class ReprintTest : public BandGenerationTest, public testing::WithParamInterface<bool> {};

TEST_P(ReprintTest, HeadersOfAGroupOverThreePagesAreReprintedWhenAsked) {
    addGroup(10000)->SetReprintOnSubsequentPage(GetParam());
    fill(20, repeat("A", 20));
    const QStringList expected = GetParam() ? QStringList{"GH0@10000:1", "GH0@10000:8", "GH0@10000:15"}
                                            : QStringList{"GH0@10000:1", "D@10000:8", "D@10000:16"};
    EXPECT_EQ(firstTexts(print()), expected);
}

INSTANTIATE_TEST_SUITE_P(ReprintOnSubsequentPage, ReprintTest, testing::Bool(),
                         yesOrNo("Reprinted", "NotReprinted"));

struct ThresholdCase {
    const char* name;
    int firstGroup;     // records in the first group
    const char* header; // where the second group's header goes
};

class ThresholdTest : public BandGenerationTest, public testing::WithParamInterface<ThresholdCase> {};

// The first group's bands end at 60000 or 70000, leaving 30000 or 20000
// above the page bottom at 90000 for a threshold of 30000.
TEST_P(ThresholdTest, AGroupHeaderStartsANewPageWhenLessThanItsThresholdIsLeft) {
    addGroup(10000)->SetmmNewPageThreshold(30000);
    fill(GetParam().firstGroup + 1, repeat("A", GetParam().firstGroup) + QStringList{"B"});
    QStringList all;
    for (const auto& page : print())
        all += texts(*page);
    EXPECT_TRUE(all.contains(GetParam().header)) << all.join(" ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(NewPageThreshold, ThresholdTest,
                         testing::Values(ThresholdCase{"ExactlyTheThresholdLeft", 3, "GH0@60000:4"},
                                         ThresholdCase{"LessThanTheThresholdLeft", 4, "GH0@10000:5"}),
                         [](const testing::TestParamInfo<ThresholdCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(BandGenerationTest, NestedGroupsThatBothAskForANewPageBreakOnOnePage) {
    addGroup(10000)->SetNewPage(true);
    addGroup(10000)->SetNewPage(true);
    fill(4, {"A", "A", "B", "B"});
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(texts(*pages[1]), QStringList({"GH0@10000:3", "GH1@20000:3", "D@30000:3", "D@40000:4",
                                             "GF1@50000:4", "GF0@60000:4"}));
}

TEST_F(BandGenerationTest, AGroupKeptTogetherThatDoesNotFitMovesWholeToTheNextPage) {
    addGroup(10000)->SetKeepTogether(true);
    fill(6, {"A", "A", "A", "B", "B", "B"});
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(texts(*pages[0]),
              QStringList({"GH0@10000:1", "D@20000:1", "D@30000:2", "D@40000:3", "GF0@50000:3"}));
    EXPECT_EQ(texts(*pages[1]),
              QStringList({"GH0@10000:4", "D@20000:4", "D@30000:5", "D@40000:6", "GF0@50000:6"}));
}

TEST_F(BandGenerationTest, AGroupKeptTogetherThatFitsNoPageStartsANewPageAndSplits) {
    addGroup(10000)->SetKeepTogether(true);
    fill(12, QStringList{"A", "A"} + repeat("B", 10));
    QStringList details;
    QStringList starts;
    for (const auto& page : print()) {
        starts << texts(*page).value(0);
        for (const QString& text : texts(*page))
            if (text.startsWith("D@"))
                details << text.section(':', 1);
    }
    EXPECT_EQ(starts, QStringList({"GH0@10000:1", "GH0@10000:3", "GH0@10000:10"}));
    EXPECT_EQ(details, QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}))
        << "every record once, in order";
}

TEST_F(BandGenerationTest, PageSetsOfAGroupAreNumberedAndCountedOnTheirOwn) {
    TppGroup* group = addGroup(10000);
    group->SetNewPage(true);
    group->SetResetPageNo(true);
    report->SetPassSetting(psTwoPass);
    fill(11, repeat("A", 10) + QStringList{"B"});
    QStringList numbering;
    for (const auto& page : print())
        numbering << QStringLiteral("%1/%2 set %3")
                         .arg(page->PageNo)
                         .arg(page->PageCount)
                         .arg(page->ControlGroupBreakNo);
    EXPECT_EQ(numbering, QStringList({"1/2 set 0", "2/2 set 0", "1/1 set 1"}));
}

TEST_F(BandGenerationTest, ATitleWithNewPageIsAloneOnPageOneBelowNothingButTheHeader) {
    addLabel(addBand<TppTitleBand>(10000), "Title");
    static_cast<TppTitleBand*>(report->TitleBand())->SetNewPage(true);
    addLabel(addBand<TppHeaderBand>(10000), "Header");
    fill(2);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(texts(*pages[0]), QStringList({"T@10000:Title", "H@20000:Header"}));
    EXPECT_EQ(texts(*pages[1]), QStringList({"H@10000:Header", "D@20000:1", "D@30000:2"}));
}

class LastPageHeaderTest : public BandGenerationTest,
                           public testing::WithParamInterface<TppPassSettingType> {};

// One pass takes the header off once the page is known to be the last; two
// passes never print it there.
TEST_P(LastPageHeaderTest, AHeaderLeftOffTheLastPageTakesItsSpaceWithIt) {
    report->SetPassSetting(GetParam());
    auto* header = addBand<TppHeaderBand>(10000);
    header->SetPrintOnLastPage(false);
    addLabel(header, "Header");
    addLabel(addBand<TppFooterBand>(10000), "Footer");
    fill(8);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(texts(*pages[0]).value(0), "H@10000:Header");
    EXPECT_EQ(texts(*pages[1]), QStringList({"D@10000:7", "D@20000:8", "F@80000:Footer"}));
}

INSTANTIATE_TEST_SUITE_P(Passes, LastPageHeaderTest, testing::Values(psOnePass, psTwoPass),
                         [](const testing::TestParamInfo<TppPassSettingType>& info) {
                             return std::string(info.param == psOnePass ? "OnePass" : "TwoPasses");
                         });

TEST_F(BandGenerationTest, ASummaryWithNewPageStartsANewPage) {
    auto* summary = addBand<TppSummaryBand>(10000);
    summary->SetNewPage(true);
    addLabel(summary, "Total");
    fill(3);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(texts(*pages[1]), QStringList({"S@10000:Total"}));
    EXPECT_TRUE(pages[1]->LastPage);
}

TEST_F(BandGenerationTest, ASummaryReachedInTheSecondColumnWaitsForTheNextPage) {
    report->SetColumns(2);
    report->ColumnHeaderBand()->SetVisible(false);
    report->ColumnFooterBand()->SetVisible(false);
    addLabel(addBand<TppSummaryBand>(10000), "Total");
    fill(10);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(texts(*pages[1]), QStringList({"S@10000:Total"}));
    EXPECT_EQ(pages[1]->DrawCommand(0)->Left(), 40000) << "the label's place in the first column";
}

TEST_F(BandGenerationTest, APageStyleAppearsOnThePagesItsRangeNames) {
    auto* style = addBand<TppPageStyle>(5000);
    addLabel(style, "Style");
    style->SetPageSetting(psPageRange);
    style->SetStartPage(2);
    style->SetEndPage(4);
    fill(48);
    QList<int> styled;
    for (const auto& page : print())
        if (texts(*page).contains("PS@10000:Style"))
            styled << page->AbsolutePageNo;
    EXPECT_EQ(styled, QList<int>({2, 3, 4}));
}

} // namespace
