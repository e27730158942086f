#pragma once

class DrawSurface;
class TppDrawRichText;

// Draws the command's range of its document into its device box, on its
// background unless transparent. A command without a range draws the
// whole document.
void drawRichText(DrawSurface& surface, TppDrawRichText& command);

// Makes raster devices draw rich text commands this way.
void registerRichTextRenderer();
