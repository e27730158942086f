#include "BarCodeDrawing.h"
#include "BarCodeEncoder.h"
#include "BarCodeReport.h"
#include "BarCodeSymbol.h"
#include "BarPatternText.h"
#include "ComponentReader.h"
#include "ComponentWriter.h"
#include "DrawSurface.h"
#include "TppBarCode.h"
#include "TppDrawBarCode.h"
#include "TppImageDevice.h"
#include "TppScreenDevice.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A module of 1/96 inch (265 thousandths of a millimetre) is one pixel on a
// 96 dpi screen; Code 39 wide elements are then 3 pixels, the gaps between
// characters 2, as in the bar pattern text.
constexpr int kScreenModule = 265;

bool isDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The pixels from `from` to `to` (inclusive) as 1 (dark) and 0, without the
// blank ends.
QString pixelRun(const QImage& image, QPoint from, QPoint to) {
    QString run;
    const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    for (QPoint p = from;; p += step) {
        run += isDark(image, p.x(), p.y()) ? u'1' : u'0';
        if (p == to)
            break;
    }
    const qsizetype first = run.indexOf(u'1');
    return first < 0 ? QString() : run.mid(first, run.lastIndexOf(u'1') - first + 1);
}

int darkPixelsIn(const QImage& image, const QRect& rect) {
    int dark = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            dark += isDark(image, x, y);
    return dark;
}

QRect deviceBox(const TppDrawCommand& command) {
    return QRect(QPoint(command.DeviceLeft, command.DeviceTop),
                 QPoint(command.DeviceRight - 1, command.DeviceBottom - 1));
}

QString code39Pattern(const QString& data, const BarPixelWidths& widths = {}) {
    BarCodeSettings settings;
    settings.type = bcCode39;
    settings.data = data;
    return barPatternText(encodeBarCode(settings), widths);
}

class BarCodeDrawingTest : public testing::Test, public BarCodeReport {
protected:
    TppBarCode* addCode39(const QString& data, TppBarCodeOrientation orientation, int left, int top) {
        auto* barCode = add<TppBarCode>(left, top);
        barCode->SetData(data);
        barCode->SetmmBarWidth(kScreenModule);
        barCode->SetOrientation(orientation);
        return barCode;
    }
};

// The bars are read back from the page picture along the direction each
// symbol reads in, and the text is found on its side of the bars.
TEST_F(BarCodeDrawingTest, FourOrientationsOnAPageReadInTheirDirection) {
    const struct {
        TppBarCodeOrientation orientation;
        int left, top;
    } placed[] = {
        {orLeftToRight, 0, 0},
        {orRightToLeft, 0, 40000},
        {orTopToBottom, 70000, 0},
        {orBottomToTop, 110000, 0},
    };
    for (const auto& p : placed)
        addCode39("PW-1", p.orientation, p.left, p.top);
    drawBand();
    ASSERT_EQ(page.DrawCommandCount(), 4);
    const QSize across = page.DrawCommand(0)->Box().size();
    EXPECT_GT(across.width(), across.height());
    EXPECT_EQ(page.DrawCommand(1)->Box().size(), across);
    EXPECT_EQ(page.DrawCommand(2)->Box().size(), across.transposed()) << "turned, not stretched";
    EXPECT_EQ(page.DrawCommand(3)->Box().size(), across.transposed());

    TppScreenDevice screen;
    screen.ShowPage(page);
    const QImage& picture = screen.PageBitmap();
    const QString pattern = code39Pattern("PW-1");
    const FontMetricsMeasurer measurer;
    for (int i = 0; i < 4; ++i) {
        const auto& command = dynamic_cast<const TppDrawBarCode&>(*screen.CurrentPage().DrawCommand(i));
        ASSERT_EQ(command.Orientation, placed[i].orientation);
        const QRect box = deviceBox(command);
        QString read;
        switch (command.Orientation) {
        case orLeftToRight: // bars along the top, read rightwards
            read = pixelRun(picture, {box.left(), box.top() + 2}, {box.right(), box.top() + 2});
            break;
        case orRightToLeft: // turned over: bars along the bottom, read leftwards
            read = pixelRun(picture, {box.right(), box.bottom() - 2}, {box.left(), box.bottom() - 2});
            break;
        case orTopToBottom: // bars on the right, read downwards
            read = pixelRun(picture, {box.right() - 2, box.top()}, {box.right() - 2, box.bottom()});
            break;
        case orBottomToTop: // bars on the left, read upwards
            read = pixelRun(picture, {box.left() + 2, box.bottom()}, {box.left() + 2, box.top()});
            break;
        }
        EXPECT_EQ(read, pattern) << command.Orientation;

        const BarCodeSymbol symbol = layOutBarCodeCommand(command, 96, 0, measurer);
        ASSERT_EQ(symbol.layout.texts.size(), 1u);
        const QRect text = symbol.layout.texts[0].rect.translated(box.topLeft());
        EXPECT_GT(darkPixelsIn(picture, text), 10)
            << command.Orientation << ": the text is written beside the bars";
    }
}

TEST_F(BarCodeDrawingTest, ArchivedCommandsKeepTheSymbologyAndOrientationByName) {
    auto* barCode = add<TppBarCode>();
    barCode->SetBarCodeType(bcEAN_13);
    barCode->SetData("400638133393");
    barCode->SetOrientation(orTopToBottom);
    drawBand();
    const QByteArray archived = WriteComponents({page.DrawCommand(0)}, nullptr, StreamForm::Text);
    EXPECT_TRUE(archived.contains("BarCodeType = bcEAN_13")) << archived.toStdString();
    EXPECT_TRUE(archived.contains("Orientation = orTopToBottom")) << archived.toStdString();
    OwnedComponent reader;
    const ReadResult read = ReadComponents(archived, reader);
    ASSERT_EQ(read.components.size(), 1);
    const auto* command = dynamic_cast<const TppDrawBarCode*>(read.components[0]);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(command->BarCodeType, bcEAN_13);
    EXPECT_EQ(command->Orientation, orTopToBottom);
    EXPECT_EQ(command->Data, "400638133393");
    EXPECT_EQ(command->BarWidth, barCode->mmBarWidth());
}

TEST_F(BarCodeDrawingTest, PrintersGetWholePixelBarsAtTheirOwnResolution) {
    addCode39("PW-1", orLeftToRight, 0, 0);
    addCode39("PW-1", orTopToBottom, 70000, 0);
    drawBand();
    TppImageDevice printer;
    printer.HorizontalPixelsPerInch = 300;
    printer.VerticalPixelsPerInch = 300;
    const QImage image = printer.RenderPage(page);
    // 0.01043 inch at 300 dpi: modules 3 pixels, wide bars 9, gaps 6.
    const QString pattern = code39Pattern("PW-1", BarPixelWidths::at(barWidthInches(kScreenModule), 300, 3));
    const QRect across = deviceBox(*page.DrawCommand(0));
    EXPECT_EQ(pixelRun(image, {across.left(), across.top() + 5}, {across.right(), across.top() + 5}),
              pattern);
    const QRect down = deviceBox(*page.DrawCommand(1));
    EXPECT_EQ(pixelRun(image, {down.right() - 5, down.top()}, {down.right() - 5, down.bottom()}), pattern);
}

std::unique_ptr<TppDrawBarCode> code39Command(const QString& data, int barWidth) {
    auto command = std::make_unique<TppDrawBarCode>();
    command->BarCodeType = bcCode39;
    command->Data = data;
    command->BarWidth = barWidth;
    command->WideBarRatio = 3;
    return command;
}

QImage painted(const TppDrawBarCode& command, int pixelsPerInch, QSize size = {300, 80}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    const FontMetricsMeasurer measurer;
    paintBarCode(painter, QRect(QPoint(0, 0), size), command, pixelsPerInch, measurer);
    return image;
}

bool isFilledWith(const QImage& image, QColor color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != color)
                return false;
    return true;
}

TEST(BarCodePainting, WhatIsNotPrintableDrawsOnlyTheBackground) {
    // 0.004 inch is 0.38 of a screen pixel: nothing to draw there, and
    // nothing divided by the zero width on the way.
    const auto thin = code39Command("A", UnitsToMM(0.004f, utInches));
    EXPECT_TRUE(isFilledWith(painted(*thin, 96), Qt::white));
    EXPECT_GT(darkPixelsIn(painted(*thin, 600), QRect(0, 0, 300, 10)), 0) << "a printer at 600 dpi prints it";

    const auto refused = code39Command("A", kScreenModule);
    refused->CodeOK = false;
    EXPECT_TRUE(isFilledWith(painted(*refused, 96), Qt::white)) << "data the component refused";

    const auto transparent = code39Command("A", kScreenModule);
    transparent->Transparent = true;
    const QImage shown = painted(*transparent, 96);
    EXPECT_EQ(shown.pixelColor(299, 0), QColor(Qt::red)) << "the page shows through beside the bars";
    EXPECT_TRUE(isDark(shown, 0, 0));
}

TEST(BarCodePainting, TheScreenZoomsTheSymbolItBuiltAtItsOwnResolution) {
    const auto command = code39Command("A", kScreenModule);
    command->PrintHumanReadable = false;
    command->SetBox(0, 0, UnitsToMM(60, utScreenPixels), UnitsToMM(20, utScreenPixels, Axis::Vertical));
    command->DeviceRight = 120;
    command->DeviceBottom = 40;
    QImage image(130, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const FontMetricsMeasurer measurer;
    DrawSurface surface(painter, 96, 96, measurer, false);
    surface.screenZoom = DrawSurface::Zoom{2, 2};
    drawBarCode(surface, *command);
    command->SetBox(0, 0, 0, 0);
    drawBarCode(surface, *command); // draws nothing and divides by nothing
    painter.end();
    QString doubled;
    for (QChar module : code39Pattern("A"))
        doubled += QString(2, module);
    EXPECT_EQ(pixelRun(image, {0, 4}, {129, 4}), doubled);
}

} // namespace
