#include "DataSource.h"
#include "MemoryTable.h"
#include "NumberedTable.h"
#include "TppChildReport.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppDetailBand.h"
#include "TppDrawText.h"
#include "TppLabel.h"
#include "TppReport.h"
#include "TppSubReport.h"
#include "TppViewer.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

// Two orders, each followed by a subreport of two lines that only prints
// when its order's number has been clicked.
class DrillDownPreviewTest : public testing::Test {
protected:
    DrillDownPreviewTest() {
        TppPrinterSetup& setup = report->PrinterSetup();
        setup.SetmmPaperWidth(100000);
        setup.SetmmPaperHeight(100000);
        for (int TppPageDef::*margin : {&TppPageDef::mmMarginLeft, &TppPageDef::mmMarginTop,
                                        &TppPageDef::mmMarginRight, &TppPageDef::mmMarginBottom})
            setup.SetmmMargin(margin, 10000);
        fillNumberedTable(orders, 2);
        fillNumberedTable(lines, 2);
        report->SetDataPipeline(orderPipeline);

        auto* detail = new TppDetailBand(&form);
        detail->SetReport(report);
        detail->SetmmHeight(16000);
        detail->SetPrintHeight(phDynamic);
        number->SetBand(detail);
        number->SetDataPipeline(orderPipeline);
        number->SetDataField(QStringLiteral("N"));
        number->SetBounds(0, 0, 20000, 5000);

        subReport->SetBand(detail);
        subReport->SetBounds(0, 6000, 60000, 10000);
        subReport->SetDataPipeline(linePipeline);
        TppChildReport* child = subReport->ChildReport();
        auto* childDetail = new TppDetailBand(&form);
        childDetail->SetReport(child);
        childDetail->SetmmHeight(5000);
        auto* line = new TppLabel(&form);
        line->SetBand(childDetail);
        line->SetCaption(QStringLiteral("line"));
        line->SetBounds(10000, 0, 20000, 5000);
        subReport->SetDrillDownComponent(number);

        // Copies of pages made before a click must not be shown after it.
        report->SetCachePages(true);
        viewer.resize(400, 400);
        viewer.SetReport(report);
    }

    QStringList shownTexts() const {
        QStringList texts;
        const TppPage& page = viewer.CurrentPage();
        for (int index = 0; index < page.DrawCommandCount(); ++index)
            if (const auto* text = dynamic_cast<const TppDrawText*>(page.DrawCommand(index)))
                texts << text->Text;
        return texts;
    }

    void clickOrder(const QString& order) {
        for (const TppDrawCommand* command : viewer.CurrentPage().ClickableCommands()) {
            const auto* text = dynamic_cast<const TppDrawText*>(command);
            if (text && text->Text == order) {
                QTest::mouseClick(viewer.PaintBox(), Qt::LeftButton, {},
                                  QPoint(command->DeviceRight, command->DeviceBottom));
                return;
            }
        }
        ADD_FAILURE() << "no clickable order " << order.toStdString();
    }

    OwnedComponent form;
    MemoryTable orders;
    MemoryTable lines;
    TppDBPipeline* orderPipeline = new TppDBPipeline(&form);
    TppDBPipeline* linePipeline = new TppDBPipeline(&form);
    DataSource* orderSource = new DataSource(&form, &orders);
    DataSource* lineSource = new DataSource(&form, &lines);
    TppReport* report = new TppReport(&form);
    TppDBText* number = new TppDBText(&form);
    TppSubReport* subReport = new TppSubReport(&form);
    TppViewer viewer;

    void SetUp() override {
        orderPipeline->SetDataSource(orderSource);
        linePipeline->SetDataSource(lineSource);
    }
};

TEST_F(DrillDownPreviewTest, AClickExpandsOneInstanceAndASecondCollapsesIt) {
    viewer.show();
    report->RunPrintJob();
    EXPECT_EQ(shownTexts(), QStringList({"1", "2"})) << "collapsed instances use no space";

    clickOrder(QStringLiteral("1"));
    EXPECT_EQ(shownTexts(), QStringList({"1", "line", "line", "2"}));
    EXPECT_EQ(subReport->Expansions, QStringList({QStringLiteral("       0")}));

    clickOrder(QStringLiteral("2"));
    EXPECT_EQ(shownTexts(), QStringList({"1", "line", "line", "2", "line", "line"}));

    clickOrder(QStringLiteral("1"));
    EXPECT_EQ(shownTexts(), QStringList({"1", "2", "line", "line"}));
}

// Sixteen collapsed orders fill a page: a click on the second page makes that
// page and the ones after it again, and the first page stays as it was.
TEST_F(DrillDownPreviewTest, AClickOnALaterPageExpandsThereAndLeavesEarlierPagesAlone) {
    orders.close();
    fillNumberedTable(orders, 20);
    viewer.show();
    report->RunPrintJob();
    viewer.ShowPage(2);
    ASSERT_EQ(viewer.AbsolutePageNo(), 2);
    EXPECT_EQ(shownTexts(), QStringList({"17", "18", "19", "20"}));

    clickOrder(QStringLiteral("18"));
    EXPECT_EQ(viewer.AbsolutePageNo(), 2);
    EXPECT_EQ(shownTexts(), QStringList({"17", "18", "line", "line", "19", "20"}));
    EXPECT_EQ(subReport->Expansions, QStringList({QStringLiteral("      17")}));

    viewer.ShowPage(1);
    EXPECT_EQ(shownTexts().size(), 16);
    EXPECT_FALSE(shownTexts().contains(QStringLiteral("line")));
    viewer.ShowPage(2);
    EXPECT_EQ(shownTexts(), QStringList({"17", "18", "line", "line", "19", "20"}));

    clickOrder(QStringLiteral("18"));
    EXPECT_EQ(shownTexts(), QStringList({"17", "18", "19", "20"})) << "a second click collapses it";
}

TEST_F(DrillDownPreviewTest, ExpandAllPrintsEveryInstanceWithoutClicks) {
    subReport->SetExpandAll(true);
    viewer.show();
    report->RunPrintJob();
    EXPECT_EQ(shownTexts(), QStringList({"1", "line", "line", "2", "line", "line"}));
    EXPECT_TRUE(viewer.CurrentPage().ClickableCommands().isEmpty());
}

} // namespace
