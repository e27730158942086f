#include "EngineFixture.h"
#include "PagewrightErrors.h"
#include "TppColumnFooterBand.h"
#include "TppColumnHeaderBand.h"
#include "TppDetailBand.h"
#include "TppHeaderBand.h"
#include "TppSummaryBand.h"
#include "TppTitleBand.h"

namespace {

class BandEngineTest : public EngineFixture {
protected:
    QStringList allTexts() {
        QStringList result;
        for (const auto& page : print())
            result << QStringLiteral("page %1").arg(page->AbsolutePageNo) << texts(*page);
        return result;
    }
    // Records the four band events in the order they fire.
    void recordEvents(TppBand* band, QStringList& log) {
        band->BeforePrint.handler = [&log](TppCommunicator*) { log << "BeforePrint"; };
        band->BeforeGenerate.handler = [&log](TppCommunicator*) { log << "BeforeGenerate"; };
        band->AfterGenerate.handler = [&log](TppCommunicator*) { log << "AfterGenerate"; };
        band->AfterPrint.handler = [&log](TppCommunicator*) { log << "AfterPrint"; };
    }
    TppDetailBand* detail = addBand<TppDetailBand>(10000);
};

TEST_F(BandEngineTest, BandEventsFireInOrderAndOnlyWhereTheBandGenerates) {
    addNumber(detail);
    fill(1);
    auto* summary = addBand<TppSummaryBand>(10000);
    report->SetColumns(2);
    QStringList visible, invisible, columnFooter;
    recordEvents(summary, visible);
    recordEvents(report->ColumnFooterBand(), columnFooter);
    auto* title = addBand<TppTitleBand>(10000);
    title->SetVisible(false);
    recordEvents(title, invisible);
    print();
    EXPECT_EQ(visible, QStringList({"BeforePrint", "BeforeGenerate", "AfterGenerate", "AfterPrint"}));
    EXPECT_EQ(invisible, QStringList({"BeforePrint", "AfterPrint"})) << "an invisible band uses no space";
    EXPECT_EQ(columnFooter, QStringList({"BeforePrint", "BeforeGenerate", "AfterPrint"}));
}

class FitTest : public BandEngineTest, public testing::WithParamInterface<int> {};

// Four bands of 20000 fill the 80000 between the margins exactly; one unit
// more and the fourth goes to the next page.
TEST_P(FitTest, AStaticBandFitsExactlyOrGoesToTheNextPage) {
    detail->SetmmHeight(GetParam());
    addNumber(detail);
    fill(5);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(texts(*pages[0]).size(), GetParam() == 20000 ? 4 : 3);
}

INSTANTIATE_TEST_SUITE_P(Heights, FitTest, testing::Values(20000, 20001), testing::PrintToStringParamName());

TEST_F(BandEngineTest, ADetailWithAPrintPositionTakesItOnceAPageHasRoomAboveIt) {
    addNumber(detail);
    detail->SetmmPrintPosition(40000);
    addLabel(addBand<TppTitleBand>(50000), "Title");
    fill(2);
    EXPECT_EQ(allTexts(), QStringList({"page 1", "T@10000:Title", "page 2", "D@40000:1", "D@50000:2"}));
}

TEST_F(BandEngineTest, EveryRecordPrintsBandsPerRecordTimes) {
    addNumber(detail);
    detail->SetBandsPerRecord(3);
    fill(2);
    EXPECT_EQ(allTexts(), QStringList({"page 1", "D@10000:1", "D@20000:1", "D@30000:1", "D@40000:2",
                                       "D@50000:2", "D@60000:2"}));
}

TEST_F(BandEngineTest, PrintCountLimitsTheDetailBandsOfAPage) {
    addNumber(detail);
    detail->SetPrintCount(5);
    fill(7);
    EXPECT_EQ(allTexts(), QStringList({"page 1", "D@10000:1", "D@20000:2", "D@30000:3", "D@40000:4",
                                       "D@50000:5", "page 2", "D@10000:6", "D@20000:7"}));
}

TEST_F(BandEngineTest, AReportWithoutPipelinePrintsOneDetailBand) {
    addLabel(detail, "Once");
    report->SetDataPipeline(nullptr);
    ASSERT_TRUE(report->AutoStop());
    EXPECT_EQ(allTexts(), QStringList({"page 1", "D@10000:Once"}));
    // Without AutoStop there is still only the one record to print.
    report->BandedEngine()->Reset();
    report->SetAutoStop(false);
    EXPECT_EQ(allTexts(), QStringList({"page 1", "D@10000:Once"}));
}

TEST_F(BandEngineTest, LeftToRightColumnsFillRowsAndFrameEachColumn) {
    addNumber(detail);
    detail->SetColumnTraversal(ctLeftToRight);
    report->SetColumns(3);
    report->ColumnHeaderBand()->SetmmHeight(5000);
    addLabel(report->ColumnHeaderBand(), "CH");
    report->ColumnFooterBand()->SetmmHeight(5000);
    addLabel(report->ColumnFooterBand(), "CF");
    fill(5);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 1);
    QStringList placed;
    for (int index = 0; index < pages[0]->DrawCommandCount(); ++index) {
        const auto* text = static_cast<const TppDrawText*>(pages[0]->DrawCommand(index));
        placed << QStringLiteral("%1 %2,%3").arg(text->Text).arg(text->Left()).arg(text->Top());
    }
    // Columns 26666 wide; rows below the column headers; footers above the page bottom.
    EXPECT_EQ(placed, QStringList({"CH 40000,10000", "1 10000,15000", "CH 66666,10000", "2 36666,15000",
                                   "CH 93332,10000", "3 63332,15000", "4 10000,25000", "5 36666,25000",
                                   "CF 40000,85000", "CF 66666,85000", "CF 93332,85000"}));
}

TEST_F(BandEngineTest, LeftToRightColumnsThatNoRecordReachedGetTheirFooterAtThePageEnd) {
    addNumber(detail);
    detail->SetColumnTraversal(ctLeftToRight);
    report->SetColumns(3);
    report->ColumnHeaderBand()->SetVisible(false);
    report->ColumnFooterBand()->SetmmHeight(5000);
    addLabel(report->ColumnFooterBand(), "CF");
    fill(1);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(texts(*pages[0]), QStringList({"D@10000:1", "CF@85000:CF", "CF@85000:CF", "CF@85000:CF"}));
}

TEST_F(BandEngineTest, UnusablePositionsStopGenerationWithTheirMessage) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        QString message;
    };
    const Case cases[] = {
        {"a column position that is no number",
         [this] {
             report->ColumnPositions = {"0.5", "x"};
         },
         "Unable to convert position for column 2."},
        {"a column without position", [this] { report->ColumnPositions = {"0.5"}; },
         "Unable to find position for column 2."},
        {"a print position below the page",
         [this] {
             detail->SetColumnTraversal(ctTopToBottom);
             detail->SetmmPrintPosition(95000);
         },
         "PrintPosition exceeds available page space."},
    };
    addNumber(detail);
    report->SetColumns(2);
    fill(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        report->ColumnPositions.clear();
        detail->SetColumnTraversal(ctLeftToRight);
        detail->SetmmPrintPosition(0);
        report->BandedEngine()->Reset();
        c.arrange();
        try {
            print();
            ADD_FAILURE() << "no error";
        } catch (const EPrintError& error) {
            EXPECT_EQ(error.message(), "Cannot generate report.\n\n" + c.message);
        }
        EXPECT_FALSE(report->Printing());
    }
}

// The summary belongs to the last page set of the control group and gives
// back the break its footer counted. Too tall for what the footer leaves of
// the page, it is prepared again on the next page; the break goes back once,
// also when that page is made again from the state cached before it.
TEST_F(BandEngineTest, ASummaryMovedToTheNextPageGivesTheControlGroupsBreakBackOnce) {
    addNumber(detail);
    TppGroup* group = addGroup(10000);
    group->SetNewPage(true);
    group->SetResetPageNo(true);
    addLabel(addBand<TppSummaryBand>(30000), "Summary");
    // Page 2 holds B's header, four details and its footer: 60000 of 80000.
    fill(5, {"A", "B", "B", "B", "B"});
    const auto pages = print();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(texts(*pages[2]), QStringList({"S@10000:Summary"}));
    EXPECT_EQ(group->BreakNo(), 1) << "B's break, the last";
    ASSERT_EQ(print(psSinglePage, 3).size(), 1);
    EXPECT_EQ(group->BreakNo(), 1) << "the summary's page made again";
}

} // namespace
