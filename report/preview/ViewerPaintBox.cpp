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
    if (viewer_.PrintStateKnown() && !bitmap.isNull())
        painter.drawImage(event->rect().topLeft(), bitmap, event->rect());
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
