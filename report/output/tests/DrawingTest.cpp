#include "FixedResolution.h"
#include "TabbedText.h"
#include "TppDrawLine.h"
#include "TppDrawShape.h"
#include "TppDrawText.h"
#include "TppImageDevice.h"
#include "TppPage.h"
#include "Units.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// Boxes are given in pixels of the 96-per-inch image the tests draw on.
int mm(int pixels) {
    return UnitsToMM(float(pixels), utScreenPixels);
}

class DrawingTest : public testing::Test {
protected:
    template <class C> C* add(int left, int top, int width, int height) {
        auto* command = new C();
        command->SetBox(mm(left), mm(top), mm(width), mm(height));
        page.AddDrawCommand(command);
        return command;
    }
    QImage render() { return device.RenderPage(page); }
    static bool dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }
    // Dark rows of column x between y0 and y1 (exclusive), as a string of 0s and 1s.
    static QString column(const QImage& image, int x, int y0, int y1) {
        QString bits;
        for (int y = y0; y < y1; ++y)
            bits += dark(image, x, y) ? u'1' : u'0';
        return bits;
    }
    // Leftmost and rightmost dark column inside a rectangle.
    static std::pair<int, int> inkExtent(const QImage& image, const QRect& area) {
        int left = INT_MAX, right = INT_MIN;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (dark(image, x, y)) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return {left, right};
    }
    TppPage page;
    TppImageDevice device;
};

TEST_F(DrawingTest, LinesAreWeightTimesResolutionOver72PixelsThick) {
    struct Case {
        const char* name;
        float weight;
        TppLineStyleType style;
        const char* rows; // from the box top down
    };
    const Case cases[] = {
        {"weight 0 is still one pixel", 0, lsSingle, "1000000000000"},
        {"3 points at 96 per inch are 4 pixels", 3, lsSingle, "1111000000000"},
        {"double: a gap as thick as the line", 3, lsDouble, "1111000011110"},
        {"no number is one pixel", std::numeric_limits<float>::quiet_NaN(), lsSingle, "1000000000000"},
        {"far beyond the paper: strokes to the paper's edge", 1e30f, lsSingle, "1111111111111"},
    };
    for (const Case& c : cases) {
        page.ResetPage();
        auto* line = add<TppDrawLine>(40, 40, 100, 30);
        line->Weight = c.weight;
        line->LineStyle = c.style;
        const QImage image = render();
        EXPECT_EQ(column(image, 60, 40, 53), c.rows) << c.name;
        EXPECT_FALSE(dark(image, 39, 40)) << c.name << ": starts at the box";
        EXPECT_FALSE(dark(image, 140, 40)) << c.name << ": ends before the box's right edge";
    }
    page.ResetPage();
    auto* right = add<TppDrawLine>(40, 40, 100, 30);
    right->LinePosition = lpRight;
    right->Weight = 1.5f;
    const QImage image = render();
    EXPECT_EQ(column(image, 50, 40, 41) + (dark(image, 139, 50) ? "1" : "0") +
                  (dark(image, 140, 50) ? "1" : "0") + (dark(image, 138, 50) ? "1" : "0"),
              "0110")
        << "lpRight: 2 strokes inward from the right side";
}

TEST_F(DrawingTest, ShapesKeepTheirOutlineInsideTheBox) {
    auto* shape = add<TppDrawShape>(50, 50, 40, 30);
    shape->Pen.width = 2;
    shape->Brush.color = 0x00FFFF; // yellow, light enough to tell from the frame
    const QImage image = render();
    EXPECT_EQ(column(image, 70, 48, 54), "001100") << "two-pixel frame from the box top";
    EXPECT_EQ(image.pixel(70, 54), qRgb(255, 255, 0)) << "filled inside";
    EXPECT_EQ(column(image, 70, 76, 82), "001100") << "and up to the box bottom, exclusive";
    EXPECT_FALSE(dark(image, 90, 60)) << "nothing right of the box";
    EXPECT_TRUE(dark(image, 89, 60));
}

TEST_F(DrawingTest, TextIsPlacedByItsAlignment) {
    struct Case {
        const char* name;
        TppTextAlignment alignment;
        QString text;
        int inkLeftMin, inkLeftMax, inkRightMin, inkRightMax;
    };
    const Case cases[] = {
        {"left: from the box left", taLeftJustified, "Hello", 100, 103, 120, 200},
        {"right: ends at the box right", taRightJustified, "Hello", 200, 296, 294, 299},
        {"full: spread to both edges", taFullJustified, "aa bb", 100, 103, 294, 299},
        {"full, one word: spread between letters", taFullJustified, "abc", 100, 103, 294, 299},
    };
    for (const Case& c : cases) {
        page.ResetPage();
        auto* text = add<TppDrawText>(100, 100, 200, 30);
        text->Text = c.text;
        text->SetTextAlignment(c.alignment);
        text->Transparent = true;
        const QImage image = render();
        const auto [left, right] = inkExtent(image, QRect(90, 95, 220, 40));
        EXPECT_GE(left, c.inkLeftMin) << c.name;
        EXPECT_LE(left, c.inkLeftMax) << c.name;
        EXPECT_GE(right, c.inkRightMin) << c.name;
        EXPECT_LE(right, c.inkRightMax) << c.name;
        EXPECT_EQ(inkExtent(image, QRect(90, 80, 220, 20)).first, INT_MAX)
            << c.name << ": nothing above the box";
    }
}

TEST_F(DrawingTest, TextFillsItsBackgroundAndCommandsOffThePaperAreSkipped) {
    auto* empty = add<TppDrawText>(100, 20, 60, 20);
    empty->Color = 0x00FF00;
    auto* text = add<TppDrawText>(20, 20, 60, 20);
    text->Text = "x";
    text->Color = 0x00FF00;
    auto* outside = add<TppDrawShape>(0, 0, 40, 40);
    outside->SetLeft(page.PageDef().mmWidth + 1);
    const QImage image = render();
    EXPECT_EQ(image.pixel(75, 35), qRgb(0, 255, 0)) << "a text fills its box";
    EXPECT_EQ(image.pixel(105, 25), qRgb(255, 255, 255)) << "an empty text draws nothing";
    EXPECT_EQ(outside->DeviceLeft, 0) << "never drawn";
}

TEST(TabStops, AreRoundedToPixelsAndSkipWhatIsNoNumber) {
    // At 600 pixels an inch: 1000 is 23.6 pixels, 3000 is 70.9, 500 is 11.8.
    const FixedResolution printer(600);
    EXPECT_EQ(tabStopsInPixels({"1000", " 3000 ", "x", "500"}, utPrinterPixels, &printer),
              QList<int>({24, 71, 12}));
}

} // namespace
