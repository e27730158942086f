#include "PdfPageLayout.h"

#include "TppPage.h"

#include <QPdfWriter>
#include <algorithm>

QPageLayout pdfPageLayout(const TppPage& page) {
    const TppPageDef& paper = page.PageDef();
    // The page definition is the paper as drawn; the PDF page is the
    // upright sheet turned by the orientation.
    const bool landscape = paper.mmWidth > paper.mmHeight;
    const QSizeF upright(std::min(paper.mmWidth, paper.mmHeight) / 1000.0,
                         std::max(paper.mmWidth, paper.mmHeight) / 1000.0);
    const QPageSize size(upright, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

void setUpPdfPage(QPdfWriter& writer, const TppPage& page) {
    writer.setPageLayout(pdfPageLayout(page));
}
