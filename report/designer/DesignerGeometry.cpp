#include "DesignerGeometry.h"

#include <algorithm>
#include <cmath>

WorkspaceLayout::WorkspaceLayout(const QList<int>& bandHeights, int dividerHeight)
    : dividerHeight_(dividerHeight) {
    int running = 0;
    for (int height : bandHeights) {
        const int clamped = std::max(0, height);
        areaTops_ << running;
        heights_ << clamped;
        running += clamped + dividerHeight_;
    }
}

int WorkspaceLayout::height() const {
    return bandCount() == 0 ? 0 : dividerTop(bandCount() - 1) + dividerHeight_;
}

int WorkspaceLayout::bottomLimit() const {
    return bandCount() == 0 ? 0 : dividerTop(bandCount() - 1);
}

int WorkspaceLayout::bandAt(int y) const {
    int found = -1;
    for (int band = 0; band < bandCount(); ++band)
        if (dividerTop(band) > y && areaTop(band) - dividerHeight_ <= y) {
            found = band;
            break;
        }
    if (found < 0 || y < 0 || y >= bottomLimit())
        return -1;
    if (heights_.at(found) > 0)
        return found;
    for (int band = found - 1; band >= 0; --band)
        if (heights_.at(band) > 0)
            return band;
    for (int band = found + 1; band < bandCount(); ++band)
        if (heights_.at(band) > 0)
            return band;
    return 0;
}

int WorkspaceLayout::dividerAt(int y) const {
    for (int band = 0; band < bandCount(); ++band)
        if (y >= dividerTop(band) && y < dividerTop(band) + dividerHeight_)
            return band;
    return -1;
}

int snapToGrid(int value, int grid) {
    grid = std::max(1, grid);
    int remainder = value % grid;
    if (remainder < 0)
        remainder += grid;
    value -= remainder;
    const int half = int(std::nearbyint(grid / 2.0)); // the default rounding: halves to even
    if (remainder > half)
        value += grid;
    return value;
}

QList<QRect> handleRects(const QRect& rect) {
    const int l = rect.left() - kHandleSize / 2 - 1;
    const int r = rect.left() + rect.width() - kHandleSize / 2;
    const int t = rect.top() - kHandleSize / 2 - 1;
    const int b = rect.top() + rect.height() - kHandleSize / 2;
    const int cx = rect.left() + rect.width() / 2 - kHandleSize / 2;
    const int cy = rect.top() + rect.height() / 2 - kHandleSize / 2;
    const QPoint corners[8] = {{l, t}, {cx, t}, {r, t}, {l, cy}, {r, cy}, {l, b}, {cx, b}, {r, b}};
    QList<QRect> handles;
    for (const QPoint& corner : corners)
        handles << QRect(corner, QSize(kHandleSize, kHandleSize));
    return handles;
}

int handleAt(const QRect& rect, QPoint point) {
    const QList<QRect> handles = handleRects(rect);
    for (int index = 0; index < handles.size(); ++index)
        if (handles.at(index).adjusted(-1, -1, 1, 1).contains(point))
            return index;
    return -1;
}

PixelBox resizeWithHandle(const PixelBox& box, int handle, QPoint mouse, bool keepHorizontal,
                          bool keepVertical) {
    PixelBox result = box;
    const int x = mouse.x();
    const int y = mouse.y();
    if (handle == 0 || handle == 1 || handle == 2) {
        if (y > box.bottom()) {
            result.top = box.bottom() - 1;
            result.height = y - result.top + 1;
        } else {
            result.height = box.height + box.top - y;
            result.top = y;
        }
    } else if (handle == 5 || handle == 6 || handle == 7) {
        if (y < box.top) {
            result.height = box.top - y + 1;
            result.top = y;
        } else {
            result.height = y - box.top;
        }
    }
    if (handle == 0 || handle == 3 || handle == 5) {
        if (x > box.right()) {
            result.left = box.right() - 1;
            result.width = x - result.left;
        } else {
            result.width = box.width + box.left - x;
            result.left = x;
        }
    } else if (handle == 2 || handle == 4 || handle == 7) {
        if (x < box.left) {
            result.width = box.left - x + 1;
            result.left = x;
        } else {
            result.width = x - box.left;
        }
    }
    if (keepHorizontal) {
        result.left = box.left;
        result.width = box.width;
    }
    if (keepVertical) {
        result.top = box.top;
        result.height = box.height;
    }
    result.width = std::max(1, result.width);
    result.height = std::max(1, result.height);
    return result;
}

QPoint clampMove(const QRect& unionBox, QPoint delta, int bottomLimit) {
    int dx = delta.x();
    int dy = delta.y();
    if (unionBox.left() + dx < 0)
        dx = -unionBox.left();
    const int bottom = unionBox.top() + unionBox.height();
    if (bottom + dy > bottomLimit)
        dy = bottomLimit - bottom;
    if (unionBox.top() + dy < 0)
        dy = -unionBox.top();
    return {dx, dy};
}

QPoint dragDelta(const PixelBox& primary, QPoint wanted, const WorkspaceLayout& layout,
                 const GridOptions& grid, bool lockHorizontal, bool lockVertical) {
    int left = wanted.x();
    int top = wanted.y();
    if (grid.snapToGrid) {
        left = snapToGrid(left, grid.xSpace);
        const int band = layout.bandAt(top);
        const int areaTop = band >= 0 ? layout.areaTop(band) : 0;
        top = areaTop + snapToGrid(top - areaTop, grid.ySpace);
    }
    return {lockHorizontal ? 0 : left - primary.left, lockVertical ? 0 : top - primary.top};
}
