#include "PdfPageLayout.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

void setPdfPageLayout(QPdfWriter& writer, const QSizeF& paperMillimetres, bool landscape) {
    // An exact size: a near-standard paper must not be snapped to its neighbour.
    const QPageSize size(paperMillimetres, QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
    writer.setPageLayout(QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}
