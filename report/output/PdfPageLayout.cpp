#include "PdfPageLayout.h"

#include "TppPage.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>

void setPdfPageLayout(QPdfWriter& writer, const QSizeF& paperMillimetres, bool landscape) {
    // An exact size: a near-standard paper must not be snapped to its neighbour.
    const QPageSize size(paperMillimetres, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

void setUpPdfPage(QPdfWriter& writer, const TppPage& page) {
    // The page definition is the paper as drawn; the PDF page is the upright
    // sheet turned by the orientation.
    const TppPageDef& paper = page.PageDef();
    const QSizeF upright(std::min(paper.mmWidth, paper.mmHeight) / 1000.0,
                         std::max(paper.mmWidth, paper.mmHeight) / 1000.0);
    setPdfPageLayout(writer, upright, paper.mmWidth > paper.mmHeight);
}
