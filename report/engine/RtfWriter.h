#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a document as rich text with what readRtf reads back: a font and
// a colour table, then each paragraph with its alignment, indents, spacing
// and tab stops, and each run with its font, size, styles and colour.
// Characters outside ASCII are written as "\u" with a "?" fallback.
QByteArray writeRtf(const QTextDocument& document);
