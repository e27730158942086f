#include "TppImage.h"

#include "ClassBuilder.h"

const ClassInfo& TppImage::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppImage>("TppImage", &TppCustomImage::staticClassInfo(), [](auto& c) {
            c.property("AutoSize", &TppImage::AutoSize, &TppImage::SetAutoSize).withDefault(false);
            c.property("DirectDraw", &TppImage::DirectDraw, &TppImage::SetDirectDraw).withDefault(false);
            c.object("Picture", [](TppImage& image) -> Persistent* { return &image.Picture(); });
        });
    return info;
}

TppImage::TppImage(OwnedComponent* owner) : TppCustomImage(owner) {}

TppImage::~TppImage() {
    markDestroying();
}
