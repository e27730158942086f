#include "FakeTextMeasurer.h"
#include "PageDump.h"
#include "PagePicture.h"
#include "PagewrightErrors.h"
#include "ScreenPageGeometry.h"
#include "ScreenText.h"
#include "ScreenViewer.h"
#include "TppDrawLine.h"
#include "TppDrawText.h"
#include "TppDrawVar.h"
#include "TppPreviewFormSettings.h"
#include "TppScreenDevice.h"
#include "Units.h"
#include "VariableText.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

namespace {

const QSize kLetter(816, 1056); // 215900 x 279401 at 96 pixels per inch

TEST(ScreenPageGeometryTest, EachZoomPlacesThePage) {
    struct Case {
        const char* name;
        TppZoomSettingType zoom;
        int percentage;
        std::optional<QSize> area;
        QSize bitmap;
        QSize page;
        int zoomPercent;
    };
    const Case cases[] = {
        {"100 %: a quarter inch (24 pixels) all round",
         zs100Percent,
         100,
         QSize(400, 300),
         {864, 1104},
         kLetter,
         100},
        {"no viewer draws at 100 %", zsWholePage, 100, std::nullopt, {864, 1104}, kLetter, 100},
        {"whole page: the area less a quarter inch high",
         zsWholePage,
         100,
         QSize(400, 300),
         {400, 300},
         {213, 276},
         26},
        {"whole page, wide area: height first",
         zsWholePage,
         100,
         QSize(1000, 300),
         {1000, 300},
         {213, 276},
         26},
        {"whole page, narrow area: shrinks by quarter inches until it fits across",
         zsWholePage,
         100,
         QSize(150, 600),
         {150, 600},
         {148, 192},
         18},
        {"page width: room for the scroll bar (14) and 12 pixels each side",
         zsPageWidth,
         100,
         QSize(400, 300),
         {386, 492},
         {362, 468},
         44},
        {"percentage: at least the area", zsPercentage, 50, QSize(1000, 900), {1000, 900}, {408, 528}, 50},
        {"percentage: larger than the area",
         zsPercentage,
         200,
         QSize(400, 300),
         {1680, 2160},
         {1632, 2112},
         200},
    };
    for (const Case& c : cases) {
        const ScreenPageGeometry g = computeScreenPageGeometry(c.zoom, c.percentage, kLetter, c.area, 96);
        EXPECT_EQ(g.bitmap, c.bitmap) << c.name;
        EXPECT_EQ(QSize(g.pageWidthPx, g.pageHeightPx), c.page) << c.name;
        EXPECT_EQ(g.zoomPercent, c.zoomPercent) << c.name;
    }
}

TEST(ScreenPageGeometryTest, NoAreaIsSoSmallThatThePageVanishes) {
    for (const QSize area : {QSize(0, 0), QSize(1, 1), QSize(20, 10), QSize(-5, -5)})
        for (TppZoomSettingType zoom : {zsWholePage, zsPageWidth, zsPercentage}) {
            const ScreenPageGeometry g = computeScreenPageGeometry(zoom, 0, kLetter, area, 96);
            EXPECT_GE(g.pageWidthPx, 1) << area.width() << "x" << area.height() << " zoom " << zoom;
            EXPECT_GE(g.pageHeightPx, 1) << area.width() << "x" << area.height() << " zoom " << zoom;
            EXPECT_FALSE(g.bitmap.isEmpty()) << area.width() << "x" << area.height() << " zoom " << zoom;
        }
}

TEST(ScreenTextTest, MemosAreFittedIntoTheirBox) {
    // Every character as wide as the size and lines a fifth higher, two pixels apart.
    const FakeTextMeasurer measurer = FakeTextMeasurer::scaled(1.0, 1.2, 2);
    TppFont font;
    font.size = 10; // lines 12 high
    struct Case {
        const char* name;
        QStringList lines;
        int leading;
        QSize box;
        int size, fitLeading, lineHeight, linesShown;
    };
    const Case cases[] = {
        {"fits as laid out", {"abc", "def"}, 0, {100, 24}, 10, 0, 12, 2},
        {"within a tenth: spaced to fill the box", {"abc", "def"}, 0, {100, 26}, 10, 0, 13, 2},
        {"too wide: a step smaller per line", {"abcdefghijk", "abcdefghijk"}, 0, {100, 100}, 9, 0, 11, 2},
        {"leading goes before the type shrinks", {"abc", "def", "ghi"}, 4, {100, 36}, 10, 0, 12, 3},
        {"too tall even at the smallest: cut after one line more than fits",
         {"a", "b", "c", "d"},
         0,
         {100, 2},
         1,
         0,
         1,
         3},
        {"a single line is left alone", {"abcdefghijklmnop"}, 3, {10, 1}, 10, 3, 15, 1},
    };
    for (const Case& c : cases) {
        const ScreenText::MemoFit fit =
            ScreenText::fitMemo(measurer, font, c.leading, c.lines, {}, c.box.width(), c.box.height());
        EXPECT_EQ(fit.font.size, c.size) << c.name;
        EXPECT_EQ(fit.leading, c.fitLeading) << c.name;
        EXPECT_EQ(fit.lineHeight, c.lineHeight) << c.name;
        EXPECT_EQ(fit.linesShown, c.linesShown) << c.name;
    }
}

TEST(ScreenTextTest, BitmapAndPrinterFontsHaveScreenStandIns) {
    EXPECT_EQ(ScreenText::fontName("Courier"), "Courier New");
    EXPECT_EQ(ScreenText::fontName("MS Sans Serif"), "Arial");
    EXPECT_EQ(ScreenText::fontName("MS Serif"), "Courier New");
    EXPECT_EQ(ScreenText::fontName("Times New Roman"), "Times New Roman");
    TppFont font;
    font.size = 10; // 13 pixels at 96 per inch
    EXPECT_EQ(ScreenText::zoomedFont(font, 96, 0.5L).size, 6) << "6.5 rounds to even";
    EXPECT_EQ(ScreenText::zoomedFont(font, 96, 0.01L).size, 1) << "never below one pixel";
}

int mm(int pixels) {
    return UnitsToMM(float(pixels), utScreenPixels);
}

TEST(ScreenDeviceTest, WithoutAViewerAPageIsDrawnAt100PercentInItsGreyFrame) {
    TppPage page;
    page.AbsolutePageNo = 1;
    auto* line = new TppDrawLine();
    line->SetBox(mm(100), mm(200), mm(300), mm(10));
    page.AddDrawCommand(line);
    TppScreenDevice device;
    device.ShowPage(page);
    const QImage& bitmap = device.PageBitmap();
    EXPECT_EQ(bitmap.size(), QSize(864, 1104));
    EXPECT_EQ(device.PageRect(), QRect(24, 24, 816, 1056));
    EXPECT_EQ(qGray(bitmap.pixel(10, 10)), 128) << "grey around the page";
    EXPECT_EQ(bitmap.pixel(500, 500), qRgb(255, 255, 255)) << "a white page";
    EXPECT_EQ(qGray(bitmap.pixel(24 + 150, 24 + 200)), 0) << "the line at its place, offset by the frame";
    const TppDrawCommand& drawn = *device.CurrentPage().DrawCommand(0);
    EXPECT_EQ(QRect(QPoint(drawn.DeviceLeft, drawn.DeviceTop), QPoint(drawn.DeviceRight, drawn.DeviceBottom)),
              QRect(QPoint(124, 224), QPoint(424, 234)));
}

// A viewer that only answers what the device asks of it.
class FakeViewer final : public ScreenViewer {
public:
    TppProducer* Report() const override { return nullptr; }
    TppZoomSettingType ZoomSetting() const override { return zsPercentage; }
    int ZoomPercentage() const override { return percentage; }
    QColor PageColor() const override { return Qt::white; }
    QSize VisibleArea() const override { return {100, 100}; }
    qreal DevicePixelRatio() const override { return ratio; }
    bool HasWindow() const override { return true; }
    void StatusChanged() override { statuses << "status"; }
    void PageShown() override { ++pagesShown; }
    void BitmapReset() override {}
    void CopyToScreen(const QRect& box) override { copied << box; }
    void ProcessPendingMessages() override { ++pumps; }
    void ReportGone() override {}
    int percentage = 100;
    qreal ratio = 1;
    QStringList statuses;
    QList<QRect> copied;
    int pagesShown = 0;
    int pumps = 0;
};

TEST(ScreenDeviceTest, BoxesAndLineWeightsScaleWithTheZoom) {
    struct Case {
        const char* name;
        int percentage;
        TppLinePositionType position;
        QRect box;      // device box, page-relative
        QString across; // dark pixels across the line, from the box edge inwards
    };
    // A 3-point line is 4 pixels at 100 %; a bottom line's last row is the
    // box's last pixel.
    const Case cases[] = {
        {"top at 100 %", 100, lpTop, QRect(QPoint(100, 200), QPoint(400, 240)), "1111000"},
        {"top at 200 %", 200, lpTop, QRect(QPoint(200, 400), QPoint(800, 480)), "1111111100"},
        {"top at 50 %", 50, lpTop, QRect(QPoint(50, 100), QPoint(200, 120)), "1100"},
        {"bottom at 100 %", 100, lpBottom, QRect(QPoint(100, 200), QPoint(400, 240)), "1111000"},
    };
    for (const Case& c : cases) {
        TppPage page;
        page.AbsolutePageNo = 1;
        auto* line = new TppDrawLine();
        line->SetBox(mm(100), mm(200), mm(300), mm(40));
        line->Weight = 3;
        line->LinePosition = c.position;
        page.AddDrawCommand(line);
        FakeViewer viewer;
        viewer.percentage = c.percentage;
        TppScreenDevice device;
        device.SetViewer(&viewer);
        device.ShowPage(page);
        const QPoint origin = device.PageRect().topLeft();
        const TppDrawCommand& drawn = *device.CurrentPage().DrawCommand(0);
        EXPECT_EQ(
            QRect(QPoint(drawn.DeviceLeft, drawn.DeviceTop), QPoint(drawn.DeviceRight, drawn.DeviceBottom)),
            c.box.translated(origin))
            << c.name;
        const int x = (drawn.DeviceLeft + drawn.DeviceRight) / 2;
        QString across;
        for (int k = 0; k < c.across.size(); ++k) {
            const int y = c.position == lpTop ? drawn.DeviceTop + k : drawn.DeviceBottom - 1 - k;
            across += qGray(device.PageBitmap().pixel(x, y)) < 128 ? u'1' : u'0';
        }
        EXPECT_EQ(across, c.across) << c.name;
    }
}

// Whether a box of the bitmap holds detail finer than `ratio` device pixels,
// as a picture drawn at logical pixels and scaled up never does.
bool finerThan(const QImage& bitmap, const QRect& box, int ratio) {
    for (int y = box.top(); y + ratio <= box.bottom(); y += ratio)
        for (int x = box.left(); x + ratio <= box.right(); x += ratio)
            for (int k = 1; k < ratio * ratio; ++k)
                if (bitmap.pixel(x + k % ratio, y + k / ratio) != bitmap.pixel(x, y))
                    return true;
    return false;
}

// A screen with several device pixels to each of the viewer's gets a bitmap
// of its own pixels, drawn finely, while sizes, the page and the device boxes
// stay in the viewer's pixels.
TEST(ScreenDeviceTest, AHighResolutionScreenGetsABitmapOfItsOwnPixels) {
    struct Case {
        const char* name;
        qreal ratio;
        int percentage;
        int drawnAt;
    };
    const Case cases[] = {
        {"ratio 2", 2, 100, 2},
        {"ratio 3 at 50 %", 3, 50, 3},
        {"a ratio that is none", 0, 100, 1},
    };
    TppPage page;
    page.AbsolutePageNo = 1;
    auto* line = new TppDrawLine();
    line->SetBox(mm(100), mm(200), mm(300), mm(40));
    line->Weight = 3;
    page.AddDrawCommand(line);
    auto* text = new TppDrawText();
    text->SetBox(mm(100), mm(300), mm(300), mm(40));
    text->Text = QStringLiteral("Payment 599.55");
    page.AddDrawCommand(text);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeViewer plain, sharp;
        plain.percentage = sharp.percentage = c.percentage;
        sharp.ratio = c.ratio;
        TppScreenDevice reference, device;
        reference.SetViewer(&plain);
        device.SetViewer(&sharp);
        reference.ShowPage(page);
        device.ShowPage(page);
        const QImage& bitmap = device.PageBitmap();
        EXPECT_EQ(bitmap.devicePixelRatio(), c.drawnAt);
        EXPECT_EQ(device.BitmapSize(), reference.PageBitmap().size());
        EXPECT_EQ(bitmap.size(), device.BitmapSize() * c.drawnAt);
        EXPECT_EQ(device.PageRect(), reference.PageRect());
        const TppDrawCommand& drawn = *device.CurrentPage().DrawCommand(0);
        const TppDrawCommand& drawnPlain = *reference.CurrentPage().DrawCommand(0);
        EXPECT_EQ(
            QRect(QPoint(drawn.DeviceLeft, drawn.DeviceTop), QPoint(drawn.DeviceRight, drawn.DeviceBottom)),
            QRect(QPoint(drawnPlain.DeviceLeft, drawnPlain.DeviceTop),
                  QPoint(drawnPlain.DeviceRight, drawnPlain.DeviceBottom)));
        // The line as heavy as at ratio 1, solid across every device pixel.
        const int x = (drawn.DeviceLeft + drawn.DeviceRight) / 2 * c.drawnAt;
        QString across, expected;
        for (int k = 0; k < 10; ++k) {
            const bool dark =
                qGray(reference.PageBitmap().pixel(x / c.drawnAt, drawnPlain.DeviceTop + k)) < 128;
            for (int sub = 0; sub < c.drawnAt; ++sub) {
                expected += dark ? u'1' : u'0';
                across += qGray(bitmap.pixel(x, (drawn.DeviceTop + k) * c.drawnAt + sub)) < 128 ? u'1' : u'0';
            }
        }
        EXPECT_EQ(across, expected);
        const TppDrawCommand& words = *device.CurrentPage().DrawCommand(1);
        const QRect textBox(QPoint(words.DeviceLeft, words.DeviceTop) * c.drawnAt,
                            QPoint(words.DeviceRight, words.DeviceBottom) * c.drawnAt);
        EXPECT_EQ(finerThan(bitmap, textBox, c.drawnAt), c.drawnAt > 1)
            << "the text drawn at the screen's pixels";
    }
}

TEST(ScreenDeviceTest, ARatioThatWouldMakeAHugeBitmapIsLowered) {
    TppPage page;
    page.AbsolutePageNo = 1;
    FakeViewer viewer;
    viewer.percentage = 250;
    viewer.ratio = 8;
    TppScreenDevice device;
    device.SetViewer(&viewer);
    device.ShowPage(page);
    const QImage& bitmap = device.PageBitmap();
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_GT(bitmap.devicePixelRatio(), 2);
    EXPECT_LT(bitmap.devicePixelRatio(), 8);
    EXPECT_LE(qint64(bitmap.width()) * bitmap.height(), 33 * 1024 * 1024) << "about 130 MB, not 1.4 GB";
    EXPECT_EQ(device.PageRect().size(), QSize(2040, 2640)) << "Letter at 250 %, in the viewer's pixels";
}

TEST(ScreenDeviceTest, StatusTextsAndCountsLearnedWhileGenerating) {
    FakeViewer viewer;
    TppScreenDevice device;
    device.SetViewer(&viewer);
    const auto page = [](int number, bool calculation, int count) {
        auto made = std::make_unique<TppPage>();
        made->AbsolutePageNo = made->PageNo = number;
        made->AbsolutePageCount = made->PageCount = count;
        made->Calculation = calculation;
        made->FirstPage = number == 1;
        made->Final = true;
        made->DocumentName = QStringLiteral("Loans");
        return made;
    };
    device.BeginJob();
    EXPECT_EQ(device.StatusText(), "Accessing data...");
    const std::unique_ptr<TppPage> first = page(1, false, 1);
    auto* pageSet = new TppDrawVar();
    pageSet->VarType = vtPageSetDesc;
    pageSet->SetBox(mm(10), mm(10), mm(100), mm(20));
    first->AddDrawCommand(pageSet);
    device.AcceptPage(*first);
    EXPECT_EQ(device.CurrentPage().AbsolutePageNo, 1);
    EXPECT_EQ(device.StatusText(), "Page 1") << "set without telling the viewer";
    EXPECT_EQ(viewer.pagesShown, 1);

    const int statusesBefore = int(viewer.statuses.size());
    device.AcceptPage(*page(2, true, 2));
    EXPECT_EQ(device.StatusText(), "Calculating page 2 for report Loans");
    EXPECT_EQ(device.CurrentPage().AbsolutePageCount, 2) << "the page on show learns the count";
    EXPECT_EQ(device.CurrentPage().PageCount, 2);
    const auto* shownPageSet = static_cast<const TppDrawVar*>(device.CurrentPage().DrawCommand(0));
    EXPECT_EQ(shownPageSet->Text, VariableText(vtPageSetDesc, 1, 2))
        << "\"Page n of m\" catches up on screen";
    ASSERT_EQ(viewer.copied.size(), 1);
    EXPECT_EQ(viewer.copied.first().topLeft(), QPoint(shownPageSet->DeviceLeft, shownPageSet->DeviceTop));
    EXPECT_EQ(viewer.statuses.size(), statusesBefore + 1);

    device.DeviceRequest().PageSetting = psSinglePage;
    device.DeviceRequest().PageRequested = 3;
    device.AcceptPage(*page(3, true, 3));
    EXPECT_EQ(device.StatusText(), "Calculating page 3 for report Loans")
        << "a wanted page still calculating";
    EXPECT_EQ(device.CurrentPage().AbsolutePageNo, 1);
    device.AbortJob();
    EXPECT_EQ(device.StatusText(), "Page 1");
    EXPECT_GT(viewer.pumps, 0) << "status changes let pending messages through";
}

TEST(PageDumpTest, OneLinePerCommandWithTextsAsJson) {
    TppPage page;
    page.AbsolutePageNo = 2;
    page.AbsolutePageCount = 13;
    auto* text = new TppDrawText();
    text->SetBox(6350, 12700, 50800, 4233);
    text->Text = QStringLiteral("Loan \"A\"\tn\u00B0 1\\2");
    page.AddDrawCommand(text);
    auto* memo = new TppDrawText();
    memo->SetBox(0, 0, 1, 2);
    memo->WordWrap = true;
    memo->WrappedText = {QStringLiteral("first$\u00B6"), QStringLiteral("second")};
    page.AddDrawCommand(memo);
    auto* line = new TppDrawLine();
    line->SetBox(-10, 5, 7, 0);
    page.AddDrawCommand(line);
    EXPECT_EQ(pageDumpLines(page),
              QStringList({
                  "page 2 of 13",
                  "TppDrawText 6350 12700 50800 4233 \"Loan \\\"A\\\"\\tn\u00B0 1\\\\2\"",
                  "TppDrawText 0 0 1 2 \"first\\nsecond\"",
                  "TppDrawLine -10 5 7 0",
              }));
}

TEST(PagePictureTest, WritesNumberedPngsOfThePaperAloneAtTheResolutionAsked) {
    QTemporaryDir folder;
    TppPage page;
    page.AbsolutePageNo = 7;
    const QString path = writePagePicture(page, folder.path());
    EXPECT_TRUE(path.endsWith("/page-0007.png")) << path.toStdString();
    const QImage letter(path);
    EXPECT_EQ(letter.size(), QSize(816, 1056)) << "Letter at 96 pixels an inch, without the preview's grey";
    EXPECT_EQ(QColor(letter.pixel(408, 528)), QColor(Qt::white));
    EXPECT_EQ(QImage(writePagePicture(page, folder.path(), 300)).size(), QSize(2550, 3300));
    EXPECT_THROW(writePagePicture(page, folder.filePath("missing/folder")), EPrintError);
}

TEST(PagePictureTest, AWorkerThreadDrawsTheSamePicture) {
    TppPage page;
    page.AbsolutePageNo = 1;
    auto* text = new TppDrawText();
    text->SetBox(mm(50), mm(50), mm(300), mm(20));
    text->Text = QStringLiteral("Payment 599.55");
    page.AddDrawCommand(text);
    const QImage here = pagePictureAt100Percent(page);
    QImage there;
    std::thread worker([&] { there = pagePictureAt100Percent(page); });
    worker.join();
    EXPECT_EQ(there, here);
}

TEST(PreviewFormSettingsTest, APercentageIsKeptInRangeAndChosen) {
    TppPreviewFormSettings settings;
    int changes = 0;
    settings.OnChange = [&] { ++changes; };
    const std::pair<int, int> cases[] = {{10, 25}, {300, 250}, {75, 75}};
    for (const auto& [given, kept] : cases) {
        settings.SetZoomSetting(zsWholePage);
        settings.SetZoomPercentage(given);
        EXPECT_EQ(settings.ZoomPercentage(), kept) << given;
        EXPECT_EQ(settings.ZoomSetting(), zsPercentage) << given;
    }
    EXPECT_EQ(changes, 6) << "each change reaches the report";
}

} // namespace
