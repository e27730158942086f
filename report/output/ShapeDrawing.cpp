#include "ShapeDrawing.h"

#include "DrawSurface.h"
#include "TppDrawShape.h"

void drawShape(DrawSurface& surface, const TppDrawShape& command) {
    QPainter& painter = surface.painter;
    const QRect box(QPoint(command.DeviceLeft, command.DeviceTop),
                    QPoint(command.DeviceRight - 1, command.DeviceBottom - 1));
    const bool outlined = command.Pen.style != TppPen::psClear;
    int penWidth = surface.isScreen() ? surface.zoomed(command.Pen.width, Axis::Horizontal)
                                      : surface.fromScreenPixels(command.Pen.width, Axis::Horizontal);
    if (surface.isPrinter || outlined)
        penWidth = std::max(1, penWidth);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (command.ShapeType == stRectangle || command.ShapeType == stSquare) {
        // Whole pixels: the fill first, then the frame as four bands.
        if (command.Brush.style != TppBrush::bsClear)
            painter.fillRect(box, command.Brush.toQBrush());
        if (outlined) {
            const QBrush frame(colorFromStored(command.Pen.color));
            const int w = std::min({penWidth, box.width(), box.height()});
            painter.fillRect(QRect(box.left(), box.top(), box.width(), w), frame);
            painter.fillRect(QRect(box.left(), box.bottom() - w + 1, box.width(), w), frame);
            painter.fillRect(QRect(box.left(), box.top(), w, box.height()), frame);
            painter.fillRect(QRect(box.right() - w + 1, box.top(), w, box.height()), frame);
        }
        painter.restore();
        return;
    }
    painter.setPen(outlined ? command.Pen.toQPen(penWidth) : QPen(Qt::NoPen));
    painter.setBrush(command.Brush.style == TppBrush::bsClear ? QBrush(Qt::NoBrush)
                                                              : command.Brush.toQBrush());
    // The pen is centred on its path: inset by half its width keeps it inside.
    const qreal inset = outlined ? penWidth / 2.0 : 0;
    const QRectF path =
        QRectF(box.left(), box.top(), box.width(), box.height()).adjusted(inset, inset, -inset, -inset);
    if (command.ShapeType == stEllipse || command.ShapeType == stCircle) {
        painter.drawEllipse(path);
    } else {
        const qreal rx =
            surface.zoomed(surface.toPixels(command.XCornerRound, Axis::Horizontal), Axis::Horizontal) / 2.0;
        const qreal ry =
            surface.zoomed(surface.toPixels(command.YCornerRound, Axis::Vertical), Axis::Vertical) / 2.0;
        painter.drawRoundedRect(path, rx, ry);
    }
    painter.restore();
}
