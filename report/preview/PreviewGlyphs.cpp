#include "PreviewGlyphs.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace {

constexpr int kSize = 16;
const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kAccent(0, 0, 128);

void drawSheet(QPainter& p, const QRect& sheet) {
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(sheet);
}

// An arrowhead pointing left (-1) or right (+1), with a bar at its tip for
// the first and last page.
void drawArrow(QPainter& p, int direction, bool bar) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    const int tip = direction < 0 ? 4 : 11;
    const int base = direction < 0 ? 10 : 5;
    p.drawPolygon(QPolygon({QPoint(tip, 8), QPoint(base, 3), QPoint(base, 13)}));
    if (bar)
        p.fillRect(QRect(direction < 0 ? 2 : 12, 3, 2, 11), kAccent);
}

} // namespace

QIcon previewGlyph(PreviewGlyph glyph) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    switch (glyph) {
    case PreviewGlyph::Printer:
        drawSheet(p, QRect(4, 1, 8, 6));
        p.setBrush(QColor(192, 192, 192));
        p.drawRect(QRect(1, 6, 14, 6));
        drawSheet(p, QRect(4, 10, 8, 5));
        p.fillRect(QRect(12, 8, 2, 1), QColor(0, 160, 0));
        break;
    case PreviewGlyph::Search:
        p.setPen(QPen(kInk, 2));
        p.setBrush(kPaper);
        p.drawEllipse(QRect(2, 2, 8, 8));
        p.drawLine(9, 9, 14, 14);
        break;
    case PreviewGlyph::FirstPage:
        drawArrow(p, -1, true);
        break;
    case PreviewGlyph::PriorPage:
        drawArrow(p, -1, false);
        break;
    case PreviewGlyph::NextPage:
        drawArrow(p, 1, false);
        break;
    case PreviewGlyph::LastPage:
        drawArrow(p, 1, true);
        break;
    case PreviewGlyph::WholePage:
        drawSheet(p, QRect(4, 1, 8, 13));
        p.setPen(kAccent);
        for (int y = 4; y <= 11; y += 2)
            p.drawLine(6, y, 10, y);
        break;
    case PreviewGlyph::PageWidth:
        drawSheet(p, QRect(1, 3, 13, 12));
        p.setPen(kAccent);
        p.drawLine(3, 1, 12, 1);
        for (int y = 6; y <= 12; y += 2)
            p.drawLine(3, y, 12, y);
        break;
    case PreviewGlyph::Zoom100:
        drawSheet(p, QRect(1, 1, 13, 13));
        p.setPen(kAccent);
        p.drawLine(4, 4, 4, 11);
        p.drawEllipse(QRect(6, 4, 2, 7));
        p.drawEllipse(QRect(10, 4, 2, 7));
        break;
    }
    p.end();
    return QIcon(pixmap);
}
