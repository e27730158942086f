#include "CollectingDevice.h"
#include "DataSource.h"
#include "FakePrinterCatalog.h"
#include "MemoryTable.h"
#include "NumberedTable.h"
#include "RecordingPrompter.h"
#include "RegistryScope.h"
#include "TppChildReport.h"
#include "TppDBPipeline.h"
#include "TppDetailBand.h"
#include "TppDrawText.h"
#include "TppLabel.h"
#include "TppPrinterDevice.h"
#include "TppPrinterList.h"
#include "TppReport.h"
#include "TppSubReport.h"
#include "TppSummaryBand.h"
#include "TppTitleBand.h"

#include <gtest/gtest.h>

namespace {

void setPaper(TppPrinterSetup& setup, int height) {
    setup.SetPrinterName(QStringLiteral("Office"));
    setup.SetmmPaperWidth(100000);
    setup.SetmmPaperHeight(height);
    for (int TppPageDef::*margin : {&TppPageDef::mmMarginLeft, &TppPageDef::mmMarginTop,
                                    &TppPageDef::mmMarginRight, &TppPageDef::mmMarginBottom})
        setup.SetmmMargin(margin, 10000);
}

// Two orders on 10 cm pages, a title before them and a summary after; each
// order prints its three lines, 3 cm each, as a section of pages of its own.
class SectionTest : public testing::Test {
protected:
    SectionTest() {
        fillNumberedTable(orders, 2);
        fillNumberedTable(lines, 3);
        orderPipeline->SetDataSource(orderSource);
        linePipeline->SetDataSource(lineSource);
        setPaper(report->PrinterSetup(), 100000);
        report->SetDataPipeline(orderPipeline);
        label(band<TppTitleBand>(report, 5000), "Orders");
        label(band<TppSummaryBand>(report, 5000), "end");

        subReport->SetBand(band<TppDetailBand>(report, 5000));
        subReport->SetBounds(0, 0, 80000, 5000);
        subReport->SetPrintBehavior(pbSection);
        subReport->SetDataPipeline(linePipeline);
        TppChildReport* child = subReport->ChildReport();
        label(band<TppDetailBand>(child, 30000), "line");
    }

    template <class Band> TppBand* band(TppReportModel* owner, int height) {
        auto* made = new Band(&form);
        made->SetReport(owner);
        made->SetmmHeight(height);
        return made;
    }

    void label(TppBand* on, const char* caption) {
        auto* made = new TppLabel(&form);
        made->SetBand(on);
        made->SetCaption(QString::fromLatin1(caption));
        made->SetBounds(0, 0, 30000, 5000);
    }

    // Each page as its paper height and texts, e.g. "100000: Orders".
    QStringList pages() {
        CollectingDevice device;
        device.SetPublisher(&report->Publisher());
        report->RunPrintJob();
        device.SetPublisher(nullptr);
        QStringList result;
        for (const auto& page : device.Pages())
            result << describe(*page);
        return result;
    }

    static QString describe(const TppPage& page) {
        QStringList texts;
        for (int i = 0; i < page.DrawCommandCount(); ++i)
            if (const auto* text = dynamic_cast<const TppDrawText*>(page.DrawCommand(i)))
                texts << text->Text;
        return QStringLiteral("%1: %2").arg(page.PageDef().mmHeight).arg(texts.join(u' '));
    }

    OwnedComponent form;
    MemoryTable orders;
    MemoryTable lines;
    TppDBPipeline* orderPipeline = new TppDBPipeline(&form);
    TppDBPipeline* linePipeline = new TppDBPipeline(&form);
    DataSource* orderSource = new DataSource(&form, &orders);
    DataSource* lineSource = new DataSource(&form, &lines);
    TppReport* report = new TppReport(&form);
    TppSubReport* subReport = new TppSubReport(&form);
};

TEST_F(SectionTest, EachInstanceGetsPagesOfItsOwnOnTheChildsPaperWhenItHasOne) {
    struct Case {
        const char* name;
        bool parentPrinterSetup;
        int childPaperHeight;
        QStringList expected;
    };
    const Case cases[] = {
        {"the parent's paper: two lines a page",
         true,
         0,
         {"100000: Orders", "100000: line line", "100000: line", "100000: line line", "100000: line",
          "100000: end"}},
        // The title page and the summary page are the parent's, on its paper.
        {"a paper of its own: the three lines on one page",
         false,
         130000,
         {"100000: Orders", "130000: line line line", "130000: line line line", "100000: end"}},
    };
    for (const Case& c : cases) {
        subReport->SetParentPrinterSetup(c.parentPrinterSetup);
        if (!c.parentPrinterSetup)
            setPaper(subReport->ChildReport()->PrinterSetup(), c.childPaperHeight);
        report->Reset();
        EXPECT_EQ(pages(), c.expected) << c.name;
        EXPECT_EQ(report->BandedEngine()->Page().PageDef().mmHeight, 100000)
            << c.name << ": the parent's next page is on its own paper again";
    }
}

TEST_F(SectionTest, TheParentsPagesOfEachInstanceAreKnown) {
    pages();
    const auto& sections = subReport->SectionPagesByInstance();
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections.at(0).first, 2);
    EXPECT_EQ(sections.at(0).last, 3);
    EXPECT_EQ(sections.at(1).first, 4);
    EXPECT_EQ(sections.at(1).last, 5);
}

// A child without records prints no section: no page is left blank for it.
TEST_F(SectionTest, AnInstanceWithoutRecordsTakesNoPage) {
    lines.close();
    fillNumberedTable(lines, 0);
    EXPECT_EQ(pages(), QStringList({"100000: Orders", "100000: end"}));
}

// A second section of the band begins on a page after the first one's last.
TEST_F(SectionTest, SectionsOfOneBandFollowEachOtherOnPagesOfTheirOwn) {
    auto* second = new TppSubReport(&form);
    second->SetBand(subReport->Band());
    second->SetBounds(0, 0, 80000, 5000);
    second->SetPrintBehavior(pbSection);
    second->SetDataPipeline(linePipeline);
    label(band<TppDetailBand>(second->ChildReport(), 60000), "other");
    EXPECT_EQ(pages(), QStringList({"100000: Orders", "100000: line line", "100000: line", "100000: other",
                                    "100000: other", "100000: other", "100000: line line", "100000: line",
                                    "100000: other", "100000: other", "100000: other", "100000: end"}));
}

// While the report prints on a printer, each instance of a NewPrintJob
// section is a job of its own on the child's paper, and its pages are not
// in the report's job.
TEST_F(SectionTest, ANewPrintJobSectionPrintsEachInstanceAsAJobOfItsOwn) {
    auto catalog = std::make_shared<FakePrinterCatalog>();
    catalog->install("Office", officeLaser());
    catalog->defaultName = "Office";
    TppPrinterList::instance().setCatalog(catalog);
    RegistryScope registries;
    registries.registerDevice("Printer", TppPrinterDevice::staticClassInfo());
    // The printer is known now.
    setPaper(report->PrinterSetup(), 100000);
    subReport->SetParentPrinterSetup(false);
    setPaper(subReport->ChildReport()->PrinterSetup(), 130000);
    subReport->SetNewPrintJob(true);
    report->SetShowPrintDialog(false);
    report->SetShowCancelDialog(false);
    report->SetDeviceType("Printer");
    RecordingPrompter prompter;
    report->SetWarningPrompter(&prompter);

    report->Print();

    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join("; ").toStdString();

    ASSERT_EQ(catalog->jobs.size(), 3u);
    const PrintedJob& main = *catalog->jobs[0];
    EXPECT_EQ(main.pages.size(), 2u) << "the title page and the summary page";
    for (size_t index = 1; index < catalog->jobs.size(); ++index) {
        const PrintedJob& section = *catalog->jobs[index];
        EXPECT_EQ(section.pages.size(), 1u) << "section " << index;
        EXPECT_TRUE(section.finished) << "section " << index;
        ASSERT_FALSE(section.pageRequests.empty());
        EXPECT_NEAR(section.pageRequests.front().paperMillimetres.height(), 130, 1) << "section " << index;
    }
    EXPECT_TRUE(main.finished);
    TppPrinterList::instance().setCatalog(std::make_shared<FakePrinterCatalog>());
}

} // namespace
