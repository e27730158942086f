#include "ImageDecoding.h"

#include <QBuffer>
#include <QImageReader>

namespace {
bool tooLarge(const QSize& size) {
    return qint64(size.width()) * size.height() > kMaxImagePixels;
}
} // namespace

QImage decodeImage(const QByteArray& bytes, const char* format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // Most formats tell their size from the header, before any pixel is
    // decoded; the others are checked once they are.
    if (const QSize size = reader.size(); size.isValid() && tooLarge(size))
        return {};
    QImage image = reader.read();
    if (tooLarge(image.size()))
        return {};
    return image;
}
