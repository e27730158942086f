#include "LabelSheetPreview.h"

#include "TppBand.h"
#include "TppCustomReport.h"

#include <QPainter>
#include <algorithm>

LabelSheetPreview::LabelSheetPreview(const TppCustomReport& report, QWidget* parent)
    : QWidget(parent), report_(report) {
    setObjectName(QStringLiteral("labelPreview"));
}

void LabelSheetPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const TppPageDef& page = report_.PageDef();
    const TppBand* detail = report_.GetBand(btDetail);
    if (page.mmWidth <= 0 || page.mmHeight <= 0 || !detail)
        return;
    const double scale =
        std::min((width() - 10) / double(page.mmWidth), (height() - 10) / double(page.mmHeight));
    const QRectF paper(5, 5, page.mmWidth * scale, page.mmHeight * scale);
    painter.fillRect(paper, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(paper);

    QList<int> lefts;
    if (report_.ColumnPositions.isEmpty())
        lefts << page.mmMarginLeft;
    for (const QString& position : report_.ColumnPositions)
        lefts << UnitsToMM(position.toFloat(), report_.Units(), Axis::Horizontal);
    const int pitch = detail->mmHeight() + detail->mmBottomOffset();
    if (pitch <= 0)
        return;
    painter.setPen(Qt::darkGray);
    for (int top = page.mmMarginTop; top + detail->mmHeight() <= page.mmHeight - page.mmMarginBottom;
         top += pitch)
        for (int left : lefts)
            painter.drawRoundedRect(QRectF(paper.left() + left * scale, paper.top() + top * scale,
                                           report_.mmColumnWidth() * scale, detail->mmHeight() * scale),
                                    2, 2);
}
