#include "BarCodeDrawing.h"

#include "BarCodeSymbol.h"
#include "DrawCommandRenderers.h"
#include "DrawSurface.h"
#include "TppDrawBarCode.h"
#include "TppPen.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

// Writes a text box turned by `rotation` degrees counter-clockwise: the
// box is already turned, so the text's own width runs along its long side.
void drawTurnedText(QPainter& painter, const BarCodeTextBox& box, int rotation, const QFont& font) {
    const QRect& r = box.rect;
    painter.save();
    painter.setFont(font);
    QSize upright = r.size();
    switch (rotation) {
    case 90: // reading upwards: the text's top faces left
        painter.translate(r.left(), r.bottom() + 1);
        painter.rotate(-90);
        upright.transpose();
        break;
    case 180:
        painter.translate(r.right() + 1, r.bottom() + 1);
        painter.rotate(180);
        break;
    case 270: // reading downwards: the text's top faces right
        painter.translate(r.right() + 1, r.top());
        painter.rotate(90);
        upright.transpose();
        break;
    default:
        painter.translate(r.topLeft());
        break;
    }
    painter.drawText(QRect(QPoint(0, 0), upright), int(box.alignment | Qt::AlignTop | Qt::TextDontClip),
                     box.text);
    painter.restore();
}

QFont fontOfBox(const BarCodeSymbol& symbol, const BarCodeTextBox& box, int pixelsPerInch) {
    TppFont font = symbol.font;
    if (box.smallerFont)
        font.size = std::max(1, font.size - 2);
    return font.toQFont(pixelsPerInch);
}

} // namespace

void paintBarCode(QPainter& painter, const QRect& box, const TppDrawBarCode& command, int pixelsPerInch,
                  const TextMeasurer& measurer) {
    if (box.isEmpty())
        return;
    const QColor background = colorFromStored(command.Color);
    if (!command.Transparent)
        painter.fillRect(box, background);
    const int across = barCodeAxis(command.Orientation) == Axis::Vertical ? box.width() : box.height();
    const BarCodeSymbol symbol = layOutBarCodeCommand(command, pixelsPerInch, across, measurer);
    if (symbol.layout.isEmpty())
        return;

    painter.save();
    painter.setClipRect(box);
    painter.translate(box.topLeft());
    const QColor barColor = colorFromStored(command.BarColor);
    for (const QRect& bar : symbol.layout.bars)
        painter.fillRect(bar, barColor);
    painter.setPen(barColor);
    for (const BarCodeTextBox& text : symbol.layout.texts) {
        if (text.clearBackground)
            painter.fillRect(text.rect, background);
        drawTurnedText(painter, text, symbol.layout.textRotation, fontOfBox(symbol, text, pixelsPerInch));
    }
    painter.restore();
}

void drawBarCode(DrawSurface& surface, TppDrawBarCode& command) {
    const QRect box(QPoint(command.DeviceLeft, command.DeviceTop),
                    QPoint(command.DeviceRight - 1, command.DeviceBottom - 1));
    const Axis along = barCodeAxis(command.Orientation);
    if (!surface.isScreen()) {
        paintBarCode(surface.painter, box, command, surface.pixelsPerInch(along), surface.measurer);
        return;
    }
    // The screen's own lengths stay at 100 %: the symbol is built there,
    // where its modules are whole pixels, and only then zoomed.
    const QSize atFullSize(surface.toPixels(command.Width(), Axis::Horizontal),
                           surface.toPixels(command.Height(), Axis::Vertical));
    if (atFullSize.isEmpty() || box.isEmpty())
        return;
    QImage picture(atFullSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paintBarCode(painter, QRect(QPoint(0, 0), atFullSize), command, surface.pixelsPerInch(along),
                 surface.measurer);
    painter.end();
    surface.painter.drawImage(box, picture);
}

void registerBarCodeRenderer() {
    DrawCommandRenderers::instance().registerRenderer(
        TppDrawBarCode::staticClassInfo(), [](DrawSurface& surface, TppDrawCommand& command) {
            drawBarCode(surface, static_cast<TppDrawBarCode&>(command));
        });
}
