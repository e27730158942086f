#pragma once

#include "DrawingTypes.h"

class TppBrush;
class TppDrawShape;
class TppPen;
struct TppPrintRect;

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

// Fills a shape command for `shape` in the page box `rect`. The geometry is
// worked out in screen pixels, as the designer draws it, so the page shows
// what the designer showed.
void fillShapeCommand(TppDrawShape& command, TShapeType shape, const TppPrintRect& rect, const TppPen& pen,
                      const TppBrush& brush);
