#include "TppBrush.h"

#include "ClassBuilder.h"
#include "EnumerationNames.h"
#include "TppPen.h"

const ClassInfo& TppBrush::staticClassInfo() {
    static const ClassInfo info =
        describeClass<TppBrush>("TBrush", &Persistent::staticClassInfo(), [](auto& c) {
            c.property(
                 "Color", [](const TppBrush& b) { return b.color; }, [](TppBrush& b, int v) { b.color = v; })
                .idents(colorIdents())
                .withDefault(0xFFFFFF);
            c.property(
                 "Style", [](const TppBrush& b) { return b.style; },
                 [](TppBrush& b, Style v) { b.style = v; })
                .names(enumerationNames("TBrushStyle"))
                .withDefault(bsSolid);
        });
    return info;
}

QBrush TppBrush::toQBrush() const {
    static const Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,         Qt::HorPattern,
                                            Qt::VerPattern,   Qt::FDiagPattern,    Qt::BDiagPattern,
                                            Qt::CrossPattern, Qt::DiagCrossPattern};
    return QBrush(colorFromStored(color), styles[std::clamp<int>(style, bsSolid, bsDiagCross)]);
}
