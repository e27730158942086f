#include "BarCodeLayout.h"
#include "BarCodeEncoder.h"
#include "BarCodeFontFit.h"
#include "BarPixelWidths.h"

#include <gtest/gtest.h>

namespace {

BarCodeEncoding encoded(TppBarCodeType type, const QString& data, const QString& addOn = {}) {
    BarCodeSettings settings;
    settings.type = type;
    settings.data = data;
    settings.addOnCode = addOn;
    BarCodeEncoding encoding = encodeBarCode(settings);
    EXPECT_TRUE(encoding.ok) << encoding.message.toStdString();
    return encoding;
}

// At 100 pixels per inch a 0.01 inch module is one pixel.
BarCodeLayoutOptions onePixelModules(int textLineHeight = 0) {
    BarCodeLayoutOptions options;
    options.pixelsPerInch = 100;
    options.barWidthInches = 0.01;
    options.textLineHeight = textLineHeight;
    return options;
}

std::string str(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

TEST(BarPixelWidths, EachKindRoundsOnItsOwnHalvesToEven) {
    const struct {
        const char* name;
        double barWidth, pixelsPerInch, ratio;
        BarPixelWidths expected;
    } cases[] = {
        {"0.01 inch at 600 dpi", 0.01, 600, 3, {6, 18, 12, 8}},         // PostNet gap 6 x 1.375 = 8.25
        {"2.5 pixels round down to even", 0.0625, 40, 3, {2, 8, 5, 3}}, // wide 7.5 -> 8, gap 5, 2.75 -> 3
        {"3.5 pixels round up to even", 0.0625, 56, 2.5, {4, 9, 7, 6}}, // wide 8.75 -> 9, 5.5 -> 6
        {"less than half a pixel is none", 0.01, 40, 3, {0, 1, 1, 0}},
    };
    for (const auto& c : cases) {
        const BarPixelWidths w = BarPixelWidths::at(c.barWidth, c.pixelsPerInch, c.ratio);
        EXPECT_EQ(w.narrow, c.expected.narrow) << c.name;
        EXPECT_EQ(w.wide, c.expected.wide) << c.name;
        EXPECT_EQ(w.characterGap, c.expected.characterGap) << c.name;
        EXPECT_EQ(w.postNetGap, c.expected.postNetGap) << c.name;
    }
}

TEST(BarCodeLayout, ModuleThatRoundsToNoPixelDrawsNothing) {
    BarCodeLayoutOptions options = onePixelModules(10);
    options.pixelsPerInch = 40; // 0.4 pixel modules, as on a coarse screen
    const BarCodeLayout layout = layOutBarCode(encoded(bcUPC_A, "03600029145"), options);
    EXPECT_TRUE(layout.isEmpty());
    EXPECT_TRUE(layout.texts.empty());
    options.pixelsPerInch = 600; // the printer still prints it
    EXPECT_FALSE(layOutBarCode(encoded(bcUPC_A, "03600029145"), options).isEmpty());
}

TEST(BarCodeLayout, RefusedDataDrawsNothing) {
    BarCodeSettings settings;
    settings.type = bcEAN_8;
    settings.data = QStringLiteral("12");
    EXPECT_TRUE(layOutBarCode(encodeBarCode(settings), onePixelModules()).isEmpty());
}

TEST(BarCodeLayout, QuietZonesAndAutoSizedHeights) {
    const struct {
        const char* name;
        BarCodeEncoding encoding;
        double pixelsPerInch;
        int quietZone, width, barHeight;
    } cases[] = {
        // 9 modules either side; height R x BarWidth x 73.85 = 73.85
        {"UPC-A", encoded(bcUPC_A, "03600029145"), 100, 9, 95 + 18, 74},
        // 0.85 x the 67-module pattern = 56.95
        {"EAN-8", encoded(bcEAN_8, "9638507"), 100, 9, 67 + 18, 57},
        // 0.03 inch either side; 0.6 x width = 30.6
        {"Interleaved 2 of 5", encoded(bcInt2of5, "1234"), 100, 3, 45 + 6, 31},
        // 3 x 15 modules and 2 gaps of 2; 0.25 x 49 = 12.25
        {"Code 39", encoded(bcCode39, "A"), 100, 0, 49, 12},
        // 0.2 x (3 + 12 + 4) = 3.8, but never below 5
        {"MSI at its minimum", encoded(bcMSI, ""), 100, 0, 19, 5},
        // R / 8 = 12.5 rounds to even
        {"PostNet", encoded(bcPostnet, "12345"), 100, 0, 32 + 31, 12},
        // 20 modules
        {"FIM", encoded(bcFIM, "A"), 100, 0, 18, 20},
        // UPC-A's 9-module quiet zone is rounded from 0.09 inch, not 9 rounded modules
        {"UPC-A at 150 dpi", encoded(bcUPC_A, "03600029145"), 150, 14, 2 * 95 + 28, 111},
    };
    for (const auto& c : cases) {
        BarCodeLayoutOptions options = onePixelModules();
        options.pixelsPerInch = c.pixelsPerInch;
        const BarCodeLayout layout = layOutBarCode(c.encoding, options);
        EXPECT_EQ(layout.quietZone, c.quietZone) << c.name;
        EXPECT_EQ(layout.size, QSize(c.width, c.barHeight)) << c.name;
        EXPECT_EQ(layout.barHeight, c.barHeight) << c.name;
    }
}

TEST(BarCodeLayout, FixedHeightTakesTheTextLineFromIt) {
    BarCodeLayoutOptions options = onePixelModules(10);
    options.autoSize = false;
    options.height = 40;
    const BarCodeLayout layout = layOutBarCode(encoded(bcCode39, "A"), options);
    EXPECT_EQ(layout.size, QSize(49, 40));
    EXPECT_EQ(layout.barHeight, 30);
    ASSERT_EQ(layout.texts.size(), 1u);
    EXPECT_EQ(str(layout.texts[0].rect), "0,30 49x10");
}

TEST(BarCodeLayout, AdjacentModulesMergeIntoOneBar) {
    const BarCodeLayout layout = layOutBarCode(encoded(bcFIM, "A"), onePixelModules());
    std::vector<std::string> bars;
    for (const QRect& bar : layout.bars)
        bars.push_back(str(bar));
    EXPECT_EQ(bars, (std::vector<std::string>{"0,0 1x20", "2,0 1x20", "8,0 1x20", "14,0 1x20", "16,0 1x20"}));

    const BarCodeLayout code128 =
        layOutBarCode(encoded(bcCode128, QString::fromUtf16(u"\u00D1ab")), onePixelModules());
    // Start B, two characters and the check symbol of 11 modules and the stop's
    // 13: 57 wide, 0.25 x 57 high; start B begins with a bar two modules wide.
    EXPECT_EQ(str(code128.bars.front()), "0,0 2x14");
}

TEST(BarCodeLayout, PostNetHalfBarsStandOnTheBaseline) {
    const BarCodeLayout layout = layOutBarCode(encoded(bcPostnet, "00000"), onePixelModules());
    // Bars 1 pixel, gaps 1.375 -> 1; height 12, half bars 40 % = 4.8 -> 5.
    ASSERT_GE(layout.bars.size(), 4u);
    EXPECT_EQ(str(layout.bars[0]), "0,0 1x12") << "frame bar";
    EXPECT_EQ(str(layout.bars[1]), "2,0 1x12") << "zero starts with two full bars";
    EXPECT_EQ(str(layout.bars[3]), "6,7 1x5") << "then half bars";
}

TEST(BarCodeLayout, UpcADigitBoxesAndLongGuardBars) {
    const BarCodeLayout layout = layOutBarCode(encoded(bcUPC_A, "03600029145"), onePixelModules(10));
    EXPECT_EQ(layout.size, QSize(113, 84)) << "the text line is added below the bars";
    // Bars reach halfway into the text line less one module: 74 + 5 - 1.
    EXPECT_EQ(str(layout.bars.front()), "9,0 1x78");
    ASSERT_EQ(layout.texts.size(), 4u);
    const struct {
        const char* rect;
        const char* text;
        bool clear, smaller;
    } expected[] = {
        {"0,74 9x10", "0", false, true},       // number system left of the symbol, smaller
        {"19,74 35x10", "36000", true, false}, // modules 10 to 45
        {"59,74 35x10", "29145", true, false}, // modules 50 to 85
        {"104,74 9x10", "2", false, true},     // check digit right of it
    };
    for (size_t i = 0; i < layout.texts.size(); ++i) {
        EXPECT_EQ(str(layout.texts[i].rect), expected[i].rect) << i;
        EXPECT_EQ(layout.texts[i].text.toStdString(), expected[i].text) << i;
        EXPECT_EQ(layout.texts[i].clearBackground, expected[i].clear) << i;
        EXPECT_EQ(layout.texts[i].smallerFont, expected[i].smaller) << i;
    }
    EXPECT_EQ(layout.textToFit, "36000");
    EXPECT_EQ(layout.textFitWidth, 36) << "five digits must fit 36 modules";
}

TEST(BarCodeLayout, AddOnBarsStartOneTextLineLower) {
    const BarCodeLayout layout = layOutBarCode(encoded(bcEAN_13, "400638133393", "12"), onePixelModules(10));
    // 9 + 95 + 9 gap + 20 add-on + 9
    EXPECT_EQ(layout.size.width(), 142);
    const QRect& firstAddOnBar = *std::find_if(layout.bars.begin(), layout.bars.end(),
                                               [](const QRect& r) { return r.x() >= 9 + 95 + 9; });
    EXPECT_EQ(firstAddOnBar.x(), 113);
    EXPECT_EQ(firstAddOnBar.y(), 10);
    const BarCodeTextBox& addOnText = layout.texts.front();
    EXPECT_EQ(addOnText.text, "12");
    EXPECT_EQ(str(addOnText.rect), "113,0 20x10");
    EXPECT_EQ(addOnText.alignment, Qt::AlignRight);
}

TEST(BarCodeLayout, BearerBarsOnlyOnInterleaved2of5) {
    BarCodeLayoutOptions options = onePixelModules();
    options.bearerBars = true;
    const BarCodeLayout layout = layOutBarCode(encoded(bcInt2of5, "1234"), options);
    ASSERT_GE(layout.bars.size(), 2u);
    EXPECT_EQ(str(layout.bars[layout.bars.size() - 2]), "0,0 51x3");
    EXPECT_EQ(str(layout.bars.back()), "0,28 51x3");
    const BarCodeLayout code39 = layOutBarCode(encoded(bcCode39, "A"), options);
    EXPECT_NE(code39.bars.back().width(), code39.size.width());
}

TEST(BarCodeLayout, FourOrientations) {
    // Code 39 "A": 49 x 12 bars and a 6 pixel text line below them.
    const struct {
        TppBarCodeOrientation orientation;
        QSize size;
        const char* firstBar;
        const char* text;
        int rotation;
    } cases[] = {
        {orLeftToRight, {49, 18}, "0,0 1x12", "0,12 49x6", 0},
        {orRightToLeft, {49, 18}, "48,6 1x12", "0,0 49x6", 180},
        {orTopToBottom, {18, 49}, "6,0 12x1", "0,0 6x49", 270},  // text on the left, read downwards
        {orBottomToTop, {18, 49}, "0,48 12x1", "12,0 6x49", 90}, // text on the right, read upwards
    };
    for (const auto& c : cases) {
        BarCodeLayoutOptions options = onePixelModules(6);
        options.orientation = c.orientation;
        const BarCodeLayout layout = layOutBarCode(encoded(bcCode39, "A"), options);
        EXPECT_EQ(layout.size, c.size) << c.orientation;
        EXPECT_EQ(str(layout.bars.front()), c.firstBar) << c.orientation;
        ASSERT_EQ(layout.texts.size(), 1u);
        EXPECT_EQ(str(layout.texts[0].rect), c.text) << c.orientation;
        EXPECT_EQ(layout.textRotation, c.rotation) << c.orientation;
        for (const QRect& bar : layout.bars)
            EXPECT_TRUE(QRect(QPoint(0, 0), layout.size).contains(bar)) << c.orientation << " " << str(bar);
    }
}

TEST(BarCodeFontFit, ShrinksFromAShareOfTheBarHeightUntilTheTextFits) {
    const BarCodeLayout upcA = layOutBarCode(encoded(bcUPC_A, "03600029145"), onePixelModules(10));
    // A font whose digits are 0.6 of a point wide, in layout pixels.
    const TextWidthMeasure measure = [](int points, const QString& text) {
        return points * int(text.size()) * 3 / 5;
    };
    // Bars 74 pixels at 100 dpi are 71 screen pixels at 96; 20 % of them is a
    // 14 point start. "36000" is 42 pixels wide at 14 points, 36 at 12.
    EXPECT_EQ(fitHumanReadablePointSize(bcUPC_A, upcA, 100, 96, measure), 12);

    const TextWidthMeasure neverFits = [](int, const QString&) { return 1000000; };
    EXPECT_EQ(fitHumanReadablePointSize(bcUPC_A, upcA, 100, 96, neverFits), 1) << "never below one point";

    BarCodeLayoutOptions coarse = onePixelModules(10);
    coarse.pixelsPerInch = 40;
    EXPECT_EQ(fitHumanReadablePointSize(bcUPC_A, layOutBarCode(encoded(bcUPC_A, "03600029145"), coarse), 40,
                                        96, measure),
              std::nullopt)
        << "nothing drawn, nothing to fit";
}

} // namespace
