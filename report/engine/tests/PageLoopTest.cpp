#include "EngineFixture.h"
#include "FormRegistry.h"
#include "LanguageModules.h"
#include "PagewrightErrors.h"
#include "RegistryScope.h"
#include "TppColumnFooterBand.h"
#include "TppColumnHeaderBand.h"
#include "TppCustomNoDataDialog.h"
#include "TppDetailBand.h"
#include "TppFooterBand.h"
#include "TppHeaderBand.h"
#include "TppImage.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class PageLoopTest : public EngineFixture {
protected:
    // A plain listing: static header, detail and footer bands
    // 10000 high, each showing a text; 14 records.
    void buildListing(int records = 14) {
        header = addBand<TppHeaderBand>(10000);
        addLabel(header, "Listing");
        detail = addBand<TppDetailBand>(10000);
        addNumber(detail);
        footer = addBand<TppFooterBand>(10000);
        addNumber(footer);
        fill(records);
        report->OnStartPage.handler = [this](TppCommunicator*) { ++pagesStarted; };
    }
    int current() const { return table.value(0).toInt(); }
    // Puts the table on record 5 when the request reaches the report, after
    // the report's preparation for the job.
    void standOnFiveAtTheRequest() {
        report->OnPageRequest.handler = [this](TppCommunicator*, TppPageRequest*) {
            table.first();
            table.moveBy(4);
        };
    }
    int pagesStarted = 0;
    TppHeaderBand* header = nullptr;
    TppDetailBand* detail = nullptr;
    TppFooterBand* footer = nullptr;
};

QStringList details(int from, int to) {
    QStringList result;
    for (int n = from; n <= to; ++n)
        result << QStringLiteral("D@%1:%2").arg(20000 + (n - from) * 10000).arg(n);
    return result;
}

TEST_F(PageLoopTest, FourteenRecordsFillThreePagesBelowTheHeaderAndAboveTheFooter) {
    buildListing();
    const auto pages = print();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages[0]->PrintDateTime, clock.now()) << "the run's start, by the report's clock";
    // 80000 is the page bottom: 100000 less the margin and the footer.
    const QList<QStringList> expected = {
        QStringList{"H@10000:Listing"} + details(1, 6) + QStringList{"F@80000:6"},
        QStringList{"H@10000:Listing"} + details(7, 12) + QStringList{"F@80000:12"},
        QStringList{"H@10000:Listing"} + details(13, 14) + QStringList{"F@80000:14"},
    };
    for (int index = 0; index < 3; ++index) {
        const TppPage& page = *pages[index];
        EXPECT_EQ(texts(page), expected[index]) << "page " << index + 1;
        EXPECT_EQ(page.AbsolutePageNo, index + 1);
        EXPECT_EQ(page.LastPage, index == 2) << "only page 3 is the last page";
        EXPECT_EQ(page.FirstPage, index == 0);
        EXPECT_TRUE(page.Final);
    }
    EXPECT_EQ(pages[2]->AbsolutePageCount, 3);
    EXPECT_TRUE(report->Engine()->GenerationCompleted);
}

TEST_F(PageLoopTest, TwoPassesShowTheFinalPageCountOnEveryPage) {
    buildListing();
    report->SetPassSetting(psTwoPass);
    QStringList events;
    for (auto [event, name] :
         {std::pair{&TppCustomReport::OnStartFirstPass, "start 1"},
          std::pair{&TppCustomReport::OnEndFirstPass, "end 1"},
          std::pair{&TppCustomReport::OnStartSecondPass, "start 2"},
          std::pair{&TppCustomReport::OnEndSecondPass, "end 2"},
          std::pair{&TppCustomReport::OnStartPage, "["}, std::pair{&TppCustomReport::OnEndPage, "]"}})
        (report->*event).handler = [&events, name](TppCommunicator*) { events << name; };
    const auto pages = print();
    ASSERT_EQ(pages.size(), 3) << "the first pass draws nothing the devices output";
    for (const auto& page : pages) {
        EXPECT_EQ(page->AbsolutePageCount, 3) << "page " << page->AbsolutePageNo;
        EXPECT_EQ(page->PageCount, 3) << "page " << page->AbsolutePageNo;
        EXPECT_TRUE(page->Final);
    }
    const QStringList threePages = {"[", "]", "[", "]", "[", "]"};
    const QStringList expected = QStringList{"start 1"} + threePages + QStringList{"end 1", "start 2"} +
                                 threePages + QStringList{"end 2"};
    EXPECT_EQ(events, expected);
}

TEST_F(PageLoopTest, AnEarlierPageIsGeneratedAgainExactlyFromTheStateBeforeIt) {
    buildListing();
    const auto sequential = print();
    ASSERT_EQ(sequential.size(), 3);
    const auto again = print(psSinglePage, 2);
    ASSERT_EQ(again.size(), 1);
    // The commands; the count in the first line grew as the first run went on.
    EXPECT_EQ(pageDumpLines(*again[0]).mid(1), pageDumpLines(*sequential[1]).mid(1));
    EXPECT_EQ(again[0]->AbsolutePageNo, 2);
    EXPECT_EQ(again[0]->AbsolutePageCount, 3);
}

} // namespace

namespace {

QList<int> numbers(const QList<std::shared_ptr<TppPage>>& pages) {
    QList<int> result;
    for (const auto& page : pages)
        result << page->AbsolutePageNo;
    return result;
}

TEST_F(PageLoopTest, APreviewOfPageFiveMakesPagesOneToFiveThenOnlyPageThree) {
    buildListing(36);
    EXPECT_EQ(numbers(print(psSinglePage, 5)), QList<int>{5});
    EXPECT_EQ(pagesStarted, 5) << "pages are only made in order";
    EXPECT_FALSE(report->Engine()->GenerationCompleted) << "the report goes on past page 5";
    pagesStarted = 0;
    EXPECT_EQ(numbers(print(psSinglePage, 3)), QList<int>{3});
    EXPECT_EQ(pagesStarted, 1) << "from the state saved after page 2";
}

struct RequestCase {
    const char* name;
    TppPageSettingType setting;
    int page;
    QStringList list;
    QList<int> expected;
    TppPassSettingType passes = psOnePass;
};

class PageRequestTest : public PageLoopTest, public testing::WithParamInterface<RequestCase> {};

// Six pages of 6 records each.
TEST_P(PageRequestTest, EndsWithTheRightPages) {
    buildListing(36);
    const RequestCase& c = GetParam();
    report->SetPassSetting(c.passes);
    EXPECT_EQ(numbers(print(c.setting, c.page, c.list)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, PageRequestTest,
    testing::Values(RequestCase{"PageListWithoutPagesPastTheEnd", psPageList, 1, {"5", "2", "99"}, {5, 2}},
                    RequestCase{"SinglePagePastTheEndIsTheLastPageOnce", psSinglePage, 10, {}, {6}},
                    RequestCase{"FirstPage", psFirstPage, 1, {}, {1}},
                    RequestCase{"LastPage", psLastPage, 1, {}, {6}},
                    RequestCase{"AllPages", psAll, 1, {}, {1, 2, 3, 4, 5, 6}},
                    // The first pass's draft of a listed page does not serve the request.
                    RequestCase{"PageListInTwoPasses", psPageList, 1, {"5", "2", "99"}, {5, 2}, psTwoPass},
                    RequestCase{"LastListedPageInTwoPasses", psPageList, 1, {"6"}, {6}, psTwoPass},
                    RequestCase{"SinglePageInTwoPasses", psSinglePage, 4, {}, {4}, psTwoPass}),
    [](const testing::TestParamInfo<RequestCase>& info) { return std::string(info.param.name); });

TEST_F(PageLoopTest, APageLimitEndsTheReportWhileDataRemains) {
    buildListing(36);
    report->SetPageLimit(3);
    const auto pages = print();
    EXPECT_EQ(numbers(pages), QList<int>({1, 2, 3}));
    EXPECT_TRUE(pages.last()->LastPage);
}

TEST_F(PageLoopTest, ColumnsThatDoNotFitThePageAreLeftOut) {
    report->SetUnits(utMMThousandths);
    report->SetColumns(3);
    report->SetColumnWidth(30000);
    report->ColumnHeaderBand()->SetVisible(false);
    report->ColumnFooterBand()->SetVisible(false);
    addNumber(addBand<TppDetailBand>(10000));
    fill(20);
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    QStringList placed;
    for (const auto& page : pages)
        for (int index = 0; index < page->DrawCommandCount(); ++index) {
            const TppDrawCommand* command = page->DrawCommand(index);
            placed << QStringLiteral("%1:%2,%3")
                          .arg(page->AbsolutePageNo)
                          .arg(command->Left())
                          .arg(command->Top());
        }
    // Two columns of 30000 from the margin fit in 80000; a third would end at 100000.
    QStringList expected;
    for (int n = 0; n < 16; ++n)
        expected << QStringLiteral("1:%1,%2").arg(n < 8 ? 10000 : 40000).arg(10000 + n % 8 * 10000);
    for (int n = 0; n < 4; ++n)
        expected << QStringLiteral("2:10000,%1").arg(10000 + n * 10000);
    EXPECT_EQ(placed, expected);
}

// A no-data dialog that records being shown.
class FakeNoDataDialog : public TppCustomNoDataDialog {
public:
    static inline int shown = 0;
    void Show() override {}
    bool ShowModal() override {
        ++shown;
        return true;
    }
    void Close() override {}
};

TEST_F(PageLoopTest, AReportWithoutDataFollowsItsNoDataBehaviours) {
    buildListing(0);
    RegistryScope registries;
    registries.registerForm<TppCustomNoDataDialog>([] { return new FakeNoDataDialog(); });
    int noDataEvents = 0;
    report->OnNoData.handler = [&](TppCommunicator*, TppCustomNoDataDialog*, bool&, TppDrawCommand*, bool&) {
        ++noDataEvents;
    };
    EXPECT_TRUE(print().isEmpty()) << "a blank page is no page";
    EXPECT_EQ(noDataEvents, 1);
    EXPECT_EQ(FakeNoDataDialog::shown, 0);

    report->BandedEngine()->Reset();
    report->SetNoDataBehaviors((1u << ndBlankReport) | (1u << ndMessageOnPage) | (1u << ndMessageDialog));
    const auto pages = print();
    ASSERT_EQ(pages.size(), 1);
    const auto* message =
        dynamic_cast<const TppDrawText*>(pages[0]->DrawCommand(pages[0]->DrawCommandCount() - 1));
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Text, "No Data Found");
    EXPECT_EQ(message->Left(), (80000 - message->Width()) / 2) << "centred in the printable width";
    EXPECT_EQ(FakeNoDataDialog::shown, 2) << "at the start and at the end of the page";
}

TEST_F(PageLoopTest, CancellingLeavesThePipelineWhereItStood) {
    buildListing(36);
    standOnFiveAtTheRequest();
    report->MessagePump = [this] {
        if (++pumps == 2)
            report->Cancel();
    };
    detail->BeforePrint.handler = [this](TppCommunicator*) { clock.ms += 50; };
    const auto pages = print();
    EXPECT_LT(pages.size(), 6);
    EXPECT_EQ(current(), 5);
    EXPECT_FALSE(report->Printing());
}

TEST_F(PageLoopTest, AnErrorInsideGenerationRestoresThePipelineAndTheNextRunWorks) {
    buildListing(14);
    standOnFiveAtTheRequest();
    bool fail = true;
    detail->BeforePrint.handler = [&](TppCommunicator*) {
        if (fail && table.value(0).toInt() == 9)
            throw EPrintError("no printer");
    };
    EXPECT_THROW(print(), EPrintError);
    EXPECT_EQ(current(), 5);
    EXPECT_FALSE(report->Printing());
    EXPECT_FALSE(report->Engine()->Printing);
    fail = false;
    EXPECT_EQ(print().size(), 3);
}

TEST_F(PageLoopTest, MessagesGoThroughByTimeNotByComponent) {
    buildListing(14);
    detail->BeforePrint.handler = [&](TppCommunicator*) { clock.ms += 30; };
    print();
    // Far fewer than the bands and components generated: the first call,
    // then at most one every 100 ms of the clock.
    EXPECT_GE(pumps, clock.ms / 100);
    EXPECT_LE(pumps, clock.ms / 100 + 1);
}

} // namespace

namespace {

// A header of 30000 and a footer of 45000 leave 5000 for a detail of
// 10000, on every page alike: without a stop the pages would stay empty for ever.
TEST_F(PageLoopTest, ABandThatFitsNoPageStopsGenerationInsteadOfRepeatingEmptyPages) {
    addLabel(addBand<TppHeaderBand>(30000), "Header");
    detail = addBand<TppDetailBand>(10000);
    addNumber(detail);
    addLabel(addBand<TppFooterBand>(45000), "Footer");
    fill(3);
    try {
        print();
        ADD_FAILURE() << "generation went on";
    } catch (const EPrintError& error) {
        EXPECT_EQ(error.message(),
                  "Cannot generate report.\n\nThe band " + detail->UserName() + " does not fit on a page.");
    }
    EXPECT_TRUE(device.pages.isEmpty());
    EXPECT_FALSE(report->Printing());
}

} // namespace

namespace {

// The engine tells data texts of every new record and every new page: a
// repeated value is left out, and shown again at the top of each page.
TEST_F(PageLoopTest, ARepeatedValueShowsOnceAndAgainAtTheTopOfEachPage) {
    detail = addBand<TppDetailBand>(10000);
    TppDBText* key = addNumber(detail, 0, QStringLiteral("G"));
    key->SetSuppressRepeatedValues(true);
    key->SetReprintOnSubsequent(true);
    fill(10, {"A", "A", "A", "A", "A", "A", "A", "A", "A", "B"});
    const auto pages = print();
    ASSERT_EQ(pages.size(), 2);
    QStringList shown;
    for (const auto& page : pages)
        for (const QString& text : texts(*page))
            if (!text.endsWith(':'))
                shown << QStringLiteral("%1 %2").arg(page->AbsolutePageNo).arg(text);
    EXPECT_EQ(shown, QStringList({"1 D@10000:A", "2 D@10000:A", "2 D@20000:B"}));
}

} // namespace

namespace {

// Groups of several sizes, one kept together, and a repeated value left
// out: every object's state at a page end is in the page state cache, so
// every page made again, in any order, is the page of the first run.
TEST_F(PageLoopTest, EveryPageMadeAgainInAnyOrderIsThePageOfTheFirstRun) {
    TppGroup* outer = addGroup(10000);
    outer->SetKeepTogether(true);
    detail = addBand<TppDetailBand>(10000);
    addNumber(detail);
    TppDBText* key = addNumber(detail, 0, QStringLiteral("G"));
    key->SetLeft(0.5f);
    key->SetSuppressRepeatedValues(true);
    addNumber(addBand<TppFooterBand>(10000));
    QStringList keys;
    for (int size : {3, 9, 1, 5, 12, 2, 4})
        keys += QStringList(size, QString(QChar(int('A' + keys.size() % 26))));
    fill(int(keys.size()), keys);
    const auto first = print();
    ASSERT_GE(first.size(), 6);
    for (int page = int(first.size()); page >= 1; page -= 2) {
        const auto again = print(psSinglePage, page);
        ASSERT_EQ(again.size(), 1) << "page " << page;
        EXPECT_EQ(pageDumpLines(*again[0]).mid(1), pageDumpLines(*first[page - 1]).mid(1)) << "page " << page;
    }
    for (int page : {2, 4, 1})
        EXPECT_EQ(pageDumpLines(*print(psSinglePage, page).value(0)).mid(1),
                  pageDumpLines(*first[page - 1]).mid(1))
            << "page " << page;
}

} // namespace

namespace {

TEST_F(PageLoopTest, AfterAReportResetThePagesAreMadeAnewFromNewData) {
    buildListing(14);
    EXPECT_EQ(print().size(), 3);
    for (int n = 15; n <= 20; ++n) {
        table.append();
        table.setValue(0, n);
        table.post();
    }
    EXPECT_EQ(print(psSinglePage, 3).value(0)->AbsolutePageCount, 3)
        << "the run goes on from its saved state";
    report->Reset();
    const auto pages = print();
    ASSERT_EQ(pages.size(), 4);
    EXPECT_EQ(texts(*pages[3]).last(), "F@80000:20");
}

} // namespace

namespace {

TEST_F(PageLoopTest, ClosingThePipelineOutsideAJobMakesThePagesAnew) {
    buildListing(14);
    ASSERT_EQ(print().size(), 3);
    EXPECT_EQ(report->CachedPageCount(), 3);
    pipeline->Close();
    EXPECT_EQ(report->CachedPageCount(), 0) << "the cached pages hold data that is gone";
    EXPECT_TRUE(table.isActive()) << "the pipeline does not close a data source it did not open";
}

TEST_F(PageLoopTest, AJobClosesThePipelinesItOpenedAndLeavesTheOthersOpen) {
    buildListing(2);
    pipeline->SetCloseDataSource(true);
    print();
    EXPECT_TRUE(pipeline->Active()) << "open before the job";
    table.close();
    ASSERT_FALSE(pipeline->Active());
    print();
    EXPECT_FALSE(pipeline->Active()) << "opened by the job, closed at its end";
    EXPECT_FALSE(report->Printing());
}

} // namespace

namespace {

TEST_F(PageLoopTest, APageMadeAgainFromTheCacheNamesNoNewPictures) {
    buildListing(14);
    auto* image = new TppImage(&form);
    image->SetBand(detail);
    image->SetBounds(50000, 0, 5000, 5000);
    int shade = 0;
    detail->BeforePrint.handler = [&](TppCommunicator*) {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(QColor(++shade % 256, 0, 0));
        image->Picture().SetImage(picture);
    };
    ASSERT_EQ(print().size(), 3);
    const int serial = image->PictureSerial();
    EXPECT_GE(serial, 14) << "each page made for the first time names its pictures anew";
    ASSERT_EQ(print(psSinglePage, 2).size(), 1);
    EXPECT_EQ(image->PictureSerial(), serial);
}

} // namespace

namespace {

TEST_F(PageLoopTest, AReportsLanguageLoadsTheModulesOfTheSubsystems) {
    QTemporaryDir folder;
    QFile module(folder.filePath(QStringLiteral("pwPrint.deu")));
    ASSERT_TRUE(module.open(QIODevice::WriteOnly));
    module.write("43018=Seite\n");
    module.close();
    TppResourceManager::instance().setSearchPaths({folder.path()});
    const LanguageModuleRegistration printTexts(kPrintLanguageModule);
    report->SetLanguage(lgGerman);
    EXPECT_EQ(report->Language(), lgGerman);
    EXPECT_EQ(LanguageString(18), "Seite");
    report->SetLanguage(lgFrench);
    EXPECT_EQ(report->Language(), lgGerman) << "without a module for it the language stays";
    EXPECT_EQ(LanguageString(18), "Seite");
    report->SetLanguage(lgDefault);
    EXPECT_EQ(LanguageString(18), "Page");
}

} // namespace

namespace {

// Two orders of three lines each: the detail band runs over the lines of
// every order. The lines' cursor is put back where the user left it after
// every request, the very first too, while the run itself starts from the
// first line.
TEST_F(PageLoopTest, TheFirstRequestAloneStartsFromTheFirstLineAndPutsTheLinesBack) {
    buildListing(2);
    MemoryTable lines;
    lines.setFieldDefs({{"L", FieldType::Integer, 0, 0}});
    lines.open();
    for (int n = 1; n <= 3; ++n) {
        lines.append();
        lines.setValue(0, n * 10);
        lines.post();
    }
    auto* linesPipeline = new TppDBPipeline(&form);
    linesPipeline->SetDataSource(new DataSource(&form, &lines));
    detail->SetDataPipeline(linesPipeline);
    addNumber(detail, 0, QStringLiteral("L"))->SetDataPipeline(linesPipeline);
    lines.first();
    lines.moveBy(1);

    const auto pages = print(psSinglePage, 1);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(texts(*pages[0]).mid(1, 4),
              QStringList({"D@20000:1", "D@20000:10", "D@30000:1", "D@30000:20"}));
    EXPECT_EQ(lines.value(0).toInt(), 20) << "back on the line it stood on";
    EXPECT_EQ(current(), 1) << "the orders too";
}

} // namespace
