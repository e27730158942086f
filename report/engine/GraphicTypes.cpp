#include "GraphicTypes.h"

#include "ImageDecoding.h"

#include <QImageReader>

namespace {

GraphicTypes::Decoder imageDecoder(const char* format) {
    return [format](const QByteArray& bytes) -> TppDrawImage::Graphic {
        const QImage image = decodeImage(bytes, format);
        if (image.isNull())
            return std::monostate{};
        return image;
    };
}

TppDrawImage::Graphic decodeRecordedPicture(const QByteArray& bytes) {
    QPicture picture;
    picture.setData(bytes.constData(), uint(bytes.size()));
    if (picture.isNull())
        return std::monostate{};
    return picture;
}

} // namespace

GraphicTypes& GraphicTypes::instance() {
    static GraphicTypes types;
    return types;
}

GraphicTypes::GraphicTypes() {
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    // A bitmap field may hold any raster format Qt reads; the format is sniffed.
    decoders_.insert(QStringLiteral("Bitmap"), imageDecoder(nullptr));
    decoders_.insert(QStringLiteral("Icon"), imageDecoder(readable.contains("ico") ? "ICO" : nullptr));
    decoders_.insert(QStringLiteral("MetaFile"), decodeRecordedPicture);
    if (readable.contains("gif"))
        decoders_.insert(QStringLiteral("GIF"), imageDecoder("GIF"));
    if (readable.contains("jpeg"))
        decoders_.insert(QStringLiteral("JPEG"), imageDecoder("JPEG"));
}

QStringList GraphicTypes::Names() const {
    QMutexLocker locker(&lock_);
    return decoders_.keys();
}

bool GraphicTypes::Contains(const QString& name) const {
    QMutexLocker locker(&lock_);
    return decoders_.contains(name);
}

void GraphicTypes::Register(const QString& name, Decoder decoder) {
    QMutexLocker locker(&lock_);
    decoders_[name] = std::move(decoder);
}

TppDrawImage::Graphic GraphicTypes::Decode(const QString& name, const QByteArray& bytes) const {
    Decoder decoder;
    {
        QMutexLocker locker(&lock_);
        decoder = decoders_.value(name);
    }
    if (!decoder || bytes.isEmpty())
        return std::monostate{};
    return decoder(bytes);
}
