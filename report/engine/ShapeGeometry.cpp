#include "ShapeGeometry.h"

#include "TppDrawShape.h"
#include "TppPrintRect.h"
#include "Units.h"

#include <algorithm>

namespace {

int toScreenPixels(int mm, Axis axis) {
    return int(roundHalfEven(UnitsFromMM(mm, utScreenPixels, axis)));
}
int fromScreenPixels(int pixels, Axis axis) {
    return UnitsToMM(float(pixels), utScreenPixels, axis);
}

} // namespace

ShapeGeometry shapeGeometry(TShapeType shape, int width, int height, int penWidth) {
    const int half = penWidth / 2;
    ShapeGeometry g{half, half, width - half, height - half, 0};
    const int side = std::min(width, height);
    if (shape == stSquare || shape == stRoundSquare || shape == stCircle) {
        g.x1 += (width - side) / 2;
        g.x2 -= (width - side) / 2;
        g.y1 += (height - side) / 2;
        g.y2 -= (height - side) / 2;
    }
    g.corner = side / 4;
    return g;
}

TShapeType drawnShapeType(TShapeType shape) {
    switch (shape) {
    case stSquare:
        return stRectangle;
    case stRoundSquare:
        return stRoundRect;
    case stCircle:
        return stEllipse;
    default:
        return shape;
    }
}

void fillShapeCommand(TppDrawShape& command, TShapeType shape, const TppPrintRect& rect, const TppPen& pen,
                      const TppBrush& brush) {
    const ShapeGeometry g = shapeGeometry(shape, toScreenPixels(rect.Width(), Axis::Horizontal),
                                          toScreenPixels(rect.Height(), Axis::Vertical), pen.width);
    const int left = fromScreenPixels(g.x1, Axis::Horizontal);
    const int top = fromScreenPixels(g.y1, Axis::Vertical);
    command.SetBox(rect.Left + left, rect.Top + top, fromScreenPixels(g.x2, Axis::Horizontal) - left,
                   fromScreenPixels(g.y2, Axis::Vertical) - top);
    command.Brush = brush;
    command.Pen = pen;
    command.XCornerRound = fromScreenPixels(g.corner, Axis::Horizontal);
    command.YCornerRound = fromScreenPixels(g.corner, Axis::Vertical);
    command.ShapeType = drawnShapeType(shape);
}
