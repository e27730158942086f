#include "ImageDrawing.h"

#include "DrawSurface.h"
#include "TppDrawImage.h"

void drawImage(DrawSurface& surface, const TppDrawImage& command) {
    if (!command.HasPicture())
        return;
    const QSize natural = command.PictureSize();
    if (natural.isEmpty())
        return;
    const QRect box(QPoint(command.DeviceLeft, command.DeviceTop),
                    QPoint(command.DeviceRight - 1, command.DeviceBottom - 1));
    const int imageWidth = surface.fromScreenPixels(natural.width(), Axis::Horizontal);
    const int imageHeight = surface.fromScreenPixels(natural.height(), Axis::Vertical);

    QRect target;
    if (command.Stretch && !command.MaintainAspectRatio) {
        target = box;
    } else {
        int width = imageWidth, height = imageHeight;
        if (command.Stretch) {
            const float scale = FitScale(float(imageWidth), float(imageHeight), float(box.width()), float(box.height()));
            width = int(imageWidth * scale);
            height = int(imageHeight * scale);
        }
        target = QRect(box.left(), box.top(), width, height);
        if (command.Center)
            target.translate((box.width() - width) / 2, (box.height() - height) / 2);
    }

    QPainter& painter = surface.painter;
    painter.save();
    painter.setClipRect(box);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (command.Transparent)
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
