#include "DataSource.h"
#include "DesignerFixture.h"
#include "MemoryTable.h"
#include "RowName.h"
#include "TppDBPipeline.h"
#include "TppDBText.h"
#include "TppGroup.h"
#include "TppOutlineSettingsDialog.h"
#include "TppOutlineViewer.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QThread>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <atomic>

namespace {

// The fixture's report over `count` records grouped by tens, each page end
// taking `pageEndMs` of the worker's time.
class OutlineSettingsDialogTest : public ::testing::Test, public DesignerFixture {
protected:
    void fill(int count) {
        table.setFieldDefs({{"Ten", FieldType::String, 10, 10}});
        table.open();
        for (int n = 0; n < count; ++n) {
            table.append();
            table.setValue(0, QStringLiteral("T%1").arg(n / 10, 4, 10, QLatin1Char('0')));
            table.post();
        }
        table.first();
        auto* pipeline = new TppDBPipeline(&form);
        pipeline->SetName("plTens");
        pipeline->SetDataSource(new DataSource(&form, &table));
        report->SetDataPipeline(pipeline);
        group = new TppGroup(&form);
        group->SetName("Tens");
        group->SetReport(report);
        group->SetDataPipeline(pipeline);
        group->SetBreakName(QStringLiteral("Ten"));
        group->CreateBands();
        report->OnEndPage.handler = [this](TppCommunicator*) {
            ++pagesEnded;
            QThread::msleep(pageEndMs);
        };
    }

    MemoryTable table;
    TppGroup* group = nullptr;
    std::atomic<int> pagesEnded = 0;
    int pageEndMs = 0;
};

TEST_F(OutlineSettingsDialogTest, ThePreviewShowsTheOutlineOfTheChoicesAndLeavesTheReportAsItWas) {
    fill(30);
    TppOutlineSettingsDialog dialog(*report);
    ASSERT_EQ(dialog.componentTree().topLevelItemCount(), 1);
    EXPECT_EQ(dialog.componentTree().topLevelItem(0)->text(0), "Report1");
    ASSERT_EQ(dialog.componentTree().topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(dialog.componentTree().topLevelItem(0)->child(0)->text(0), "Tens");
    dialog.show();
    dialog.pageNodesBox().setChecked(false);
    dialog.entireReportButton().setChecked(true);
    dialog.previewButton().click();
    TppOutlineViewer& viewer = dialog.outlineViewer();
    QTRY_VERIFY_WITH_TIMEOUT(viewer.topLevelItemCount() > 0 && viewer.ShownComplete(), 10000);
    ASSERT_EQ(viewer.topLevelItemCount(), 1);
    QTreeWidgetItem* main = viewer.topLevelItem(0);
    EXPECT_EQ(main->text(0), "Main");
    ASSERT_EQ(main->childCount(), 3);
    EXPECT_EQ(main->child(2)->text(0), "T0002");
    dialog.reject();
    EXPECT_TRUE(report->OutlineSettings().CreatePageNodes());
}

struct CloseCase {
    std::string name;
    bool entireReport;
    int pageLimit;
    int pageEndMs;
    // The user-interface thread is busy this long before it closes, so the
    // worker waits to hand it a page.
    int busyMs;
};

class ClosingDuringGenerationTest : public OutlineSettingsDialogTest,
                                    public testing::WithParamInterface<CloseCase> {};

TEST_P(ClosingDuringGenerationTest, ReturnsAtOnce) {
    fill(3000);
    pageEndMs = GetParam().pageEndMs;
    TppOutlineSettingsDialog dialog(*report);
    dialog.show();
    if (GetParam().entireReport)
        dialog.entireReportButton().setChecked(true);
    dialog.pageLimitBox().setValue(GetParam().pageLimit);
    dialog.componentTree().topLevelItem(0)->child(0)->setCheckState(0, Qt::Unchecked);
    dialog.previewButton().click();
    QTRY_VERIFY_WITH_TIMEOUT(pagesEnded > 0, 10000);
    QThread::msleep(GetParam().busyMs);
    QElapsedTimer closing;
    closing.start();
    dialog.reject();
    EXPECT_LT(closing.elapsed(), 2000) << "closing waited for the generation";
    EXPECT_FALSE(dialog.previewRunning());
    EXPECT_TRUE(group->OutlineSettings().CreateNode()) << "the settings as they were";
}

INSTANTIATE_TEST_SUITE_P(Closing, ClosingDuringGenerationTest,
                         testing::Values(CloseCase{"while a long generation runs", true, 0, 20, 0},
                                         // Page 3 is ready while this thread sleeps.
                                         CloseCase{"while the worker waits to hand over its page", false, 3,
                                                   100, 500}),
                         RowName());

} // namespace
