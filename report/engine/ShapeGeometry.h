#pragma once

#include "DrawingTypes.h"

// Where a shape's outline runs inside its box, in screen pixels: inset by
// half the pen width so the outline stays inside, squares and circles
// centred in the box, and the corner ellipse of rounded rectangles.
struct ShapeGeometry {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int corner = 0;
};

ShapeGeometry shapeGeometry(TShapeType shape, int width, int height, int penWidth);

// What the draw command paints: squares as rectangles, circles as ellipses.
TShapeType drawnShapeType(TShapeType shape);
