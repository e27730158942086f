#include "ShapeGeometry.h"

#include <algorithm>

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
