#include "TppPicture.h"

#include "ClassBuilder.h"
#include "ImageDecoding.h"

#include <QBuffer>
#include <QDataStream>

namespace {

// Graphic classes whose data starts with a 32-bit byte count.
bool countsItsBytes(const QByteArray& className) {
    return className == "TBitmap" || className == "TJPEGImage";
}

QByteArray withoutByteCount(const QByteArray& payload) {
    if (payload.size() < 4)
        return payload;
    QDataStream in(payload);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 count = 0;
    in >> count;
    return count == quint32(payload.size() - 4) ? payload.mid(4) : payload;
}

QByteArray withByteCount(const QByteArray& bytes) {
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint32(bytes.size());
    return out + bytes;
}

} // namespace

const ClassInfo& TppPicture::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppPicture>("TPicture", &Persistent::staticClassInfo(), [](auto& c) {
            c.defined("Data", PropertyKind::Binary, &TppPicture::Data, [](TppPicture& p, const QVariant& v) {
                 p.SetData(v.toByteArray());
             }).writtenWhen([](const TppPicture& p) { return !p.IsEmpty(); });
        });
    return info;
}

void TppPicture::SetGraphic(const Graphic& graphic) {
    graphic_ = graphic;
    if (OnChange)
        OnChange();
}

bool TppPicture::IsEmpty() const {
    if (const auto* image = std::get_if<QImage>(&graphic_))
        return image->isNull();
    if (const auto* picture = std::get_if<QPicture>(&graphic_))
        return picture->isNull();
    return true;
}

QSize TppPicture::Size() const {
    if (const auto* image = std::get_if<QImage>(&graphic_))
        return image->size();
    if (const auto* picture = std::get_if<QPicture>(&graphic_))
        return picture->boundingRect().size();
    return {};
}

void TppPicture::CopyTo(TppDrawImage& command) const {
    if (const auto* image = std::get_if<QImage>(&graphic_))
        command.SetPicture(*image);
    else if (const auto* picture = std::get_if<QPicture>(&graphic_))
        command.SetPicture(*picture);
}

QByteArray TppPicture::Data() const {
    QByteArray className;
    QByteArray payload;
    if (const auto* image = std::get_if<QImage>(&graphic_)) {
        className = "TBitmap";
        QBuffer buffer(&payload);
        buffer.open(QIODevice::WriteOnly);
        image->save(&buffer, "BMP");
        payload = withByteCount(payload);
    } else if (const auto* picture = std::get_if<QPicture>(&graphic_)) {
        className = "TMetafile";
        payload = QByteArray(picture->data(), int(picture->size()));
    } else {
        return {};
    }
    return char(className.size()) + className + payload;
}

void TppPicture::SetData(const QByteArray& data) {
    const int nameLength = data.isEmpty() ? 0 : quint8(data[0]);
    if (data.size() < 1 + nameLength) {
        Clear();
        return;
    }
    const QByteArray className = data.mid(1, nameLength);
    QByteArray payload = data.mid(1 + nameLength);
    if (countsItsBytes(className))
        payload = withoutByteCount(payload);
    if (className == "TMetafile") {
        QPicture picture;
        picture.setData(payload.constData(), uint(payload.size()));
        if (picture.isNull())
            Clear();
        else
            SetPicture(picture);
        return;
    }
    const QImage image = decodeImage(payload);
    if (image.isNull())
        Clear();
    else
        SetImage(image);
}
