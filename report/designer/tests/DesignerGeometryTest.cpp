#include "DesignerGeometry.h"
#include "DesignerSelection.h"
#include "RecentReports.h"
#include "RulerTicks.h"

#include <gtest/gtest.h>

namespace {

struct SnapCase {
    const char* name;
    int value;
    int grid;
    int expected;
};

TEST(DesignerGeometryTest, SnapsToTheNearestGridLineWithHalfGoingDown) {
    const SnapCase cases[] = {
        {"13 is nearer 16", 13, 8, 16},
        {"11 is nearer 8", 11, 8, 8},
        {"exactly half goes down", 12, 8, 8},
        {"on the line stays", 16, 8, 16},
        {"odd grid: half of 5 rounds to 2 (even), so 3 is past it", 3, 5, 5},
        {"a grid of 0 is every pixel", 13, 0, 13},
        {"a negative grid is every pixel", 13, -4, 13},
    };
    for (const SnapCase& c : cases)
        EXPECT_EQ(snapToGrid(c.value, c.grid), c.expected) << c.name;
}

TEST(DesignerGeometryTest, StacksBandsWithOneDividerHeightAndFindsTheBandUnderAPoint) {
    // Heights 50, 0, 24: areas at 0, 66, 82; dividers at 50, 66, 106.
    const WorkspaceLayout layout({50, 0, 24});
    EXPECT_EQ(layout.areaTop(1), 50 + kDividerHeight);
    EXPECT_EQ(layout.areaTop(2), 50 + 0 + 2 * kDividerHeight);
    EXPECT_EQ(layout.height(), 50 + 24 + 3 * kDividerHeight);
    EXPECT_EQ(layout.bottomLimit(), layout.dividerTop(2));
    struct {
        const char* name;
        int y;
        int band;
    } cases[] = {
        {"inside the first area", 10, 0},
        {"on the first divider: the band below it, which has no height, gives way upward", 55, 0},
        {"on the divider above the last band", 70, 2},
        {"inside the last area", 90, 2},
        {"on the last divider: no band", layout.dividerTop(2) + 2, -1},
        {"below the workspace", 1000, -1},
        {"above the workspace", -1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(layout.bandAt(c.y), c.band) << c.name;
    EXPECT_EQ(layout.dividerAt(52), 0);
    EXPECT_EQ(layout.dividerAt(10), -1);
}

struct ResizeCase {
    const char* name;
    PixelBox box;
    int handle;
    QPoint mouse;
    PixelBox expected;
};

TEST(DesignerGeometryTest, ResizesByEachHandleAndFlipsPastTheOppositeEdge) {
    const PixelBox box{10, 0, 40, 20};
    const ResizeCase cases[] = {
        {"top handle dragged below the bottom flips", {10, 0, 40, 20}, 1, {30, 30}, {10, 19, 40, 12}},
        {"top handle up grows", box, 1, {30, -5}, {10, -5, 40, 25}},
        {"bottom handle", box, 6, {0, 30}, {10, 0, 40, 30}},
        {"bottom handle above the top flips", {10, 10, 40, 20}, 6, {0, 4}, {10, 4, 40, 7}},
        {"left handle past the right flips", box, 3, {60, 5}, {49, 0, 11, 20}},
        {"right handle left of the left flips", box, 4, {4, 5}, {4, 0, 7, 20}},
        {"bottom-right corner", box, 7, {70, 35}, {10, 0, 60, 35}},
        {"top-left corner", box, 0, {0, -4}, {0, -4, 50, 24}},
        {"never below 1 wide", box, 4, {10, 5}, {10, 0, 1, 20}},
    };
    for (const ResizeCase& c : cases)
        EXPECT_EQ(resizeWithHandle(c.box, c.handle, c.mouse), c.expected) << c.name;
    // A component that takes its parent's width keeps left and width.
    EXPECT_EQ(resizeWithHandle(box, 7, {70, 35}, true, false), (PixelBox{10, 0, 40, 35}));
}

TEST(DesignerGeometryTest, HandlesSitOnTheCornersAndEdgeMiddles) {
    const QRect rect(100, 50, 40, 20);
    const QList<QRect> handles = handleRects(rect);
    ASSERT_EQ(handles.size(), 8);
    for (int index = 0; index < 8; ++index)
        EXPECT_EQ(handleAt(rect, handles.at(index).center()), index);
    EXPECT_EQ(handleAt(rect, rect.center()), -1);
}

TEST(DesignerGeometryTest, ADragStopsAtTheLeftTopAndBottomLimit) {
    const QRect united(5, 10, 50, 20);
    EXPECT_EQ(clampMove(united, {-20, 0}, 200), QPoint(-5, 0)) << "leftmost stops at x = 0";
    EXPECT_EQ(clampMove(united, {0, -30}, 200), QPoint(0, -10));
    EXPECT_EQ(clampMove(united, {0, 500}, 200), QPoint(0, 170)) << "bottom stays at the last divider";
}

TEST(DesignerGeometryTest, DragSnapsTheTopFromItsOwnBandArea) {
    const WorkspaceLayout layout({50, 100});
    GridOptions grid;
    grid.snapToGrid = true;
    // Band 1's area starts at 66: a wanted top of 66 + 13 snaps to 66 + 16.
    const PixelBox primary{0, 0, 10, 10};
    EXPECT_EQ(dragDelta(primary, {13, 66 + 13}, layout, grid, false, false), QPoint(16, 66 + 16));
    EXPECT_EQ(dragDelta(primary, {13, 66 + 11}, layout, grid, true, false), QPoint(0, 66 + 8))
        << "a locked axis does not move";
}

TEST(DesignerGeometryTest, SelectionFollowsClicksRubberBandsAndSelectAll) {
    auto* a = reinterpret_cast<TppComponent*>(0x10);
    auto* b = reinterpret_cast<TppComponent*>(0x20);
    auto* c = reinterpret_cast<TppComponent*>(0x30);
    DesignerSelection selection;
    EXPECT_TRUE(selection.click(a, false));
    EXPECT_FALSE(selection.click(a, false)) << "the only selected one clicked again changes nothing";
    EXPECT_TRUE(selection.click(b, true));
    EXPECT_EQ(selection.components(), (QList<TppComponent*>{a, b}));
    EXPECT_FALSE(selection.showsHandles());
    EXPECT_TRUE(selection.click(a, false)) << "one of several becomes the primary";
    EXPECT_EQ(selection.primary(), a);
    EXPECT_EQ(selection.count(), 2);
    EXPECT_TRUE(selection.click(a, true)) << "Shift toggles it off";
    EXPECT_EQ(selection.components(), (QList<TppComponent*>{b}));
    // Shift rubber band over one selected and one unselected swaps them.
    selection.rubberBand({b, c}, true);
    EXPECT_EQ(selection.components(), (QList<TppComponent*>{c}));
    selection.rubberBand({a}, false);
    EXPECT_EQ(selection.components(), (QList<TppComponent*>{a}));
    EXPECT_TRUE(selection.rubberBand({}, false)) << "an empty result is told too";
    EXPECT_TRUE(selection.isEmpty());
    selection.selectAll({a, b, c});
    EXPECT_EQ(selection.count(), 3);
}

TEST(DesignerGeometryTest, RecentReportsKeepTheNewestFirstAndSurviveCommasInPaths) {
    RecentReports recent(3);
    recent.touch({"a", "/r/a.rtm"});
    recent.touch({"b", "/home/x,y/b.rtm"});
    recent.touch({"c", "/r/c.rtm"});
    recent.touch({"a", "/r/a.rtm"});
    recent.touch({"d", "/r/d.rtm"});
    EXPECT_EQ(recent.captions(), (QStringList{"&1 d", "&2 a", "&3 c"}));
    recent.touch({"b", "/home/x,y/b.rtm"});
    RecentReports read(3);
    read.setLines(recent.lines());
    EXPECT_EQ(read.entries(), recent.entries());
    EXPECT_EQ(read.entries().first(), (QStringList{"b", "/home/x,y/b.rtm"}));
    EXPECT_EQ(RecentReports::decode("old,/plain/path.rtm"), (QStringList{"old", "/plain/path.rtm"}))
        << "lines written without quotes read as before";
    EXPECT_EQ(RecentReports::decode(RecentReports::encode({"q\"uote", "a,b"})),
              (QStringList{"q\"uote", "a,b"}));
}

TEST(DesignerGeometryTest, RulersLabelEachInchAndEachCentimetre) {
    const QList<RulerTick> inches = rulerTicks(utInches, 96, 200);
    ASSERT_GE(inches.size(), 17);
    EXPECT_EQ(inches.at(8).position, 96);
    EXPECT_EQ(inches.at(8).kind, RulerTick::Label);
    EXPECT_EQ(inches.at(8).label, "1");
    EXPECT_EQ(inches.at(4).kind, RulerTick::Half);
    EXPECT_EQ(inches.at(1).kind, RulerTick::Small);
    const QList<RulerTick> thousandths = rulerTicks(utMMThousandths, 96, 100);
    EXPECT_EQ(thousandths.at(5).label, "10k") << "10000 and more shows in thousands";
    EXPECT_EQ(rulerTicks(utMillimeters, 96, 100).at(4).label, "10");
}

} // namespace
