#pragma once

#include <QStringList>

class TppPage;

// A page as text, for comparing pages without pixels: a line
// "page <AbsolutePageNo> of <AbsolutePageCount>", then one line per draw
// command in drawing order: its class name, its left, top, width and
// height in thousandths of a millimetre and, for text, the text as a JSON
// string (wrapped lines joined by newlines), separated by single spaces.
QStringList pageDumpLines(const TppPage& page);
