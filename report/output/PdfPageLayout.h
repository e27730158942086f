#pragma once

#include <QSizeF>

class QPdfWriter;
class TppPage;

// Sets the paper of the next PDF page: the size as fed in millimetres (the
// portrait size for a landscape page), used edge to edge, since report pages
// carry their own margins and the painter's origin is the paper's corner as
// on every other device. Every writer of PDF pages sets its pages here, so
// that a printed job and a PDF file lay a page out alike. Before the painter
// begins for the first page, and before newPage() for every later one.
void setPdfPageLayout(QPdfWriter& writer, const QSizeF& paperMillimetres, bool landscape);

// The same for the paper a report page was made for, in its own size and
// orientation.
void setUpPdfPage(QPdfWriter& writer, const TppPage& page);
