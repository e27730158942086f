#pragma once

class DrawSurface;
class TppDrawShape;

// Fills and outlines a rectangle, rounded rectangle or ellipse in the
// command's box. The outline lies inside the box, its pen width converted
// from screen pixels to the device's.
void drawShape(DrawSurface& surface, const TppDrawShape& command);
