#pragma once

#include <QBuffer>
#include <QImage>

// The bytes of a small icon file, as a template stores a window's icon.
inline QByteArray iconFileBytes(QColor colour = Qt::red) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "ICO");
    return buffer.data();
}
