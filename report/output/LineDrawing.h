#pragma once

class DrawSurface;
class TppDrawLine;

// Draws a line as one-pixel strokes along the side of its box named by
// its position, stacked inward: round(Weight x resolution / 72) of them,
// at least one; a double line repeats the set from twice that offset.
void drawLine(DrawSurface& surface, const TppDrawLine& command);
