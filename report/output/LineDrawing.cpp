#include "LineDrawing.h"

#include "DrawSurface.h"
#include "TppDrawLine.h"

void drawLine(DrawSurface& surface, const TppDrawLine& command) {
    const bool horizontal = command.LinePosition == lpTop || command.LinePosition == lpBottom;
    // The resolution across the line decides its thickness.
    const Axis across = horizontal ? Axis::Vertical : Axis::Horizontal;
    const int thickness =
        std::max(1, int(roundHalfEven((long double)command.Weight * surface.pixelsPerInch(across) / 72)));
    int gap = 2 * thickness;
    if (surface.isPrinter && command.Pen.width == 0)
        gap = surface.fromScreenPixels(2, across);

    QPainter& painter = surface.painter;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen = command.Pen.toQPen(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const int left = command.DeviceLeft, top = command.DeviceTop;
    const int right = command.DeviceRight, bottom = command.DeviceBottom;
    const auto stroke = [&](int k) {
        // Strokes cover the side from its start up to, not including, its end.
        switch (command.LinePosition) {
        case lpTop:
            painter.drawLine(left, top + k, right - 1, top + k);
            break;
        case lpBottom:
            painter.drawLine(left, bottom - k, right - 1, bottom - k);
            break;
        case lpLeft:
            painter.drawLine(left + k, top, left + k, bottom - 1);
            break;
        case lpRight:
            painter.drawLine(right - k, top, right - k, bottom - 1);
            break;
        }
    };
    for (int k = 0; k < thickness; ++k)
        stroke(k);
    if (command.LineStyle == lsDouble)
        for (int k = 0; k < thickness; ++k)
            stroke(gap + k);
    painter.restore();
}
