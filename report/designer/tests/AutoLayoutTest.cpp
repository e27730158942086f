#include "TppAutoLayout.h"

#include <gtest/gtest.h>

namespace {

// Labels 20 high, fields 20 high in a font 16 pixels high: the sizes a
// drop of text fields in a 12-point font gives with round metrics.
AutoLayoutItem item(int labelWidth, int fieldWidth, int fieldHeight = 20) {
    AutoLayoutItem made;
    if (labelWidth > 0)
        made.label = PixelBox{0, 0, labelWidth, 20};
    if (fieldWidth > 0)
        made.field = PixelBox{0, 0, fieldWidth, fieldHeight};
    return made;
}

TppAutoLayoutTabular tabular(QPoint start, AutoLayoutBand band, const QList<AutoLayoutItem>& items) {
    TppAutoLayoutTabular layout;
    layout.StartPoint = start;
    layout.Band = band;
    layout.FieldFontHeight = 16;
    layout.Items = items;
    layout.Layout();
    return layout;
}

TEST(AutoLayoutTabularTest, LabelsInARowAndTheirFieldsFivePixelsBelowEachPairEquallyWide) {
    const auto layout = tabular({10, 8}, {400, 100, true}, {item(40, 60), item(70, 50), item(30, 30)});
    EXPECT_FALSE(layout.FieldsInNextBand());
    const int lefts[] = {10, 74, 148}; // each left = previous left + pair width + 4
    const int widths[] = {60, 70, 30};
    for (int index = 0; index < 3; ++index) {
        const AutoLayoutItem& placed = layout.Items.at(index);
        EXPECT_EQ(placed.label->left, lefts[index]) << index;
        EXPECT_EQ(placed.label->top, 8) << index;
        EXPECT_EQ(placed.field->left, lefts[index]) << index;
        EXPECT_EQ(placed.field->top, 33) << "label bottom 28 + 5";
        EXPECT_EQ(placed.label->width, widths[index]) << "the wider of label and field";
        EXPECT_EQ(placed.field->width, widths[index]);
    }
}

TEST(AutoLayoutTabularTest, FieldsThatFindNoRoomBelowTheLabelsMoveToTheNextBand) {
    // Label top min(90, 100 - 20) = 80, bottom 100; the fields would need a
    // top at most 100 - (16 + 3) = 81.
    const auto moved = tabular({10, 90}, {400, 100, true}, {item(40, 60), item(40, 60)});
    EXPECT_TRUE(moved.FieldsInNextBand());
    EXPECT_EQ(moved.Items.at(0).label->top, 80) << "the labels stay";
    EXPECT_EQ(moved.Items.at(1).field->top, 2);

    // In the last band there is nowhere to go: the fields sit 4 above its bottom.
    const auto last = tabular({10, 90}, {400, 100, false}, {item(40, 60)});
    EXPECT_FALSE(last.FieldsInNextBand());
    EXPECT_EQ(last.Items.at(0).field->top, 96);
}

TEST(AutoLayoutTabularTest, ItemsPastTheRightEdgePileUpTenPixelsInsideIt) {
    const auto layout = tabular({10, 0}, {150, 100, false},
                                {item(60, 0), item(60, 0), item(60, 0), item(60, 0), item(60, 0)});
    QList<int> lefts;
    for (const AutoLayoutItem& placed : layout.Items)
        lefts << placed.label->left;
    EXPECT_EQ(lefts, (QList<int>{10, 74, 138, 140, 140}));
}

TEST(AutoLayoutTabularTest, FieldsAloneStartAtTheDropPointAndNothingGoesAboveTheBand) {
    const auto fields = tabular({12, 7}, {400, 100, true}, {item(0, 60), item(0, 60)});
    EXPECT_EQ(fields.Items.at(0).field->left, 12);
    EXPECT_EQ(fields.Items.at(0).field->top, 7);
    EXPECT_EQ(fields.Items.at(1).field->left, 76);

    // A band 10 high cannot hold a label 20 high: it starts at the band's top, not above it.
    const auto shallow = tabular({0, 5}, {400, 10, false}, {item(40, 0)});
    EXPECT_EQ(shallow.Items.at(0).label->top, 0);
}

TEST(AutoLayoutTabularTest, BordersFrameTheirItemsTwoPixelsOut) {
    AutoLayoutItem framed = item(40, 60);
    framed.labelBorder = PixelBox{};
    framed.fieldBorder = PixelBox{};
    const auto layout = tabular({10, 8}, {400, 100, true}, {framed});
    EXPECT_EQ(*layout.Items.at(0).labelBorder, (PixelBox{8, 6, 64, 24}));
    EXPECT_EQ(*layout.Items.at(0).fieldBorder, (PixelBox{8, 31, 64, 24}));
}

TEST(AutoLayoutVerticalTest, RowsStackWithEachItemOnTheBottomOfItsRow) {
    TppAutoLayoutVertical layout;
    layout.StartPoint = {10, 5};
    layout.Band = {400, 200, false};
    AutoLayoutItem memo = item(70, 150, 50);
    memo.fieldBorder = PixelBox{};
    AutoLayoutItem text = item(40, 60);
    text.fieldBorder = PixelBox{};
    layout.Items = {text, memo};
    layout.Layout();
    EXPECT_TRUE(layout.LeftJustified());
    const AutoLayoutItem& first = layout.Items.at(0);
    const AutoLayoutItem& second = layout.Items.at(1);
    EXPECT_EQ(first.label->width, 70) << "all labels as wide as the widest";
    EXPECT_EQ(first.label->top, 5);
    EXPECT_EQ(first.field->left, 84) << "10 + label width 70 + 4";
    EXPECT_EQ(first.field->top, 5);
    // Row two is 50 high and ends at 25 + 4 + 50 = 79 for both.
    EXPECT_EQ(second.label->top, 59);
    EXPECT_EQ(second.field->top, 29);
    EXPECT_EQ(second.label->bottom(), second.field->bottom());
    EXPECT_EQ(*first.fieldBorder, (PixelBox{82, 3, 154, 24})) << "as wide as the widest field + 4";
    EXPECT_EQ(*second.fieldBorder, (PixelBox{82, 27, 154, 54}));
}

} // namespace
