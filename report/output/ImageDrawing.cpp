#include "ImageDrawing.h"

#include "DrawSurface.h"
#include "TppDrawImage.h"

namespace {

// Places the picture in `box` as the command asks (stretched, kept in
// proportion, centred or at its natural size, which is `natural` pixels).
void placeImage(QPainter& painter, const TppDrawImage& command, const QRect& box, QSize natural,
                bool andMode) {
    QRect target;
    if (command.Stretch && !command.MaintainAspectRatio) {
        target = box;
    } else {
        int width = natural.width(), height = natural.height();
        if (command.Stretch) {
            const float scale = FitScale(float(natural.width()), float(natural.height()), float(box.width()),
                                         float(box.height()));
            width = int(natural.width() * scale);
            height = int(natural.height() * scale);
        }
        target = QRect(box.left(), box.top(), width, height);
        if (command.Center)
            target.translate((box.width() - width) / 2, (box.height() - height) / 2);
    }

    painter.save();
    painter.setClipRect(box);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (andMode)
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    if (const auto* image = std::get_if<QImage>(&command.Picture())) {
        painter.drawImage(target, *image);
    } else if (const auto* picture = std::get_if<QPicture>(&command.Picture())) {
        // Vector pictures are played into a white bitmap of the target's
        // size first, so that they combine with the page like bitmaps.
        QImage buffer(target.size(), QImage::Format_ARGB32);
        buffer.fill(Qt::white);
        QPainter playback(&buffer);
        const QRect bounds = picture->boundingRect();
        playback.scale(qreal(target.width()) / bounds.width(), qreal(target.height()) / bounds.height());
        playback.translate(-bounds.topLeft());
        playback.drawPicture(0, 0, *picture);
        playback.end();
        painter.drawImage(target.topLeft(), buffer);
    }
    painter.restore();
}

} // namespace

void drawImage(DrawSurface& surface, const TppDrawImage& command) {
    if (!command.HasPicture())
        return;
    const QSize natural = command.PictureSize();
    if (natural.isEmpty())
        return;
    const QRect box(QPoint(command.DeviceLeft, command.DeviceTop),
                    QPoint(command.DeviceRight - 1, command.DeviceBottom - 1));
    const QSize atResolution(surface.fromScreenPixels(natural.width(), Axis::Horizontal),
                             surface.fromScreenPixels(natural.height(), Axis::Vertical));
    if (!surface.isScreen()) {
        placeImage(surface.painter, command, box, atResolution, command.Transparent);
        return;
    }
    if (command.DirectDraw) {
        placeImage(surface.painter, command, box,
                   QSize(surface.zoomed(atResolution.width(), Axis::Horizontal),
                         surface.zoomed(atResolution.height(), Axis::Vertical)),
                   command.Transparent);
        return;
    }
    // The screen composes the picture at 100 % first and zooms the result,
    // so that it looks the same at every zoom.
    const QSize fullSize(surface.toPixels(command.Width(), Axis::Horizontal),
                         surface.toPixels(command.Height(), Axis::Vertical));
    if (fullSize.isEmpty() || box.isEmpty())
        return;
    QImage buffer(fullSize, QImage::Format_RGB32);
    buffer.fill(Qt::white);
    QPainter composer(&buffer);
    placeImage(composer, command, QRect(QPoint(0, 0), fullSize), atResolution, false);
    composer.end();
    QPainter& painter = surface.painter;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (command.Transparent)
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(box, buffer);
    painter.restore();
}
