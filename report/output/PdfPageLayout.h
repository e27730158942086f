#pragma once

#include <QSizeF>

class QPdfWriter;

// Sets the paper of the next PDF page: the size as fed in millimetres (the
// portrait size for a landscape page), used edge to edge, since report pages
// carry their own margins. Every writer of PDF pages sets its pages here, so
// that a printed job and a PDF file lay a page out alike.
void setPdfPageLayout(QPdfWriter& writer, const QSizeF& paperMillimetres, bool landscape);
