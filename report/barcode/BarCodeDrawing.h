#pragma once

class DrawSurface;
class QPainter;
class QRect;
class TextMeasurer;
class TppDrawBarCode;

// Paints the command's symbol into `box` (device pixels) at `pixelsPerInch`
// along the symbol: the background unless transparent, then, when the data
// is OK and a module is at least one pixel wide, the bars and the texts in
// the bar colour. The symbol starts at the box's top-left corner and is
// clipped to the box.
void paintBarCode(QPainter& painter, const QRect& box, const TppDrawBarCode& command, int pixelsPerInch,
                  const TextMeasurer& measurer);

// Draws the command into its device box. Printers and page images get it
// at their own resolution; the screen renders it at its resolution at 100 %
// and stretches that picture to the zoomed box.
void drawBarCode(DrawSurface& surface, TppDrawBarCode& command);

// Makes raster devices draw barcode commands this way.
void registerBarCodeRenderer();
