#pragma once

#include <QByteArray>

class QTextDocument;

// Reads the rich text that reports carry into a document: fonts and sizes,
// bold, italic, underline and strike-out, text colours, paragraph
// alignment, indents and spacing, tab stops, tabs, line and paragraph
// breaks, and Unicode and code-page characters. Other groups (pictures,
// style sheets, document information, unknown "\*" destinations) are
// skipped with their contents. Bytes that do not start with "{\rtf" are
// taken as plain text. The document is replaced.
void readRtf(const QByteArray& rtf, QTextDocument& document);
