#include "ViewerPaintBox.h"

#include "TppScreenDevice.h"
#include "TppViewer.h"

#include <QMouseEvent>
#include <QPainter>

ViewerPaintBox::ViewerPaintBox(TppViewer& viewer, QWidget* parent) : QWidget(parent), viewer_(viewer) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ViewerPaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& bitmap = viewer_.ScreenDevice().PageBitmap();
    // Nothing is copied before the first job has begun: the bitmap holds no
    // page yet, and an empty frame would flash up.
    painter.fillRect(event->rect(), palette().dark());
    if (!viewer_.PrintStateKnown() || bitmap.isNull())
        return;
    // The area in logical pixels, taken from the bitmap's device pixels: a
    // bitmap made at the screen's ratio reaches the screen one to one.
    const QRect area = event->rect() & QRect(QPoint(0, 0), viewer_.ScreenDevice().BitmapSize());
    const qreal ratio = bitmap.devicePixelRatio();
    painter.drawImage(
        QRectF(area), bitmap,
        QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

void ViewerPaintBox::mouseMoveEvent(QMouseEvent* event) {
    viewer_.mouseMovedOnPage(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void ViewerPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        viewer_.clickedOnPage(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}
