#include "TppIcon.h"

#include "ClassBuilder.h"
#include "ImageDecoding.h"

const ClassInfo& TppIcon::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppIcon>("TIcon", &Persistent::staticClassInfo(), [](auto& c) {
            c.defined("Data", PropertyKind::Binary, &TppIcon::Data, [](TppIcon& icon, const QVariant& v) {
                 icon.SetData(v.toByteArray());
             }).writtenWhen([](const TppIcon& icon) { return !icon.IsEmpty(); });
        });
    return info;
}

QImage TppIcon::Image() const {
    return data_.isEmpty() ? QImage() : decodeImage(data_);
}
