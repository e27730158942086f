#pragma once

#include <QByteArray>
#include <QImage>

// Images reach reports from data fields, stored pictures, archives and
// picture files, in any raster format Qt reads. A header may claim any
// size, and decoding it would take gigabytes and seconds for a few bytes
// of input: a picture of more pixels than a page scanned at 400 dots per
// inch (4096 by 4096) is refused, like bytes that are no image.
inline constexpr qint64 kMaxImagePixels = qint64(4096) * 4096;

// The image, or a null image when the bytes are none or it is too large.
// `format` as QImageReader takes it; none: told from the bytes.
QImage decodeImage(const QByteArray& bytes, const char* format = nullptr);
