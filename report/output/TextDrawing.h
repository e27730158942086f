#pragma once

class DrawSurface;
class TppDrawText;

// Draws a text command into its device box: background, lines by
// alignment (full justification spreads the spare width over the blanks),
// memo tabs; an auto-sized box is re-placed and written back.
void drawText(DrawSurface& surface, TppDrawText& command);
