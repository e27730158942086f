#pragma once

#include <QtGlobal>

class QTextDocument;

// Rich text lengths (indents, spacing, tab stops) are twips. Qt takes the
// lengths of a block format in pixels of the screen's resolution and scales
// them to the paint device the document is laid out on; a document laid
// out at 1440 pixels per inch would otherwise show a twip as 15 pixels,
// an inch of spacing as 15 inches. Without a paint device nothing is scaled.
qreal formatLengthsPerTwip(const QTextDocument& document);
