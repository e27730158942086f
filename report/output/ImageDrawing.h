#pragma once

class DrawSurface;
class TppDrawImage;

// Draws a picture into its box: stretched, stretched keeping its
// proportions, or at its natural size (scaled from screen pixels), at the
// top-left or centred, clipped to the box. Transparent pictures are
// combined with what is below (white lets it through).
void drawImage(DrawSurface& surface, const TppDrawImage& command);
