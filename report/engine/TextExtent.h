#pragma once

#include "TextCanvas.h"
#include "TppFont.h"

#include <QSize>

// The size text takes when written into a box of the given width, in the
// canvas's pixels: one line per hard line break, and with `wordBreak` more
// lines where words would pass the width (a word wider than the box keeps
// its own line); tabs expand every eight characters. The height is lines
// times the font's cell height, at least one line.
QSize measureTextExtent(const QString& text, const TppFont& font, const TextCanvas& canvas, int widthPixels,
                        bool wordBreak);
