#pragma once

#include <QPageLayout>

class QPdfWriter;
class TppPage;

// The PDF page a report page prints on: the paper the page was made for,
// in its own size and orientation, without margins, so that the painter's
// origin is the paper's corner as on every other device.
QPageLayout pdfPageLayout(const TppPage& page);

// Gives the writer the page's layout: before the painter begins for the
// first page, and before newPage() for every later one.
void setUpPdfPage(QPdfWriter& writer, const TppPage& page);
