#include "TppDrawImage.h"

#include "ClassBuilder.h"
#include "ImageDecoding.h"

#include <QBuffer>

namespace {
// Pictures travel in archives as PNG images; vector pictures as Qt's own
// picture format, told apart by its signature.
QByteArray encode(const TppDrawImage::Graphic& graphic) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (const auto* image = std::get_if<QImage>(&graphic))
        image->save(&buffer, "PNG");
    else if (const auto* picture = std::get_if<QPicture>(&graphic))
        const_cast<QPicture*>(picture)->save(&buffer);
    return bytes;
}

void decode(TppDrawImage& command, const QByteArray& bytes) {
    if (bytes.startsWith("QPIC")) {
        QPicture picture;
        QBuffer buffer(const_cast<QByteArray*>(&bytes));
        buffer.open(QIODevice::ReadOnly);
        if (picture.load(&buffer))
            command.SetPicture(picture);
        return;
    }
    if (const QImage image = decodeImage(bytes); !image.isNull())
        command.SetPicture(image);
}
} // namespace

const ClassInfo& TppDrawImage::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppDrawImage>("TppDrawImage", &TppDrawCommand::staticClassInfo(), [](auto& c) {
            using I = TppDrawImage;
            const auto boolean = [&c](const char* name, bool I::*member) {
                c.property(
                     name, [member](const I& i) { return i.*member; },
                     [member](I& i, bool v) { i.*member = v; })
                    .withDefault(false);
            };
            boolean("Center", &I::Center);
            boolean("DirectDraw", &I::DirectDraw);
            c.property(
                "ImageName", [](const I& i) { return i.ImageName; },
                [](I& i, const QString& v) { i.ImageName = v; });
            boolean("MaintainAspectRatio", &I::MaintainAspectRatio);
            boolean("Scale", &I::Scale);
            boolean("Stretch", &I::Stretch);
            boolean("Transparent", &I::Transparent);
            c.defined(
                 "PictureData", PropertyKind::Binary, [](const I& i) { return encode(i.picture_); },
                 [](I& i, const QVariant& v) { decode(i, v.toByteArray()); })
                .writtenWhen([](const I& i) { return i.HasPicture(); });
        });
    return info;
}

TppDrawImage::TppDrawImage(OwnedComponent* owner) : TppDrawCommand(owner) {
    SetDataType(dtGraphic);
}

void TppDrawImage::SetPicture(const QImage& image) {
    // Kept device-independent: one pixel format whatever the source had.
    picture_ = image.isNull() ? Graphic() : Graphic(image.convertToFormat(QImage::Format_ARGB32));
}

void TppDrawImage::SetPicture(const QPicture& picture) {
    picture_ = picture.isNull() ? Graphic() : Graphic(picture);
}

bool TppDrawImage::HasPicture() const {
    return !std::holds_alternative<std::monostate>(picture_);
}

QSize TppDrawImage::PictureSize() const {
    if (const auto* image = std::get_if<QImage>(&picture_))
        return image->size();
    if (const auto* picture = std::get_if<QPicture>(&picture_))
        return picture->boundingRect().size();
    return {};
}

void TppDrawImage::Assign(const TppDrawCommand& source) {
    TppDrawCommand::Assign(source);
    if (const auto* image = dynamic_cast<const TppDrawImage*>(&source)) {
        picture_ = image->picture_;
        Stretch = image->Stretch;
        MaintainAspectRatio = image->MaintainAspectRatio;
        Center = image->Center;
        Scale = image->Scale;
        Transparent = image->Transparent;
        DirectDraw = image->DirectDraw;
        ImageName = image->ImageName;
    }
}
