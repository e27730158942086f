#include "DeviceClasses.h"
#include "FakeEngine.h"
#include "OutputClasses.h"
#include "RecordingDevice.h"
#include "RegistryScope.h"
#include "TppScreenDevice.h"
#include "TppViewer.h"
#include "Units.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class ViewerTest : public testing::Test {
protected:
    ViewerTest() {
        viewer.resize(400, 300);
        viewer.ProcessMessages = [this] {
            if (duringJob)
                duringJob();
        };
        viewer.OnPageChange = [this] { shown << viewer.AbsolutePageNo(); };
        viewer.SetReport(report);
    }
    FakeEngine& engine() { return report->engine(); }

    OwnedComponent owner;
    FakeEngineReport* report = new FakeEngineReport(&owner);
    TppViewer viewer;
    std::function<void()> duringJob;
    QList<int> shown;
};

TEST_F(ViewerTest, TheFirstPageShowsBeforeTheRestIsGenerated) {
    report->RunPrintJob();
    EXPECT_EQ(viewer.AbsolutePageNo(), 1);
    EXPECT_EQ(engine().generated, 1) << "only the page asked for is generated";
    EXPECT_EQ(viewer.Status(), "Page 1") << "the last page is not known yet";
    EXPECT_TRUE(viewer.PrintStateKnown());
    EXPECT_FALSE(viewer.ScreenDevice().PageBitmap().isNull());
}

TEST_F(ViewerTest, PageTurningRequestsPagesAndStopsAtTheEnds) {
    report->RunPrintJob();
    struct Step {
        const char* name;
        std::function<void(TppViewer&)> turn;
        int page;
        QString status;
    };
    const Step steps[] = {
        {"next from the first", [](TppViewer& v) { v.ShowNextPage(); }, 2, "Page 2"},
        {"last: the count becomes known", [](TppViewer& v) { v.ShowLastPage(); }, 5, "Page 5 of 5"},
        {"next on the last page does nothing", [](TppViewer& v) { v.ShowNextPage(); }, 5, "Page 5 of 5"},
        {"prior", [](TppViewer& v) { v.ShowPriorPage(); }, 4, "Page 4 of 5"},
        {"a page beyond the end shows the last", [](TppViewer& v) { v.ShowPage(99); }, 5, "Page 5 of 5"},
        {"first", [](TppViewer& v) { v.ShowFirstPage(); }, 1, "Page 1 of 5"},
        {"prior on the first page does nothing", [](TppViewer& v) { v.ShowPriorPage(); }, 1, "Page 1 of 5"},
        {"a chosen page", [](TppViewer& v) { v.ShowPage(3); }, 3, "Page 3 of 5"},
    };
    for (const Step& step : steps) {
        step.turn(viewer);
        EXPECT_EQ(viewer.AbsolutePageNo(), step.page) << step.name;
        EXPECT_EQ(viewer.Status(), step.status) << step.name;
    }
}

TEST_F(ViewerTest, PageTurnsDuringAJobAreIgnored) {
    engine().pageCount = 3;
    int generatedInside = -1;
    duringJob = [&] {
        if (!viewer.Busy() || generatedInside >= 0)
            return;
        const int before = engine().generated;
        viewer.ShowLastPage();
        viewer.ShowPage(2);
        generatedInside = engine().generated - before;
    };
    report->RunPrintJob();
    EXPECT_EQ(generatedInside, 0);
    EXPECT_EQ(viewer.AbsolutePageNo(), 1);
}

TEST_F(ViewerTest, StatusTextsFollowTheJob) {
    QStringList statuses;
    viewer.OnStatusChange = [&] { statuses << viewer.Status(); };
    report->RunPrintJob();
    EXPECT_EQ(statuses, QStringList({"Accessing data...", "Page 1"}));
}

TEST_F(ViewerTest, ZoomSettings) {
    viewer.show();
    report->RunPrintJob();
    viewer.SetZoomSetting(zs100Percent);
    EXPECT_EQ(viewer.ZoomPercent(), 100);
    EXPECT_EQ(viewer.ScreenDevice().PageRect().size(), QSize(816, 1056)) << "Letter at 96 pixels per inch";

    viewer.SetZoomSetting(zsWholePage);
    const QRect whole = viewer.ScreenDevice().PageRect();
    EXPECT_LT(whole.height(), viewer.VisibleArea().height()) << "the whole page fits";
    EXPECT_LT(whole.width(), viewer.VisibleArea().width());

    viewer.SetZoomPercentage(300);
    EXPECT_EQ(viewer.ZoomPercentage(), 250) << "percentages stop at 250";
    EXPECT_EQ(viewer.ZoomSetting(), zsPercentage);
    EXPECT_EQ(viewer.ZoomPercent(), 250);
    EXPECT_EQ(shown.last(), 1) << "the page on show stays";
}

// CTest runs the viewer's tests again on a screen scaled by two: the page
// bitmap has the screen's pixels and reaches it one to one, while sizes and
// scrolling stay in the viewer's pixels.
TEST_F(ViewerTest, ThePageReachesTheScreenAtItsPixelRatio) {
    viewer.show();
    report->RunPrintJob();
    viewer.SetZoomSetting(zs100Percent);
    QWidget* paintBox = viewer.PaintBox();
    const qreal ratio = paintBox->devicePixelRatioF();
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        ASSERT_EQ(ratio, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    const TppScreenDevice& device = viewer.ScreenDevice();
    const QImage& bitmap = device.PageBitmap();
    EXPECT_EQ(bitmap.devicePixelRatio(), ratio);
    EXPECT_EQ(bitmap.size(), device.BitmapSize() * ratio);
    EXPECT_EQ(device.PageRect().size(), QSize(816, 1056)) << "100 % in the viewer's pixels";
    EXPECT_EQ(paintBox->size(), device.BitmapSize());
    const QImage onScreen = paintBox->grab().toImage().convertToFormat(bitmap.format());
    EXPECT_EQ(onScreen.size(), bitmap.size());
    EXPECT_TRUE(onScreen == bitmap) << "painted without scaling";
}

TEST_F(ViewerTest, ATinyOrHiddenViewerStillDrawsAPage) {
    for (const QSize size : {QSize(0, 0), QSize(3, 2), QSize(40, 1)}) {
        viewer.resize(size);
        for (TppZoomSettingType zoom : {zsWholePage, zsPageWidth}) {
            viewer.SetZoomSetting(zoom);
            report->RunPrintJob();
            const QRect page = viewer.ScreenDevice().PageRect();
            EXPECT_GT(page.width(), 0) << size.width() << "x" << size.height() << " zoom " << zoom;
            EXPECT_GT(page.height(), 0) << size.width() << "x" << size.height() << " zoom " << zoom;
        }
    }
}

TEST_F(ViewerTest, RegenerateStartsAgainFromTheFirstPage) {
    report->RunPrintJob();
    viewer.ShowPage(3);
    int resets = 0;
    viewer.OnReset = [&] { ++resets; };
    viewer.Regenerate();
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(viewer.AbsolutePageNo(), 1);
}

TEST_F(ViewerTest, AReportFreedUnderTheViewerIsLetGo) {
    report->RunPrintJob();
    delete report;
    EXPECT_EQ(viewer.Report(), nullptr);
    EXPECT_EQ(viewer.ScreenDevice().Publisher(), nullptr);
    viewer.ShowNextPage();
    EXPECT_EQ(viewer.AbsolutePageNo(), 0) << "the device was reset and has nothing to ask";
}

TEST_F(ViewerTest, AClickableCommandAnswersTheMouse) {
    int clicks = 0, viewerClicks = 0;
    bool redraw = false, failing = false;
    QStringList errors;
    viewer.OnError = [&](const QString& message) { errors << message; };
    FakeEngine& fake = engine();
    fake.OnReportEndPage = [&] {
        auto* button = new TppDrawLine();
        button->SetBox(UnitsToMM(100, utScreenPixels), UnitsToMM(100, utScreenPixels),
                       UnitsToMM(200, utScreenPixels), UnitsToMM(50, utScreenPixels));
        button->SetClickable(true);
        button->ClickHandler = [&](TppDrawCommand* sender) {
            ++clicks;
            if (failing)
                throw std::runtime_error("link broken");
            sender->RedrawPage = redraw;
        };
        fake.Page().AddDrawCommand(button);
    };
    viewer.OnClick = [&] { ++viewerClicks; };
    viewer.show();
    report->RunPrintJob();
    QWidget* paintBox = viewer.PaintBox();
    const TppDrawCommand& drawn = *viewer.CurrentPage().ClickableCommands().first();
    const QPoint inside(drawn.DeviceRight, drawn.DeviceBottom); // bounds are inclusive
    const QPoint outside(drawn.DeviceRight + 1, drawn.DeviceBottom);

    QTest::mouseMove(paintBox, inside);
    EXPECT_EQ(paintBox->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(paintBox, outside);
    EXPECT_EQ(paintBox->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(paintBox, Qt::LeftButton, {}, outside);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(viewerClicks, 1) << "the viewer's own click comes either way";
    const int generated = fake.generated;
    QTest::mouseClick(paintBox, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(fake.generated, generated) << "no redraw asked for";
    redraw = true;
    QTest::mouseClick(paintBox, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(fake.generated, generated + 1) << "the page on show is asked for again";
    EXPECT_EQ(viewerClicks, 3);
    failing = true;
    QTest::mouseClick(paintBox, Qt::LeftButton, {}, inside);
    EXPECT_EQ(errors, QStringList({"link broken"})) << "reported, not thrown into the event loop";
}

TEST_F(ViewerTest, PrintingFromThePreviewKeepsThePreview) {
    registerOutputClasses();
    RegistryScope registries;
    registries.registerDevice("Printer", RecordingDevice::staticClassInfo());
    RecordingDevice::journal.clear();
    engine().pageCount = 3;
    report->RunPrintJob();
    viewer.ShowPage(2);
    report->SetShowAutoSearchDialog(true);
    report->RunAutoSearch = [] { return false; };

    viewer.PrintReport();

    EXPECT_EQ(RecordingDevice::journal, QStringList({"begin", "page 1", "page 2", "page 3", "finish"}))
        << "no search asked for, the whole report on the printer";
    EXPECT_EQ(report->CurrentPage, 2) << "the print dialog's current page";
    EXPECT_EQ(report->DeviceType(), "Screen");
    EXPECT_TRUE(report->ShowAutoSearchDialog());
    EXPECT_EQ(viewer.ScreenDevice().Publisher(), &report->Publisher());
    EXPECT_EQ(viewer.AbsolutePageNo(), 2);
    viewer.ShowNextPage();
    EXPECT_EQ(viewer.AbsolutePageNo(), 3) << "the preview turns pages again";
}

} // namespace
