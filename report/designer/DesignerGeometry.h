#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// The workspace's arithmetic in screen pixels, apart from any widget: where
// bands and dividers lie, which band a point falls in, snapping, dragging
// and resizing. The workspace widget and the controller both ask it, so
// what is drawn and what is hit are the same rectangles.

// One height for every divider bar: the layout stacks bands with it and
// snapping measures band tops with it, so a snapped top is where it shows.
constexpr int kDividerHeight = 16;
constexpr int kHandleSize = 5;

class WorkspaceLayout {
public:
    WorkspaceLayout() = default;
    explicit WorkspaceLayout(const QList<int>& bandHeights, int dividerHeight = kDividerHeight);

    int bandCount() const { return int(areaTops_.size()); }
    int areaTop(int band) const { return areaTops_.at(band); }
    int areaHeight(int band) const { return heights_.at(band); }
    int dividerTop(int band) const { return areaTops_.at(band) + heights_.at(band); }
    int dividerHeight() const { return dividerHeight_; }
    // The last divider's bottom.
    int height() const;
    // Nothing may be dropped on or below the last divider.
    int bottomLimit() const;

    // The band whose area (or the divider above it) holds y: a zero-height
    // band gives way to the nearest band above with a height, else below.
    // -1 above the workspace, on the last divider or below it.
    int bandAt(int y) const;
    // The band whose divider bar holds y, -1 if none.
    int dividerAt(int y) const;

private:
    QList<int> areaTops_;
    QList<int> heights_;
    int dividerHeight_ = kDividerHeight;
};

// v moved to the grid line nearest to it; a remainder of exactly half the
// grid goes down. A grid of 0 or less is taken as 1 (every pixel).
int snapToGrid(int value, int grid);

// The eight sizing handles around a rectangle: 0 top-left, 1 top,
// 2 top-right, 3 left, 4 right, 5 bottom-left, 6 bottom, 7 bottom-right.
QList<QRect> handleRects(const QRect& rect);
// The handle under the point, -1 if none.
int handleAt(const QRect& rect, QPoint point);

// Pixel geometry as the designer keeps it: left, top, width and height,
// with right = left + width (QRect's right() is one less).
struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    QRect rect() const { return QRect(left, top, width, height); }
    static PixelBox of(const QRect& rect) { return {rect.x(), rect.y(), rect.width(), rect.height()}; }
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// The box while handle `handle` is dragged to `mouse`; dragging an edge
// past the opposite one flips the box. A component that takes its
// parent's width keeps left and width, one that takes its height keeps top
// and height. Width and height stay at least 1.
PixelBox resizeWithHandle(const PixelBox& box, int handle, QPoint mouse, bool keepHorizontal = false,
                          bool keepVertical = false);

// How far a selection whose union is `unionBox` may move by `delta`: it
// stays right of 0, below 0 and with its bottom at or above `bottomLimit`.
QPoint clampMove(const QRect& unionBox, QPoint delta, int bottomLimit);

struct GridOptions {
    bool snapToGrid = false;
    bool displayGrid = false;
    int xSpace = 8;
    int ySpace = 8;
};

// The delta that moves the primary box to `wanted` (its new top-left),
// snapped when asked: left to the grid from the workspace's left, top to
// the grid from the top of the band area that holds it. Locked axes stay.
QPoint dragDelta(const PixelBox& primary, QPoint wanted, const WorkspaceLayout& layout,
                 const GridOptions& grid, bool lockHorizontal, bool lockVertical);
