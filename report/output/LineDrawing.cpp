#include "LineDrawing.h"

#include "DrawSurface.h"
#include "TppDrawLine.h"

#include <algorithm>
#include <cmath>

void drawLine(DrawSurface& surface, const TppDrawLine& command) {
    const bool horizontal = command.LinePosition == lpTop || command.LinePosition == lpBottom;
    // The resolution across the line decides its thickness.
    const Axis across = horizontal ? Axis::Vertical : Axis::Horizontal;
    long double weight = (long double)command.Weight * surface.pixelsPerInch(across) / 72;
    // A zoomed screen scales every weight by its horizontal factor, so that
    // lines across and down the page stay equally heavy.
    if (surface.isScreen())
        weight *= surface.screenZoom->x;
    QPainter& painter = surface.painter;
    // Strokes past the paper do not show: a weight from a damaged file (no
    // number, or far more than any paper) draws as many as the paper is wide
    // or high, and one when it is no number at all.
    const int paperPixels =
        painter.device() ? std::max(painter.device()->width(), painter.device()->height()) : 1;
    const int thickness =
        std::isnan(weight) ? 1
                           : int(std::clamp<long double>(roundHalfEven(weight), 1, std::max(paperPixels, 1)));
    int gap = 2 * thickness;
    if (surface.isPrinter && command.Pen.width == 0)
        gap = surface.fromScreenPixels(2, across);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen = command.Pen.toQPen(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::FlatCap);
    // On a bitmap of several device pixels to each pixel (a high-resolution
    // screen) a cosmetic pen strokes one device row of each pixel row and the
    // line shows striped; there each stroke is a band one pixel wide laid over
    // its pixel row instead, which covers the same pixels at any ratio.
    const bool finerDevice = painter.device() && painter.device()->devicePixelRatio() != 1;
    if (finerDevice)
        pen.setCosmetic(false);
    const qreal middle = finerDevice ? 0.5 : 0;
    painter.setPen(pen);
    const int left = command.DeviceLeft, top = command.DeviceTop;
    // The screen keeps bottom and right lines inside the box's last pixel.
    const int inset = surface.isScreen() ? 1 : 0;
    const int right = command.DeviceRight - inset, bottom = command.DeviceBottom - inset;
    const auto stroke = [&](int k) {
        // Strokes cover the side from its start up to, not including, its end.
        switch (command.LinePosition) {
        case lpTop:
            painter.drawLine(QLineF(left, top + k + middle, command.DeviceRight - 1, top + k + middle));
            break;
        case lpBottom:
            painter.drawLine(QLineF(left, bottom - k + middle, command.DeviceRight - 1, bottom - k + middle));
            break;
        case lpLeft:
            painter.drawLine(QLineF(left + k + middle, top, left + k + middle, command.DeviceBottom - 1));
            break;
        case lpRight:
            painter.drawLine(QLineF(right - k + middle, top, right - k + middle, command.DeviceBottom - 1));
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
