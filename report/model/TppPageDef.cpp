#include "TppPageDef.h"

#include "ClassBuilder.h"
#include "Units.h"

namespace {
int horizontalPixels(int mm) {
    return int(UnitsFromMM(mm, utScreenPixels, Axis::Horizontal));
}
int verticalPixels(int mm) {
    return int(UnitsFromMM(mm, utScreenPixels, Axis::Vertical));
}
} // namespace

const ClassInfo& TppPageDef::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppPageDef>("TppPageDef", &Persistent::staticClassInfo(), [](auto& c) {
            const auto field = [&c](const char* name, int TppPageDef::*member) {
                c.property(
                    name, [member](const TppPageDef& d) { return d.*member; },
                    [member](TppPageDef& d, int value) { d.*member = value; });
            };
            field("mmHeight", &TppPageDef::mmHeight);
            field("mmWidth", &TppPageDef::mmWidth);
            field("mmMarginLeft", &TppPageDef::mmMarginLeft);
            field("mmMarginRight", &TppPageDef::mmMarginRight);
            field("mmMarginTop", &TppPageDef::mmMarginTop);
            field("mmMarginBottom", &TppPageDef::mmMarginBottom);
        });
    return info;
}

QRect TppPageDef::printableRect() const {
    return QRect(QPoint(mmMarginLeft, mmMarginTop),
                 QPoint(mmWidth - mmMarginRight, mmHeight - mmMarginBottom));
}

int TppPageDef::spWidth() const {
    return horizontalPixels(mmWidth);
}
int TppPageDef::spHeight() const {
    return verticalPixels(mmHeight);
}
int TppPageDef::spMarginLeft() const {
    return horizontalPixels(mmMarginLeft);
}
int TppPageDef::spMarginRight() const {
    return horizontalPixels(mmMarginRight);
}
int TppPageDef::spMarginTop() const {
    return verticalPixels(mmMarginTop);
}
int TppPageDef::spMarginBottom() const {
    return verticalPixels(mmMarginBottom);
}
