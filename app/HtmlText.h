#pragma once

#include <QString>

// The text of an HTML page as a browser shows its body, for reading lines of
// text out of a page without a browser engine: block elements and <br> start
// lines, blanks collapse to one outside <pre>, table cells are separated by
// tabs, entities are decoded, and what a browser does not show (the head,
// scripts, styles, comments) is left out. Lines are not trimmed here.
QString htmlVisibleText(const QString& html);
