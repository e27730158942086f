#include "ClassRegistry.h"
#include "EngineClasses.h"
#include "GenerationFixture.h"
#include "TppDrawLine.h"
#include "TppImage.h"
#include "TppLine.h"
#include "TppShape.h"
#include "Units.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

int px(int pixels, Axis axis = Axis::Horizontal) {
    return UnitsToMM(float(pixels), utScreenPixels, axis);
}

class GraphicControlsTest : public testing::Test, public GenerationFixture {
protected:
    const TppDrawShape& drawnShape() {
        EXPECT_EQ(page.DrawCommandCount(), 1);
        return dynamic_cast<const TppDrawShape&>(*page.DrawCommand(0));
    }
};

// A 2 cm x 1 cm box at 96 pixels per inch is 76 x 38 screen pixels.
TEST_F(GraphicControlsTest, ShapeOutlineStaysInsideItsBoxAndSquaresAreCentred) {
    auto* shape = add<TppShape>(0, 0, 20000, 10000);
    struct Case {
        const char* name;
        TShapeType shape;
        int penWidth;
        TShapeType drawn;
        int x1, y1, x2, y2, corner; // screen pixels
    } cases[] = {
        {"circle: the inscribed circle of the centred square", stCircle, 1, stEllipse, 19, 0, 57, 38, 9},
        {"round rectangle: corner a quarter of the short side", stRoundRect, 1, stRoundRect, 0, 0, 76, 38, 9},
        {"thick pen: inset by half its width", stRectangle, 5, stRectangle, 2, 2, 74, 36, 9},
        {"square with a thick pen", stSquare, 4, stRectangle, 21, 2, 55, 36, 9},
        {"round square", stRoundSquare, 1, stRoundRect, 19, 0, 57, 38, 9},
    };
    for (const Case& c : cases) {
        shape->SetShape(c.shape);
        shape->SetLineWidth(c.penWidth);
        startReport();
        runPass(20000);
        const TppDrawShape& drawn = drawnShape();
        EXPECT_EQ(drawn.ShapeType, c.drawn) << c.name;
        EXPECT_EQ(drawn.Left(), 5000 + px(c.x1)) << c.name;
        EXPECT_EQ(drawn.Top(), 20000 + px(c.y1, Axis::Vertical)) << c.name;
        EXPECT_EQ(drawn.Width(), px(c.x2) - px(c.x1)) << c.name;
        EXPECT_EQ(drawn.Height(), px(c.y2, Axis::Vertical) - px(c.y1, Axis::Vertical)) << c.name;
        EXPECT_EQ(drawn.XCornerRound, px(c.corner)) << c.name;
        EXPECT_EQ(drawn.Pen.width, c.penWidth) << c.name;
    }
}

TEST_F(GraphicControlsTest, ColourCommandsSwitchPenAndBrushBetweenClearAndSolid) {
    TppShape shape;
    EXPECT_EQ(shape.mmWidth(), px(50)) << "new shapes are 50 x 50 screen pixels";
    shape.SetNoFill();
    EXPECT_TRUE(shape.Transparent()) << "a clear brush shows through";
    shape.SetFillColor(0x0000FF);
    EXPECT_EQ(shape.Brush().style, TppBrush::bsSolid);
    EXPECT_EQ(shape.Brush().color, 0x0000FF);
    EXPECT_FALSE(shape.Transparent());
    shape.SetNoLine();
    EXPECT_EQ(shape.Pen().style, TppPen::psClear);
    shape.SetLineColor(0x00FF00);
    EXPECT_EQ(shape.Pen().style, TppPen::psSolid);
}

TEST_F(GraphicControlsTest, LineWeightAndPenWidthFollowEachOther) {
    TppLine line;
    EXPECT_EQ(line.Pen().width, 1) << "0.75 points at 96 pixels per inch";
    line.SetWeight(1.5f);
    EXPECT_EQ(line.Pen().width, 2);
    line.SetLineWidth(3);
    EXPECT_FLOAT_EQ(line.Weight(), 2.25f);
    TppPen thin = line.Pen();
    thin.width = 1;
    thin.color = 0xFF;
    line.SetPen(thin);
    EXPECT_FLOAT_EQ(line.Weight(), 0.75f);
    // Weights a damaged template may hold.
    for (const auto& [weight, width] : {std::pair(std::numeric_limits<float>::quiet_NaN(), 0),
                                        std::pair(-3.0f, 0), std::pair(1e30f, 1 << 16)}) {
        line.SetWeight(weight);
        EXPECT_EQ(line.Pen().width, width) << weight;
    }
}

TEST_F(GraphicControlsTest, LineStretchingWithItsParentGrowsAlongItsSide) {
    band->SetPrintHeight(phDynamic);
    auto* memo = add<TestBlock>(0, 0, 1000, 0);
    memo->SetStretch(true);
    memo->content = 50000;
    auto* rule = add<TppLine>(3000, 0, 500, 4000);
    rule->SetPosition(lpLeft);
    rule->SetStyle(lsDouble);
    rule->SetWeight(1.5f);
    rule->SetStretchWithParent(true);
    startReport();
    runPass(20000);

    const TppDrawLine* drawn = nullptr;
    for (int i = 0; i < page.DrawCommandCount(); ++i)
        if (auto* line = dynamic_cast<const TppDrawLine*>(page.DrawCommand(i)))
            drawn = line;
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->Box(), QRect(8000, 20000, 500, 50000)) << "as long as the memo";
    EXPECT_EQ(drawn->LinePosition, lpLeft);
    EXPECT_EQ(drawn->LineStyle, lsDouble);
    EXPECT_FLOAT_EQ(drawn->Weight, 1.5f);
    EXPECT_EQ(drawn->Pen.width, 2);
}

TEST_F(GraphicControlsTest, BandOfGraphicsAroundALongBlockDrawsWhatEachPageNeeds) {
    auto* border = add<TppShape>(0, 0, 190000, 2000);
    border->SetReprintOnOverFlow(true);
    auto* memo = add<TestBlock>(0, 2000, 100000, 0);
    memo->SetStretch(true);
    memo->content = 150000;
    auto* logo = add<TppImage>(150000, 0, 20000, 8000);
    logo->Picture().SetImage(QImage(4, 4, QImage::Format_RGB32));
    auto* frame = add<TppShape>(120000, 0, 1000, 1000);
    frame->SetStretchWithParent(true);
    auto* underline = add<TppLine>(0, 3000, 100000, 500);
    underline->SetShiftWithParent(true);
    startReport();

    QList<QStringList> pages;
    do {
        runPass(20000, 120000);
        QStringList drawn;
        for (int i = 0; i < page.DrawCommandCount(); ++i)
            drawn << page.DrawCommand(i)->className();
        pages << drawn;
    } while (band->OutOfSpace && pages.size() < 5);

    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0], (QStringList{"TppDrawShape", "TppDrawShape", "TppDrawImage", "TppDrawShape"}))
        << "border, block, logo, frame in ZOrder; the underline would fall below the page";
    EXPECT_EQ(pages[1], (QStringList{"TppDrawShape", "TppDrawShape", "TppDrawLine"}))
        << "the border again, the rest of the block, then the underline below it";
    const TppDrawCommand* line = page.DrawCommand(2);
    EXPECT_EQ(line->Top(), memo->PrintRect.Bottom + 1000) << "keeps its design distance below the block";
}

TEST_F(GraphicControlsTest, ClassesAreCreatedByName) {
    registerEngineClasses();
    for (const char* name : {"TppShape", "TppLine", "TppImage", "TppDBImage", "TppReport"}) {
        const ClassInfo* info = ClassRegistry::instance().find(QString::fromLatin1(name));
        ASSERT_NE(info, nullptr) << name;
        std::unique_ptr<Persistent> created(info->create(&form));
        ASSERT_NE(created, nullptr) << name;
        EXPECT_EQ(created->className(), QString::fromLatin1(name));
    }
}

} // namespace
